// The help of an installed program: pages beside the program come first
// (the build tree), then <prefix>/share/zenko/help for a program in
// <prefix>/bin. Here the test program's directory plays <prefix>/bin.
// And how a page is opened: the night mark, a browser that cannot start.
#include <QRegularExpression>
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

  // No browser to open the page: the user is told where it is, to open it
  // by hand. A page opened says nothing.
  void helpWithoutABrowserNamesThePage() {
    QtPlatform platform;
    std::vector<std::string> messages;
    platform.SetMessageShower([&](const std::string& text, Icon) { messages.push_back(text); });
    bool starts = false;
    platform.SetHelpOpener([&](const QUrl&) { return starts; });
    platform.OpenHelp("JulianDay");
    QCOMPARE(messages.size(), 1u);
    QCOMPARE(QString::fromStdString(messages[0]),
             QStringLiteral("Impossible d'ouvrir l'aide dans un navigateur.\n"
                            "Ouvrez vous-même la page :\n") + QtPlatform::HelpPage("JulianDay"));
    starts = true;
    platform.OpenHelp("JulianDay");
    QCOMPARE(messages.size(), 1u);
  }

  // In night vision the page is opened with the night mark "#nuit", through
  // a page that leads the browser to it; every page of the help reads the
  // mark with its script, and the style sheet has the night rules.
  void nightHelpCarriesTheNightMark() {
    QStandardPaths::setTestModeEnabled(true);
    QtPlatform platform;
    std::vector<QUrl> opened;
    platform.SetHelpOpener([&](const QUrl& address) {
      opened.push_back(address);
      return true;
    });
    const QString page = QtPlatform::HelpPage("JulianDay");
    platform.OpenHelp("JulianDay");
    SetNightVision(true);
    platform.OpenHelp("JulianDay");
    SetNightVision(false);
    QCOMPARE(opened.size(), 2u);
    QCOMPARE(opened[0], QUrl::fromLocalFile(page));
    QFile lead(opened[1].toLocalFile());
    QVERIFY(lead.open(QIODevice::ReadOnly));
    const auto refresh = QRegularExpression(QStringLiteral("content=\"0; url=([^\"]*)\""))
                             .match(QString::fromUtf8(lead.readAll()));
    QVERIFY(refresh.hasMatch());
    const QUrl target(refresh.captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&")));
    QCOMPARE(target.toLocalFile(), page);
    QCOMPARE(target.fragment(), QStringLiteral("nuit"));

    const QDir help = QFileInfo(page).dir();
    for (const QString& name : help.entryList({QStringLiteral("*.htm")})) {
      QFile file(help.filePath(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray html = file.readAll();
      const auto script = html.indexOf("<script src=\"zenko.js\"></script>");
      QVERIFY2(script > 0 && script < html.indexOf("</head>"), qPrintable(name));
    }
    QFile script(help.filePath(QStringLiteral("zenko.js")));
    QVERIFY(script.open(QIODevice::ReadOnly) && script.readAll().contains("#nuit"));
    QFile sheet(help.filePath(QStringLiteral("zenko.css")));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QByteArray rules = sheet.readAll();
    for (const char* rule : {"html.nuit, html.nuit body, html.nuit body.title { background: #100000; color: #e02010; }",
                             "html.nuit img { filter: grayscale(1)"})
      QVERIFY2(rules.contains(rule), rule);
  }
};

QTEST_MAIN(InstalledHelpTest)
#include "installed_help.moc"
