#include "TelescopeActions.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include "FieldLabels.h"
#include "NightVision.h"
#include "QtPlatform.h"

namespace {

const QKeySequence kNowKey(Qt::CTRL | Qt::Key_M);
const QKeySequence kCopyKey(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence kNightKey(Qt::CTRL | Qt::Key_N);

bool IsNowField(const CDialog& form, int id) {
  const CDialog::NowFieldIds& now = form.NowFields();
  return form.HasNow() && id != 0 && (id == now.date || id == now.time || id == now.julianDay);
}

void AddShortcut(FormWindow& window, const QKeySequence& key, std::function<void()> action) {
  auto* shortcut = new QShortcut(key, &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, std::move(action));
}

}  // namespace

QString ResultsAsText(const FormWindow& window) {
  return FromUtf8(FieldsAsText(window.Form().Template(),
                               [&window](int id) { return window.GetText(id); }));
}

void CopyResults(const FormWindow& window) {
  QApplication::clipboard()->setText(ResultsAsText(window));
}

QMenu* FieldContextMenu(FormWindow& window, QLineEdit* field) {
  QMenu* menu = field->createStandardContextMenu();
  CDialog& form = window.Form();
  const Control* control = nullptr;
  for (const Control& c : form.Template().controls)
    if (c.id != kStatic && window.Widget(c.id) == field) control = &c;
  const int id = control ? control->id : 0;
  bool now = IsNowField(form, id);
  bool result = control && control->kind == Kind::Result;
  if (now || result) menu->addSeparator();
  if (now) {
    QAction* action = menu->addAction(QStringLiteral("Maintenant (TU)"), &window,
                                      [&form] { form.OnNow(); });
    action->setShortcut(kNowKey);
  }
  if (result) {
    QAction* action = menu->addAction(QStringLiteral("Copier les résultats"), &window,
                                      [&window] { CopyResults(window); });
    action->setShortcut(kCopyKey);
  }
  return menu;
}

void InstallTelescopeActions(FormWindow& window) {
  CDialog& form = window.Form();
  const FormTemplate& t = form.Template();
  AddShortcut(window, kNightKey, [] { ToggleNightVision(); });
  if (form.HasNow()) AddShortcut(window, kNowKey, [&form] { form.OnNow(); });
  if (HasFields(t)) AddShortcut(window, kCopyKey, [&window] { CopyResults(window); });

  for (const Control& c : t.controls) {
    auto* field = qobject_cast<QLineEdit*>(window.Widget(c.id));
    if (!field) continue;
    QString tip;
    if (const Hint* hint = t.FindHint(c.id)) tip = FromUtf8(hint->text);
    if (IsNowField(form, c.id))
      tip += QStringLiteral("\nCtrl+M ou « Maintenant (TU) » (clic droit) : "
                            "date et heure actuelles en temps universel");
    if (!tip.isEmpty()) field->setToolTip(tip);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, &window,
                     [&window, field](const QPoint& at) {
                       QMenu* menu = FieldContextMenu(window, field);
                       menu->exec(field->mapToGlobal(at));
                       delete menu;
                     });
  }
}
