// The help of an installed program: pages beside the program come first
// (the build tree), then <prefix>/share/zenko/help for a program in
// <prefix>/bin. Here the test program's directory plays <prefix>/bin.
#include <QtTest>

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
};

QTEST_MAIN(InstalledHelpTest)
#include "installed_help.moc"
