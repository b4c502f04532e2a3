// libFuzzer target: zenko-batch on arbitrary tables. The first byte picks
// the form, the second the button (or the default one), the rest is the
// table; one input in two also writes the site file from its first 16
// bytes. A crash, a sanitizer report, a hang, an output row that does not
// read back with the header's number of fields, or a result field showing
// "nan" or "inf" is a failure.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Batch.h"
#include "NotANumber.h"
#include "Table.h"

namespace {
void Fail(const std::string& why, const std::string& line) {
  std::fprintf(stderr, "%s: %s\n", why.c_str(), line.substr(0, 300).c_str());
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Forms 134 and 135 read Zenko.loc in the current directory.
  char pattern[] = "/tmp/zenko-batch-fuzz-XXXXXX";
  if (!mkdtemp(pattern) || chdir(pattern) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto& forms = BatchForms();
  const BatchForm& form = forms[data[0] % forms.size()];
  int button = data[1] % (form.buttons.size() + 1);
  int buttonId = button == 0 ? 0 : form.buttons[static_cast<std::size_t>(button - 1)].id;
  std::string table(reinterpret_cast<const char*>(data + 2), size - 2);
  if (data[1] & 0x80) {
    std::ofstream site("Zenko.loc", std::ios::binary | std::ios::trunc);
    site.write(table.data(), static_cast<std::streamsize>(std::min<std::size_t>(16, table.size())));
  } else {
    std::remove("Zenko.loc");
  }

  std::istringstream in(table);
  std::ostringstream out, err;
  int status = RunBatchTable(form, buttonId, in.rdbuf(), out, err);
  if (status < 0 || status > 2) Fail("exit status", std::to_string(status));

  // Every output row has the header's fields; results are never NaN or inf.
  std::istringstream lines(out.str());
  std::string line;
  std::vector<std::string> header, fields;
  if (!std::getline(lines, line)) return 0;
  if (SplitFields(line, header) != LineFault::kNone) Fail("bad header", line);
  std::size_t firstResult = header.size() - 1 - form.results.size();
  while (std::getline(lines, line)) {
    if (SplitFields(line, fields) != LineFault::kNone || fields.size() != header.size())
      Fail("bad row", line);
    for (std::size_t i = firstResult; i + 1 < fields.size(); ++i)
      if (NotANumber(fields[i])) Fail("not a number", line);
  }
  return 0;
}
