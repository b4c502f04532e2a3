#include "Batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ostream>

#include "Dialog.h"
#include "HeadlessWindow.h"
#include "Report.h"
#include "StdStreams.h"
#include "Table.h"
#include "ZenkoVersion.h"

namespace {

const char kProgram[] = "zenko-batch : ";

// One open form: the controls' texts and check states, and what the form
// did during the last press.
class BatchWindow : public HeadlessWindow {
 public:
  using HeadlessWindow::HeadlessWindow;

  // Back to the state of a form just built.
  void Reset() {
    HeadlessWindow::Reset();
    ClearTrace();
  }
  void ClearTrace() {
    wrote = false;
    focus = 0;
  }

  void SetText(int id, const std::string& text) override {
    HeadlessWindow::SetText(id, text);
    wrote = true;
  }
  void Focus(int id) override { focus = id; }

  // Typing into a field, as the user does: not the form's own writing.
  void Type(int id, const std::string& text) { HeadlessWindow::SetText(id, text); }

  bool wrote = false;  // the form wrote its fields back
  int focus = 0;       // the last control the form focused
};

// Forms never open another one in a batch (the buttons that would are
// refused) and help is not shown; their messages are kept for the row.
class BatchPlatform : public Platform {
 public:
  explicit BatchPlatform(std::vector<std::string>& messages) : messages_(messages) {}
  int RunModal(CDialog&) override { return IDCANCEL; }
  void OpenHelp(const std::string&) override {}
  void ShowMessageBox(const std::string& text, Icon) override { messages_.push_back(text); }

 private:
  std::vector<std::string>& messages_;
};

std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.size() <= 9 &&
         std::all_of(text.begin(), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

std::string Trim(const std::string& text) {
  std::size_t b = text.find_first_not_of(" \t");
  if (b == std::string::npos) return std::string();
  std::size_t e = text.find_last_not_of(" \t");
  return text.substr(b, e - b + 1);
}

// One column of the input table.
struct InputColumn {
  int id;                          // field, or first radio of a group
  std::string name;                // short name
  const TableGroup* group;         // nullptr for a field
  std::string header;              // as written in the header
};

const TableGroup* FindGroup(const BatchForm& form, const std::string& key) {
  for (const TableGroup& g : form.groups)
    if ((IsNumber(key) && std::stoi(key) == g.id) || FoldName(key) == g.name)
      return &g;
  return nullptr;
}

const TableField* FindInput(const BatchForm& form, const std::string& key) {
  for (const TableField& c : form.inputs)
    if ((IsNumber(key) && std::stoi(key) == c.id) || FoldName(key) == c.name)
      return &c;
  return nullptr;
}

std::string ChoiceList(const TableGroup& g) {
  std::string list;
  for (const TableChoice& c : g.choices) {
    if (!list.empty()) list += ", ";
    list += c.name;
  }
  return list;
}

int ResolveChoice(const TableGroup& g, const std::string& value) {
  std::string key = FoldName(Trim(value));
  for (const TableChoice& c : g.choices)
    if (key == c.name || (IsNumber(key) && std::stoi(key) == c.id)) return c.id;
  return 0;
}

const char* FaultText(LineFault fault) {
  switch (fault) {
    case LineFault::kNulByte: return "octet nul";
    case LineFault::kBadUtf8: return "texte UTF-8 invalide";
    case LineFault::kOpenQuote: return "guillemet non fermé";
    case LineFault::kAfterQuote: return "texte après un guillemet fermant";
    case LineFault::kNone: break;
  }
  return "";
}

class BatchRun {
 public:
  BatchRun(const BatchForm& form, int button, std::ostream& out, std::ostream& err,
           const TableOrigin& origin)
      : form_(form),
        button_(button ? button : form.buttons.front().id),
        out_(out),
        err_(err),
        origin_(origin),
        dialog_(CreateForm(form.form, nullptr)),
        window_(dialog_->Template()) {}

  int Run(std::streambuf* in);

 private:
  bool ReadHeader(LineReader& reader);
  // The errno of a failed read of the table, 0 while none failed.
  int ReadError() const { return origin_.error ? origin_.error() : 0; }
  void Row(long number, const std::string& line);
  void Compute(const std::vector<std::string>& fields, std::string& message);
  std::string FieldName(int id) const;
  void Emit(const std::vector<std::string>& echo, const std::vector<std::string>* results,
            const std::string& message);

  const BatchForm& form_;
  int button_;
  std::ostream& out_;
  std::ostream& err_;
  const TableOrigin& origin_;
  std::unique_ptr<CDialog> dialog_;  // template holder; rows use fresh forms
  BatchWindow window_;
  std::vector<InputColumn> columns_;
  bool useIds_ = false;
  bool noted_ = false;  // a note of opening (site file) was printed
  bool anyMessage_ = false;
  std::vector<std::string> messages_;
  std::vector<std::string> fields_;
  std::vector<std::string> results_;
  std::string row_;
};

int BatchRun::Run(std::streambuf* in) {
  BatchPlatform platform(messages_);
  Platform* previousPlatform = Platform::Install(&platform);

  LineReader reader(in, kMaxLineBytes);
  int status = kBatchUsage;
  if (ReadHeader(reader)) {
    std::string line;
    bool tooLong = false;
    // A line cut by a failed read is not computed; a failed write ends
    // the run (nothing more could be written).
    while (out_ && reader.Next(line, &tooLong) && ReadError() == 0) {
      if (line.empty() || line[0] == '#') continue;
      if (tooLong) {
        std::vector<std::string> none(columns_.size());
        Emit(none, nullptr,
             "Ligne " + std::to_string(reader.Number()) + " : ligne trop longue (plus de " +
                 std::to_string(kMaxLineBytes) + " octets)");
        continue;
      }
      Row(reader.Number(), line);
    }
    out_.flush();
    status = !out_ ? kBatchUsage : anyMessage_ ? kBatchSomeMessage : kBatchAllComputed;
  }
  if (int error = ReadError()) {
    err_ << kProgram << "erreur de lecture " << origin_.what << " : " << CauseText(error)
         << ".\n";
    status = kBatchUsage;
  }

  Platform::Install(previousPlatform);
  return status;
}

bool BatchRun::ReadHeader(LineReader& reader) {
  std::string line;
  bool tooLong = false;
  for (;;) {
    if (!reader.Next(line, &tooLong) || ReadError() != 0) {
      if (ReadError() == 0)
        err_ << kProgram << "la table est vide : il manque la ligne d'en-tête.\n";
      return false;
    }
    if (reader.Number() == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (!line.empty() && line[0] != '#') break;
  }
  std::string where = "en-tête (ligne " + std::to_string(reader.Number()) + ") : ";
  LineFault fault = tooLong ? LineFault::kNone : CheckLineBytes(line);
  if (fault == LineFault::kNone && !tooLong) fault = SplitFields(line, fields_);
  if (tooLong || fault != LineFault::kNone) {
    err_ << kProgram << where << (tooLong ? "ligne trop longue" : FaultText(fault)) << ".\n";
    return false;
  }
  bool allIds = true;
  for (const std::string& raw : fields_) {
    std::string key = Trim(raw);
    InputColumn column{0, "", nullptr, raw};
    if (const TableField* c = FindInput(form_, key)) {
      column.id = c->id;
      column.name = c->name;
    } else if (const TableGroup* g = FindGroup(form_, key)) {
      column.id = g->id;
      column.name = g->name;
      column.group = g;
    } else {
      err_ << kProgram << where << "colonne inconnue pour le formulaire " << form_.form
           << " : « " << Shown(key.substr(0, 80)) << " » (voir zenko-batch --champs "
           << form_.form << ").\n";
      return false;
    }
    for (const InputColumn& other : columns_) {
      if (other.id == column.id) {
        err_ << kProgram << where << "colonne en double : « " << Shown(key) << " ».\n";
        return false;
      }
    }
    allIds = allIds && IsNumber(key);
    columns_.push_back(std::move(column));
  }
  useIds_ = allIds;
  row_.clear();
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    AppendField(row_, columns_[i].header, i == 0);
    row_ += ';';
  }
  for (const TableField& r : form_.results) {
    row_ += useIds_ ? std::to_string(r.id) : std::string(r.name);
    row_ += ';';
  }
  row_ += "message\n";
  out_ << row_;
  return true;
}

std::string BatchRun::FieldName(int id) const {
  if (useIds_) return std::to_string(id);
  for (const TableField& c : form_.inputs)
    if (c.id == id) return c.name;
  return std::to_string(id);
}

void BatchRun::Row(long number, const std::string& line) {
  std::string prefix = "Ligne " + std::to_string(number) + " : ";
  std::vector<std::string> none(columns_.size());
  LineFault fault = CheckLineBytes(line);
  if (fault != LineFault::kNone) return Emit(none, nullptr, prefix + FaultText(fault));
  fault = SplitFields(line, fields_);
  std::string problem;
  if (fault != LineFault::kNone) {
    problem = FaultText(fault);
  } else if (fields_.size() != columns_.size()) {
    problem = std::to_string(fields_.size()) + (fields_.size() > 1 ? " champs" : " champ") +
              " au lieu de " + std::to_string(columns_.size());
  }
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i].size() > kMaxFieldBytes) {
      fields_[i].clear();
      if (problem.empty() && i < columns_.size())
        problem = "champ " + (useIds_ ? std::to_string(columns_[i].id) : columns_[i].name) +
                  " trop long (plus de " + std::to_string(kMaxFieldBytes) + " octets)";
    }
  }
  fields_.resize(columns_.size());
  if (!problem.empty()) return Emit(fields_, nullptr, prefix + problem);

  std::string message;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const InputColumn& c = columns_[i];
    if (c.group && !Trim(fields_[i]).empty() && !ResolveChoice(*c.group, fields_[i])) {
      message = prefix + "valeur inconnue pour " +
                (useIds_ ? std::to_string(c.id) : c.name) + " : « " + Shown(fields_[i]) +
                " » (" + ChoiceList(*c.group) + ")";
      return Emit(fields_, nullptr, message);
    }
  }
  Compute(fields_, message);
  Emit(fields_, message.empty() || window_.wrote ? &results_ : nullptr, message);
}

void BatchRun::Compute(const std::vector<std::string>& fields, std::string& message) {
  // A row starts as a freshly started program would.
  if (Platform* platform = Platform::Current()) platform->RestartState();
  std::unique_ptr<CDialog> dialog = CreateForm(form_.form, nullptr);
  window_.Reset();
  messages_.clear();
  RunAttached(*dialog, window_, [&] {
    if (!messages_.empty() && !noted_) {
      err_ << kProgram << Shown(OneLine(messages_.front())) << '\n';
      noted_ = true;
    }
    messages_.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const InputColumn& c = columns_[i];
      if (fields[i].empty()) {
        // An empty cell leaves the field as the form opened it: a site
        // longitude, a time of "0:0:0", three points.
      } else if (!c.group) {
        window_.Type(c.id, fields[i]);
      } else if (int id = ResolveChoice(*c.group, fields[i])) {
        window_.CheckRadio(id);
        dialog->OnCommand(id);
      }
    }
    window_.ClearTrace();
    dialog->OnCommand(button_);
    return 0;
  });

  results_.clear();
  for (const TableField& r : form_.results) results_.push_back(window_.GetText(r.id));
  if (!messages_.empty()) {
    message = Shown(OneLine(messages_.front()));
  } else if (!window_.wrote) {
    const Control* focused = dialog->Template().Find(window_.focus);
    if (focused && (focused->kind == Kind::Edit || focused->kind == Kind::Number)) {
      bool blank = Trim(window_.GetText(window_.focus)).empty();
      message = std::string(blank ? "Champ vide : " : "Champ refusé : ") +
                FieldName(window_.focus);
    }
    // Otherwise the button only checked its inputs ("&Initialisation").
  }
}

void BatchRun::Emit(const std::vector<std::string>& echo,
                    const std::vector<std::string>* results, const std::string& message) {
  row_.clear();
  for (std::size_t i = 0; i < echo.size(); ++i) {
    AppendField(row_, echo[i], i == 0);
    row_ += ';';
  }
  for (std::size_t i = 0; i < form_.results.size(); ++i) {
    if (results) AppendField(row_, (*results)[i], false);
    row_ += ';';
  }
  AppendField(row_, message, false);
  row_ += '\n';
  out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
  if (!message.empty()) anyMessage_ = true;
}

std::string FormList() {
  std::string list;
  for (const BatchForm& f : BatchForms()) {
    if (!list.empty()) list += ", ";
    list += std::to_string(f.form);
  }
  return list;
}

const BatchForm* FormArgument(const std::string& text, std::ostream& err) {
  const BatchForm* form = IsNumber(text) ? FindBatchForm(std::stoi(text)) : nullptr;
  if (!form)
    err << kProgram << "formulaire inconnu : « " << Shown(text.substr(0, 80))
        << " » (formulaires : " << FormList() << ").\n";
  return form;
}

// The button named by --bouton, or 0 after a usage error.
int ButtonArgument(const BatchForm& form, const std::string& text, std::ostream& err) {
  std::string key = FoldName(Trim(text));
  for (const TableButton& b : form.buttons)
    if (key == b.name || (IsNumber(key) && std::stoi(key) == b.id)) return b.id;
  std::string names;
  for (const TableButton& b : form.buttons)
    names += (names.empty() ? "" : ", ") + std::string(b.name);
  const FormTemplate& tpl = CreateForm(form.form, nullptr)->Template();
  const Control* c = IsNumber(key) ? tpl.Find(std::stoi(key)) : nullptr;
  for (const Control& b : tpl.controls) {  // a button of the window named by its label
    std::string label = b.text;
    std::erase(label, '&');
    if (!c && b.kind == Kind::Button && FoldName(label) == key) c = &b;
  }
  if (c && c->kind == Kind::Button)
    err << kProgram << "le bouton " << c->id << " n'est pas un calcul ; boutons du formulaire "
        << form.form << " : " << names << ".\n";
  else
    err << kProgram << "bouton inconnu pour le formulaire " << form.form << " : « "
        << Shown(text.substr(0, 80)) << " » (boutons : " << names << ").\n";
  return 0;
}

std::string Pad(const std::string& text, std::size_t width) {
  // Width in characters: UTF-8 continuation bytes take no room.
  std::size_t shown = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++shown;
  return text + std::string(shown < width ? width - shown : 1, ' ');
}

}  // namespace

const std::vector<BatchForm>& BatchForms() {
  static const std::vector<BatchForm> forms = [] {
    std::vector<BatchForm> all;
    for (int id : RegisteredForms()) {
      std::unique_ptr<CDialog> dialog = CreateForm(id, nullptr);
      if (!dialog || dialog->Template().table.buttons.empty()) continue;
      BatchForm form{dialog->Template().table};
      form.form = id;
      all.push_back(std::move(form));
    }
    return all;
  }();
  return forms;
}

const BatchForm* FindBatchForm(int form) {
  for (const BatchForm& f : BatchForms())
    if (f.form == form) return &f;
  return nullptr;
}

std::string FoldName(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 'A' && c <= 'Z') {
      out += static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < text.size()) {
      // Latin-1 letters written as two bytes: C3 80..BF.
      unsigned char d = static_cast<unsigned char>(text[i + 1]) | 0x20;
      char base = 0;
      if (d >= 0xA0 && d <= 0xA5) base = 'a';
      else if (d == 0xA7) base = 'c';
      else if (d >= 0xA8 && d <= 0xAB) base = 'e';
      else if (d >= 0xAC && d <= 0xAF) base = 'i';
      else if (d >= 0xB2 && d <= 0xB6) base = 'o';
      else if (d >= 0xB9 && d <= 0xBC) base = 'u';
      if (base && static_cast<unsigned char>(text[i + 1]) >= 0x80) {
        out += base;
        ++i;
      } else {
        out += static_cast<char>(c);
      }
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int RunBatchTable(const BatchForm& form, int button, std::streambuf* in,
                  std::ostream& out, std::ostream& err, const TableOrigin& origin) {
  BatchRun run(form, button, out, err, origin);
  return run.Run(in);
}

std::string DescribeBatchForm(const BatchForm& form) {
  std::unique_ptr<CDialog> dialog = CreateForm(form.form, nullptr);
  const FormTemplate& tpl = dialog->Template();
  std::string text = "Formulaire " + std::to_string(form.form) + " : " + tpl.title + "\n";
  text += "\nColonnes d'entrée (nom ou numéro) :\n";
  for (const TableField& c : form.inputs)
    text += "  " + Pad(c.name, 15) + Pad(std::to_string(c.id), 6) + c.format + "\n";
  for (const TableGroup& g : form.groups) {
    text += "  " + Pad(g.name, 15) + Pad(std::to_string(g.id), 6) + g.what + " :\n";
    for (const TableChoice& choice : g.choices) {
      const Control* c = tpl.Find(choice.id);
      std::string label = c ? Trim(c->text) : std::string();
      text += "      " + Pad(choice.name, 13) + Pad(std::to_string(choice.id), 6) +
              (label.empty() ? "" : label) + "\n";
    }
  }
  text += "\nColonnes de résultat :\n";
  for (const TableField& c : form.results)
    text += "  " + Pad(c.name, 15) + Pad(std::to_string(c.id), 6) + c.format + "\n";
  text += "\nBoutons (--bouton) :\n";
  for (std::size_t i = 0; i < form.buttons.size(); ++i) {
    const Control* c = tpl.Find(form.buttons[i].id);
    text += "  " + Pad(form.buttons[i].name, 15) + Pad(std::to_string(form.buttons[i].id), 6) +
            (c ? c->text : std::string()) + (i == 0 ? " (par défaut)" : "") + "\n";
  }
  return text;
}

std::string BatchUsage() {
  return "Usage : zenko-batch [--bouton BOUTON] [--] FORMULAIRE [FICHIER]\n"
         "        zenko-batch --champs FORMULAIRE\n"
         "        zenko-batch --aide | --version\n"
         "\n"
         "Calcule chaque ligne d'une table avec un calculateur de Zenko.\n"
         "La table est lue dans FICHIER, ou sur l'entrée standard sans FICHIER ou\n"
         "avec « - » ; le résultat est écrit sur la sortie standard.\n"
         "\n"
         "Entrée : texte UTF-8 ; la première ligne est l'en-tête ; champs séparés\n"
         "par des points-virgules ; un champ entre guillemets peut contenir des\n"
         "points-virgules, et deux guillemets y valent un guillemet. Les lignes\n"
         "vides et celles qui commencent par # sont ignorées. Une colonne est\n"
         "nommée par le numéro de son champ ou par son nom court (voir --champs).\n"
         "Les fins de ligne LF, CRLF et CR seul sont acceptées.\n"
         "\n"
         "Sortie : l'en-tête, puis pour chaque ligne les colonnes lues, les\n"
         "résultats du calculateur et une dernière colonne « message », vide\n"
         "quand le calcul a réussi.\n"
         "\n"
         "Formulaires : " + FormList() + ".\n"
         "\n"
         "Options :\n"
         "  --bouton BOUTON  le bouton pressé pour chaque ligne (numéro ou nom)\n"
         "  --champs FORM    liste les colonnes, les choix et les boutons du formulaire\n"
         "  --aide, --help   affiche ce texte\n"
         "  --version        affiche la version\n"
         "  --               la suite n'est pas une option (un FICHIER qui commence par -)\n"
         "\n"
         "État de sortie : 0 toutes les lignes calculées, 1 une ligne au moins\n"
         "porte un message, 2 erreur d'utilisation, de lecture de la table ou\n"
         "d'écriture du résultat (message sur la sortie d'erreur).\n";
}

std::string BatchVersion() { return "zenko-batch (Zenko) " ZENKO_VERSION "\n"; }

int RunBatchCommand(const std::vector<std::string>& args, int in, std::ostream& out,
                    std::ostream& err) {
  std::vector<std::string> positional;
  std::string button;
  bool haveButton = false;
  bool optionsEnded = false;  // after "--", a name beginning with '-' is a file
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
    if (!option) {
      positional.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--aide" || a == "--help") {
      out << BatchUsage();
      return kBatchAllComputed;
    } else if (a == "--version") {
      out << BatchVersion();
      return kBatchAllComputed;
    } else if (a == "--champs") {
      if (i + 1 >= args.size()) {
        err << kProgram << "--champs attend un numéro de formulaire.\n";
        return kBatchUsage;
      }
      const BatchForm* form = FormArgument(args[i + 1], err);
      if (!form) return kBatchUsage;
      out << DescribeBatchForm(*form);
      return kBatchAllComputed;
    } else if (a == "--bouton" || a.rfind("--bouton=", 0) == 0) {
      if (a == "--bouton") {
        if (i + 1 >= args.size()) {
          err << kProgram << "--bouton attend un bouton.\n";
          return kBatchUsage;
        }
        button = args[++i];
      } else {
        button = a.substr(9);
      }
      haveButton = true;
    } else {
      err << kProgram << "option inconnue : « " << Shown(a.substr(0, 80))
          << " » (zenko-batch --aide).\n";
      return kBatchUsage;
    }
  }
  if (positional.empty() || positional.size() > 2) {
    err << kProgram
        << (positional.empty() ? "il manque le formulaire" : "trop d'arguments")
        << " (zenko-batch --aide).\n";
    return kBatchUsage;
  }
  const BatchForm* form = FormArgument(positional[0], err);
  if (!form) return kBatchUsage;
  int buttonId = 0;
  if (haveButton && !(buttonId = ButtonArgument(*form, button, err))) return kBatchUsage;

  bool standardInput = positional.size() < 2 || positional[1] == "-";
  std::string path = standardInput ? std::string() : positional[1];
  int fd = in;
  if (!standardInput) {
    do {
      fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
      err << kProgram << "impossible de lire le fichier « " << Shown(path) << " ».\n";
      return kBatchUsage;
    }
  }
  FdInput source(fd);
  struct stat status = {};
  int result = kBatchUsage;
  if (source.Error() == 0 && fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    err << kProgram
        << (standardInput ? std::string("l'entrée standard") : "« " + Shown(path) + " »")
        << " est un répertoire, pas une table.\n";
  } else {
    TableOrigin origin{
        standardInput ? std::string("de l'entrée standard") : "du fichier « " + Shown(path) + " »",
        [&source] { return source.Error(); }};
    result = RunBatchTable(*form, buttonId, &source, out, err, origin);
  }
  if (!standardInput) close(fd);
  return result;
}
