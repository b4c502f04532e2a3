#include "FormPicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <sstream>

FormSnapshot::FormSnapshot(int templateId) : form_(CreateForm(templateId, nullptr)) {
  if (!form_) return;
  // A picture shows the whole window, whatever the screen.
  room_ = FormWindow::SetAvailableSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  window_ = std::make_unique<FormWindow>(*form_, nullptr);
  form_->Attach(window_.get());
  form_->OnInitDialog();
}

FormSnapshot::~FormSnapshot() {
  if (!form_) return;
  form_->Attach(nullptr);
  FormWindow::SetAvailableSize(room_);
}

void FormSnapshot::Play(const std::string& script) {
  if (!valid()) return;
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string command;
    int id = 0;
    words >> command >> id;
    if (command == "set") {
      std::size_t at = line.find(' ', 4);
      std::string text = at == std::string::npos ? "" : line.substr(at + 1);
      window_->SetText(id, text);
    } else if (command == "click") {
      if (auto* radio = qobject_cast<QRadioButton*>(window_->Widget(id))) radio->setChecked(true);
      form_->OnCommand(id);
    }
  }
}

QImage FormSnapshot::Render() {
  window_->ensurePolished();
  window_->show();
  QApplication::processEvents();
  QImage image = window_->grab().toImage();
  window_->hide();
  return image;
}
