// The real windows of the sidereal time (135) and equatorial to horizontal
// (134) forms: controls, labels, explanatory lines, default button, the
// site file filling the fields, and a computation through the widgets.
#include <QtTest>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Equatorial2HorizontalDlg.h"
#include "SiderealTimeDlg.h"
#include "QtFormHarness.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// -2.5 and 48.8 as two little-endian doubles.
const unsigned char kSite[16] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0,
                                 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x48, 0x40};

}  // namespace

class PositionalFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    char pattern[] = "/tmp/zenko-qt-site-XXXXXX";
    QVERIFY(mkdtemp(pattern));
    dir_ = pattern;
    QVERIFY(chdir(pattern) == 0);
    std::FILE* file = std::fopen("Zenko.loc", "wb");
    QVERIFY(file);
    QCOMPARE(std::fwrite(kSite, 1, 16, file), size_t(16));
    std::fclose(file);
  }

  void cleanupTestCase() {
    std::remove((dir_ + "/Zenko.loc").c_str());
    rmdir(dir_.c_str());
  }

  void siderealFormIsBuiltFromItsTable() {
    FormHarness harness;
    CSiderealTimeDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      CheckBuiltFromTable(window);
      QCOMPARE(window.windowTitle(), Utf8("Temps sidéral"));
      QStringList statics = StaticTexts(window);
      for (const char* text :
           {"Entrez les données suivantes :", "Date (jj/mm/aaaa) :",
            "Heure UT (hh:mm:ss.s) :", "Longitude (±ddd:mm:ss) :",
            "(la longitude est comptée positivement vers l'ouest)",
            "Temps sidéral :"})
        QVERIFY2(statics.contains(Utf8(text)), text);
      QVERIFY(WidgetOf<QPushButton>(window, 1017)->isDefault());
      QCOMPARE(TextOf(window, 1017), Utf8("&Calcul"));
      QCOMPARE(TextOf(window, 1112), Utf8("&Aide"));
      QCOMPARE(TextOf(window, 1057), Utf8("-2:30:0"));
      QTRY_COMPARE(window.focusWidget(), window.Widget(1018));
      Type(window, 1018, "01/01/2000");
      Type(window, 1025, "12:00:00");
      QTest::keyClick(WidgetOf<QLineEdit>(window, 1025), Qt::Key_Return);
      QCOMPARE(TextOf(window, 1065), Utf8("18h 51m 50.5s"));
      QTRY_COMPARE(window.focusWidget(), window.Widget(1));
      Press(window, 1112);
    });
    QCOMPARE(harness.helpPages.size(), size_t(1));
    QVERIFY(harness.helpPages[0].endsWith(
        QStringLiteral("help/SiderealTime_frameset.htm")));
  }

  void equatorialFormIsBuiltFromItsTable() {
    FormHarness harness;
    CEquatorial2HorizontalDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      CheckBuiltFromTable(window);
      QCOMPARE(window.windowTitle(),
               Utf8("Coordonnées équatoriales et horizontales"));
      QStringList statics = StaticTexts(window);
      for (const char* text :
           {"Entrez les données suivantes :",
            "Coordonnées équatoriales de l'astre :",
            "Ascension droite (hh:mm:ss.sss) :", "Déclinaison (±dd:mm:ss.ss) :",
            "Coordonnées géographiques du site d'observation :",
            "Longitude (±ddd:mm:ss) :", "Latitude (±dd:mm:ss) :",
            "(la longitude est comptée positivement vers l'ouest)",
            "Date (jj/mm/aaaa) :", "Heure (hh:mm:ss) :",
            "Coordonnées horizontales de l'astre :", "Azimut :", "Hauteur :",
            "(l'azimut est compté à partir du sud, positivement vers l'ouest)"})
        QVERIFY2(statics.contains(Utf8(text)), text);
      QVERIFY(WidgetOf<QPushButton>(window, 1017)->isDefault());
      QCOMPARE(TextOf(window, 1062), Utf8("&Sauvegarde des coord. géogr."));
      QCOMPARE(TextOf(window, 1057), Utf8("-2:30:0"));
      QCOMPARE(TextOf(window, 1007), Utf8("48:48:0"));
      QTRY_COMPARE(window.focusWidget(), window.Widget(1042));
      Type(window, 1042, "12:0:0");
      Type(window, 1043, "30:0:0");
      Type(window, 1018, "01/01/2000");
      Type(window, 1025, "12:00:00");
      QTest::keyClick(WidgetOf<QLineEdit>(window, 1025), Qt::Key_Return);
      QCOMPARE(TextOf(window, 1058), Utf8("119° 23' 49\""));
      QCOMPARE(TextOf(window, 1059), Utf8("14° 22' 30\""));
      // A wrong longitude: the message, and nothing is saved.
      Type(window, 1057, "abc");
      auto seen = harness.AnswerBoxes([&] { Press(window, 1062); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Critical);
      QTRY_COMPARE(window.focusWidget(), window.Widget(1057));
      Press(window, 1107);
    });
    QCOMPARE(harness.helpPages.size(), size_t(1));
    QVERIFY(harness.helpPages[0].endsWith(
        QStringLiteral("help/Equatorial2Horizontal_frameset.htm")));
    std::FILE* file = std::fopen("Zenko.loc", "rb");
    QVERIFY(file);
    unsigned char bytes[16] = {};
    QCOMPARE(std::fread(bytes, 1, 16, file), size_t(16));
    std::fclose(file);
    QVERIFY(std::memcmp(bytes, kSite, 16) == 0);
  }

 private:
  std::string dir_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  PositionalFormsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "positional.moc"
