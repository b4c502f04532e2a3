// Every form the menu needs is found through the program's lookup and opens
// in a real window under the template's own id and title.
#include <QtTest>

#include "CalculatorMenu.h"
#include "QtFormHarness.h"

class RegistryTest : public QObject {
  Q_OBJECT

 private slots:
  void elevenFormsOpenThroughTheLookup() {
    FormHarness harness;
    // Forms that read a missing site file report it; nothing waits on it.
    std::vector<std::string> messages;
    harness.Platform().SetMessageShower(
        [&messages](const std::string& text, Icon) { messages.push_back(text); });
    QCOMPARE(Forms().Problems(CalculatorMenu::RequiredForms()), std::string());
    const std::vector<int> ids = CalculatorMenu::RequiredForms();
    QCOMPARE(ids.size(), std::size_t{11});
    for (int id : ids) {
      std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
      QVERIFY2(form, qPrintable(QStringLiteral("form %1 not found").arg(id)));
      QCOMPARE(form->Template().id, id);
      bool shown = false;
      const int result = harness.Run(*form, [&shown, &form](FormWindow& window) {
        shown = true;
        QCOMPARE(window.windowTitle(), QString::fromStdString(form->Title()));
      });
      QVERIFY2(shown, qPrintable(QStringLiteral("form %1 never shown").arg(id)));
      QCOMPARE(result, int(IDCANCEL));
      QVERIFY(!form->IsOpen());  // detached once its run ended
    }
  }
};

QTEST_MAIN(RegistryTest)
#include "registry.moc"
