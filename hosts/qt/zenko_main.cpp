// zenko: the calculator menu in real windows.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "QtPlatform.h"
#include "SiteFile.h"
#include "StdStreams.h"
#include "ZenkoVersion.h"

// The installed program (the packaged empty site file lies in
// <prefix>/share/zenko, beside <prefix>/bin) started where there is no site
// file uses the user's own, as the desktop entry's launcher does:
// ${XDG_DATA_HOME:-$HOME/.local/share}/zenko, given a copy of the packaged
// file when it has none. A program of the build tree keeps its directory.
static void UseUserSiteHome() {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::symlink_status(kSiteFileName, error).type() != fs::file_type::not_found) return;
  const fs::path packaged =
      fs::read_symlink("/proc/self/exe", error).parent_path() / "../share/zenko" / kSiteFileName;
  if (error || !fs::is_regular_file(packaged, error)) return;
  // XDG_DATA_HOME counts only when it is an absolute path; so does HOME.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  fs::path siteHome;
  if (dataHome != nullptr && dataHome[0] == '/')
    siteHome = fs::path(dataHome) / "zenko";
  else if (home != nullptr && home[0] == '/')
    siteHome = fs::path(home) / ".local/share/zenko";
  else
    return;
  fs::create_directories(siteHome, error);
  if (error) return;
  const fs::path site = siteHome / kSiteFileName;
  if (fs::symlink_status(site, error).type() == fs::file_type::not_found &&
      fs::copy_file(packaged, site, error))
    fs::permissions(site, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
  // Any failure leaves the program where it was started: it then reports
  // the missing site file itself.
  fs::current_path(siteHome, error);
}

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    if (std::printf("zenko (Zenko) %s\n", ZENKO_VERSION) < 0 || std::fflush(stdout) != 0) {
      std::fprintf(stderr, "zenko : écriture impossible sur la sortie standard : %s.\n",
                   CauseText(errno).c_str());
      return 2;
    }
    return 0;
  }
  UseUserSiteHome();
  QApplication app(argc, argv);
  // Qt's own texts (the edit fields' context menu, standard buttons) in
  // French like the rest of the interface; without the translations
  // installed they simply stay in English.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_fr"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  // Numbers are read and printed with a decimal point, whatever the locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenko.svg")));
  QtPlatform::LoadQtTranslation();
  // A program built without one of its forms stops here, saying which.
  const std::string problems = Forms().Problems(RequiredForms());
  if (!problems.empty()) {
    std::fprintf(stderr, "zenko: %s", problems.c_str());
    return 1;
  }
  QtPlatform platform;
  std::unique_ptr<CDialog> menu = CreateForm(StartFormId(), nullptr);
  menu->DoModal();
  return 0;
}
