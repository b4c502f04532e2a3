// libFuzzer target: the headless driver on arbitrary form scripts over every
// form (any command order, any text, site file bytes included). A crash, a
// sanitizer report, or a result field showing "nan" or "inf" is a failure.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "NotANumber.h"
#include "ScriptHost.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The driver reads and writes Zenko.loc in the current directory.
  char pattern[] = "/tmp/zenko-fuzz-XXXXXX";
  if (!mkdtemp(pattern) || chdir(pattern) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  RunFormScript(in, out, err, [](int form, int id, const std::string& text) {
    if (NotANumber(text)) {
      std::fprintf(stderr, "form %d field %d shows \"%s\"\n", form, id, text.c_str());
      std::abort();
    }
  });
  return 0;
}
