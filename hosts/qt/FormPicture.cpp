#include "FormPicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <sstream>

FormSnapshot::FormSnapshot(int templateId) : form_(CreateForm(templateId, nullptr)) {
  if (!form_) return;
  window_ = std::make_unique<FormWindow>(*form_, nullptr);
  form_->Attach(window_.get());
  form_->OnInitDialog();
}

FormSnapshot::~FormSnapshot() {
  if (form_) form_->Attach(nullptr);
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

std::string WorkedExample(int id) {
  switch (id) {
    case 164:
      return "click 1136\nset 1095 1\nset 1121 0,0167\nset 1122 1\nclick 1129\n";
    case 130:
      return "set 1018 01/01/2000\nset 1025 12:00:00\nclick 1019\nclick 1024\nclick 1021\n";
    case 135:
      return "set 1018 01/01/2000\nset 1025 12:00:00\nset 1057 -2:30:0\nclick 1017\n";
    case 134:
      return "set 1042 12:0:0\nset 1043 30:0:0\nset 1057 -2:30:0\nset 1007 48:48:0\n"
             "set 1018 01/01/2000\nset 1025 12:00:00\nclick 1017\n";
    case 129:
      return "set 1007 45:0:0\nset 1009 0\nclick 1017\n";
    case 132:
      return "set 1042 12:0:0\nset 1043 30:0:0\nset 1044 0\nset 1045 0\nset 1047 J2050\n"
             "click 1017\n";
    case 131:
      return "set 1000 1/1/2000\nset 1002 10\nset 1004 2/1/2000\nset 1006 20\nset 1023 2\n"
             "set 1021 1/1/2000\nset 1022 6:0:0\nclick 1024\nclick 1020\n";
    case 143:
      return "set 1000 1/1/2000\nset 1001 12:0:0\nset 1072 0\nset 1004 2/1/2000\n"
             "set 1005 12:0:0\nset 1073 1\nset 1008 3/1/2000\nset 1009 12:0:0\nset 1074 0\n"
             "click 1076\nclick 3\n";
    case 144:
      return "click 1102\nset 1088 40\nset 1096 50\nset 1097 70\nclick 1103\n";
    case 146:
      return "click 1102\nset 1095 3\nset 1096 4\nset 1088 30\nclick 1114\n";
    case 102:
      return "click 1002\n";
    default:
      return "";
  }
}
