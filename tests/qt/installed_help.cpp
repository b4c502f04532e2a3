// The help of an installed program: pages beside the program come first
// (the build tree), then <prefix>/share/zenko/help for a program in
// <prefix>/bin. Here the test program's directory plays <prefix>/bin.
// And how a page is opened: the night mark, a browser that cannot start.
#include <QtTest>

#include "NightVision.h"
#include "QtPlatform.h"

class InstalledHelpTest : public QObject {
  Q_OBJECT

 private:
  QDir programDir_{QCoreApplication::applicationDirPath()};
  QString shareDir_;
  bool madeShare_ = false;

  QString Installed(const QString& page) const {
    return QDir::cleanPath(programDir_.filePath(QStringLiteral("../share/zenko/help/") + page));
  }
  static void Write(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html></html>\n");
  }

 private slots:
  void initTestCase() {
    shareDir_ = QDir::cleanPath(programDir_.filePath(QStringLiteral("../share")));
    madeShare_ = !QFileInfo::exists(shareDir_);
    QVERIFY(QDir().mkpath(QFileInfo(Installed(QStringLiteral("x"))).path()));
    Write(Installed(QStringLiteral("OnlyInstalled_frameset.htm")));
    Write(Installed(QStringLiteral("JulianDay_frameset.htm")));
    Write(Installed(QStringLiteral("index.htm")));
  }

  void cleanupTestCase() {
    if (madeShare_) QDir(shareDir_).removeRecursively();
  }

  void pageBesideTheProgramFirstThenInstalledThenNothing() {
    const QString beside = programDir_.filePath(QStringLiteral("help/JulianDay_frameset.htm"));
    QVERIFY(QFileInfo(beside).isFile());
    const std::pair<const char*, QString> cases[] = {
        {"OnlyInstalled", Installed(QStringLiteral("OnlyInstalled_frameset.htm"))},
        {"JulianDay", QDir::cleanPath(beside)},
        {"", QDir::cleanPath(programDir_.filePath(QStringLiteral("help/index.htm")))},
        {"Nowhere", QString()},
        {"../help/index", QString()},  // outside the help directories
    };
    for (const auto& [topic, page] : cases) QCOMPARE(QtPlatform::HelpPage(topic), page);
  }

  // In daylight the page itself; in night vision a page that leads the
  // browser to it with the night mark "#nuit", which every page of the help
  // reads with its script (the night rules: zenko.css). No browser: the
  // user is told where the page is, to open it by hand.
  void helpInNightVisionAndWithoutABrowser() {
    QStandardPaths::setTestModeEnabled(true);
    QtPlatform platform;
    std::vector<QUrl> opened;
    std::vector<std::string> messages;
    platform.SetMessageShower([&](const std::string& text, Icon) { messages.push_back(text); });
    platform.SetHelpOpener([&](const QUrl& address) {
      opened.push_back(address);
      return opened.size() < 3;
    });
    const QString page = QtPlatform::HelpPage("JulianDay");
    platform.OpenHelp("JulianDay");
    SetNightVision(true);
    platform.OpenHelp("JulianDay");
    SetNightVision(false);
    QCOMPARE(opened[0], QUrl::fromLocalFile(page));
    QFile lead(opened[1].toLocalFile());
    QVERIFY(lead.open(QIODevice::ReadOnly));
    QUrl night = QUrl::fromLocalFile(page);
    night.setFragment(QStringLiteral("nuit"));
    QVERIFY(lead.readAll().contains("content=\"0; url=" + night.toEncoded() + "\""));
    QVERIFY(messages.empty());
    platform.OpenHelp("JulianDay");
    QCOMPARE(messages, std::vector<std::string>{"Impossible d'ouvrir l'aide dans un navigateur.\n"
                                                "Ouvrez vous-même la page :\n" + page.toStdString()});
    const QDir help = QFileInfo(page).dir();
    for (const QString& name : help.entryList({QStringLiteral("*.htm")})) {
      QFile file(help.filePath(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QVERIFY2(file.readAll().contains("<script src=\"zenko.js\"></script>\n</head>"), qPrintable(name));
    }
  }
};

QTEST_MAIN(InstalledHelpTest)
#include "installed_help.moc"
