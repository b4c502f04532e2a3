// zenko-batch in a browser worker (batch-worker.js): the batch host's own
// run of a table, fed with the bytes of the file the user chose and
// collecting the result table and the notes in memory. The worker has no
// site file of its own: the page hands it the 16 bytes it stores, which go
// into Zenko.loc of the in-memory file system before the run.
#include <emscripten.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstddef>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>

#include "Batch.h"
#include "Dialog.h"
#include "FieldLabels.h"
#include "Json.h"
#include "SiteFile.h"

// clang-format off
// How far the run has read into the table, for the page's progress bar.
EM_JS(void, zenko_batch_progress, (double done, double total), {
  if (Module.onProgress) Module.onProgress(done, total);
});
// clang-format on

namespace {

// The table's bytes, handed out a slice at a time so that each new slice
// reports how far the run has read.
class ProgressInput : public std::streambuf {
 public:
  ProgressInput(const char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const std::size_t at = egptr() ? static_cast<std::size_t>(egptr() - bytes_) : 0;
    if (at >= size_) return traits_type::eof();
    zenko_batch_progress(static_cast<double>(at), static_cast<double>(size_));
    char* begin = const_cast<char*>(bytes_) + at;
    setg(begin, begin, begin + std::min(kSlice, size_ - at));
    return traits_type::to_int_type(*gptr());
  }

 private:
  static constexpr std::size_t kSlice = 64u << 10;
  const char* bytes_;
  std::size_t size_;
};

std::string output;  // the result table of the last run
std::string notes;   // what the last run wrote on its error output
std::string forms;   // zenko_batch_forms' text

// Zenko.loc holds the page's stored site, or is absent when none is stored.
bool PutSite(const unsigned char* site) {
  if (!site) return unlink(kSiteFileName) == 0 || errno == ENOENT;
  int fd = open(kSiteFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = write(fd, site, 16) == 16;
  return close(fd) == 0 && written;
}

}  // namespace

extern "C" {

// The forms a table may run through, as JSON: [{"form", "title", "columns"
// (the text of zenko-batch --champs), "buttons": [{"id", "name", "label"}]}].
EMSCRIPTEN_KEEPALIVE const char* zenko_batch_forms() {
  std::setlocale(LC_ALL, "C");
  forms = "[";
  for (const BatchForm& form : BatchForms()) {
    std::unique_ptr<CDialog> dialog = CreateForm(form.form, nullptr);
    const FormTemplate& tpl = dialog->Template();
    if (forms.size() > 1) forms += ',';
    forms += "{\"form\":" + std::to_string(form.form) + ",\"title\":";
    AppendJsonString(forms, tpl.title);
    forms += ",\"columns\":";
    AppendJsonString(forms, DescribeBatchForm(form));
    forms += ",\"buttons\":[";
    for (std::size_t i = 0; i < form.buttons.size(); ++i) {
      const Control* c = tpl.Find(form.buttons[i].id);
      forms += (i ? ",{\"id\":" : "{\"id\":") + std::to_string(form.buttons[i].id) + ",\"name\":";
      AppendJsonString(forms, form.buttons[i].name);
      forms += ",\"label\":";
      AppendJsonString(forms, c ? CleanLabel(c->text) : std::string());
      forms += '}';
    }
    forms += "]}";
  }
  forms += ']';
  return forms.c_str();
}

// Runs the table (size bytes at bytes, read from the file named name)
// through form, pressing button (0: the form's default one), as
// zenko-batch [--bouton BUTTON] FORM FILE does; site is the 16 bytes of
// Zenko.loc, or null for none. Returns zenko-batch's exit status; the
// result table and the notes are then in zenko_batch_output and
// zenko_batch_notes.
EMSCRIPTEN_KEEPALIVE int zenko_batch_run(int form, int button, const char* bytes, int size,
                                         const char* name, const unsigned char* site) {
  std::setlocale(LC_ALL, "C");
  output.clear();
  notes.clear();
  std::ostringstream out, err;
  int status = kBatchUsage;
  const BatchForm* batchForm = FindBatchForm(form);
  std::string refusal;
  if (!batchForm)
    refusal = "formulaire inconnu : « " + std::to_string(form) + " »";
  else if (size < 0 || (!bytes && size > 0) || !name)
    refusal = "le tableau n'a pas pu être lu";
  else if (!PutSite(site))
    refusal = "le fichier Zenko.loc n'a pas pu être préparé";
  if (!refusal.empty()) {
    err << "zenko-batch : " << refusal << ".\n";
  } else {
    ProgressInput in(bytes, static_cast<std::size_t>(size));
    TableOrigin origin{std::string("du fichier « ") + name + " »", [] { return 0; }};
    status = RunBatchTable(*batchForm, button, &in, out, err, origin);
    zenko_batch_progress(size, size);
  }
  output = out.str();
  notes = err.str();
  return status;
}

EMSCRIPTEN_KEEPALIVE const char* zenko_batch_output() { return output.data(); }
EMSCRIPTEN_KEEPALIVE int zenko_batch_output_size() { return static_cast<int>(output.size()); }
EMSCRIPTEN_KEEPALIVE const char* zenko_batch_notes() { return notes.c_str(); }

}  // extern "C"
