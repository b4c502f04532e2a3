// zenko in a web page: the calculator menu and its forms, drawn by the
// page's script from the same control tables as the windows.
#include <emscripten.h>

#include <clocale>
#include <memory>

#include "WebPlatform.h"
#include "WebSite.h"

// clang-format off
EM_JS(void, zenko_ended, (), { ZenkoPage.ended(); });
EM_JS(void, zenko_failed, (const char* why), { ZenkoPage.failed(UTF8ToString(why)); });
// clang-format on

int main() {
  std::setlocale(LC_ALL, "C");
  const std::string problems = Forms().Problems(RequiredForms());
  if (!problems.empty()) {
    zenko_failed(problems.c_str());
    return 1;
  }
  if (!OpenBrowserSite()) {
    zenko_failed("Le fichier Zenko.loc n'a pas pu être préparé.");
    return 1;
  }
  {
    WebPlatform platform;
    std::unique_ptr<CDialog> menu = CreateForm(StartFormId(), nullptr);
    menu->DoModal();
  }
  zenko_ended();
  return 0;
}
