// Random rows through zenko-batch and through the form-script driver that
// zenko-script runs: every result and the first message must be the same,
// and no result shows "nan" or "inf", whatever the data.
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Printf.h"
#include "ScriptHost.h"
#include "Table.h"

namespace {

using Row = std::vector<std::string>;
std::mt19937 rng(16);

int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

std::string Pick(std::initializer_list<const char*> pool) {
  return pool.begin()[Uniform(0, static_cast<int>(pool.size()) - 1)];
}

// A value for a column by its format: mostly well-formed, sometimes odd or empty.
std::string Value(const std::string& format) {
  const bool odd = Uniform(0, 9) < 2;
  auto has = [&format](const char* key) { return format.find(key) != std::string::npos; };
  if (has("jj/mm"))
    return odd ? Pick({"", "J2000", "J1950", "29/02/1900", "10/10/1582", "abc", "1/1/-100",
                       "32/1/2000", "J"})
               : Format("%d/%d/%d", Uniform(1, 28), Uniform(1, 12), Uniform(1500, 2100));
  if (has("hh:mm"))
    return odd ? Pick({"", "24:00:00", "12:60:00", "6:30", "x", "-1:0:0", "0:0:0"})
               : Format("%d:%d:%d.%d", Uniform(0, 23), Uniform(0, 59), Uniform(0, 59),
                        Uniform(0, 9));
  if (has("±dd"))
    return odd ? Pick({"", "91:0:0", "abc", "-0:30:0", "180:0:0", "0:60:0"})
               : Format("%s%d:%d:%d", Uniform(0, 1) ? "-" : "",
                        Uniform(0, has("±ddd") ? 179 : 89), Uniform(0, 59), Uniform(0, 59));
  if (has("2 à 5")) return odd ? Pick({"", "1", "6", "x", "2.5"}) : std::to_string(Uniform(2, 5));
  if (has("entier"))
    return odd ? Pick({"", "1.5", "x", "-430"}) : std::to_string(Uniform(-100, 4000));
  if (odd && Uniform(0, 9) == 0)  // past the range of doubles, or below it
    return Uniform(0, 1) ? std::string(320, '9') : "1," + std::string(330, '0') + "1";
  if (odd) return Pick({"", "0", "-0", "-1", "x", "1e3", "0,5", "1;2", "180", "3.14159265359", "6,28318530718"});
  std::string text = Format("%.3f", Uniform(0, 180000) / 1000.0);
  if (Uniform(0, 3) == 0) text[text.find('.')] = ',';
  return text;
}

// The same row as a form script: its results and its first message (line
// breaks as blanks, as batch writes them). The first "get" marks the end
// of the opening.
Row RunScript(const BatchForm& form, int button, const Row& row, std::string& script) {
  const std::string first = std::to_string(form.results.front().id) + "=";
  std::ostringstream s;
  s << "open " << form.form << "\nget " << form.results.front().id << "\n";
  std::size_t i = 0;
  for (const TableField& c : form.inputs)
    if (!row[i++].empty()) s << "set " << c.id << " " << row[i - 1] << "\n";
  for (const TableGroup& g : form.groups) {
    for (const TableChoice& choice : g.choices)
      if (row[i] == choice.name) s << "click " << choice.id << "\n";
    ++i;
  }
  s << "click " << button << "\n";
  for (const TableField& r : form.results) s << "get " << r.id << "\n";
  script = s.str() + "key escape\n";
  std::istringstream in(script);
  std::ostringstream out, err;
  RunFormScript(in, out, err);
  Row shown;
  std::string message, line;
  std::istringstream lines(out.str());
  while (std::getline(lines, line) && line.rfind(first, 0) != 0) continue;
  while (std::getline(lines, line)) {
    if (line.rfind("message ", 0) == 0 && message.empty()) {
      message = line.substr(line.find(' ', 8) + 1);
      for (std::size_t k = 0; k + 1 < message.size(); ++k)
        if (message[k] == '\\') message.replace(k, 2, message[k + 1] == 'n' ? " " : message.substr(k + 1, 1));
    }
    for (const TableField& r : form.results) {
      const std::string key = std::to_string(r.id) + "=";
      if (line.rfind(key, 0) == 0 && shown.size() < form.results.size())
        shown.push_back(line.substr(key.size()));
    }
  }
  shown.push_back(message);
  return shown;
}

}  // namespace

int main() {
  // Both read the site file when the sidereal and equatorial forms open.
  char work[] = "/tmp/zenko-batch-consistency-XXXXXX";
  std::istringstream site("site -2.5 48.8\n");
  std::ostringstream ignored;
  if (!mkdtemp(work) || chdir(work) != 0 || RunFormScript(site, ignored, ignored) != 0) return 1;

  int rows = 0, failures = 0, messages = 0;
  for (const BatchForm& form : BatchForms()) {
    for (const TableButton& button : form.buttons) {
      std::vector<Row> table;
      std::string text;
      for (const TableField& c : form.inputs) text += c.name + ";";
      for (const TableGroup& g : form.groups) text += g.name + ";";
      text.back() = '\n';
      for (int n = 0; n < 96; ++n) {
        Row row;
        for (const TableField& c : form.inputs) row.push_back(Value(c.format));
        for (const TableGroup& g : form.groups)
          row.push_back(Uniform(0, 5) == 0 ? std::string()
                                           : g.choices[std::size_t(Uniform(1, int(g.choices.size())) - 1)].name);
        for (std::size_t i = 0; i < row.size(); ++i) {
          if (i) text += ";";
          AppendField(text, row[i], i == 0);
        }
        text += "\n";
        table.push_back(row);
      }
      std::istringstream in(text);
      std::ostringstream out, err;
      RunBatchTable(form, button.id, in.rdbuf(), out, err);
      std::istringstream lines(out.str());
      std::string line;
      std::getline(lines, line);  // header
      for (const Row& row : table) {
        ++rows;
        std::getline(lines, line);
        Row batch;
        SplitFields(line, batch);
        batch.erase(batch.begin(), batch.begin() + static_cast<std::ptrdiff_t>(row.size()));
        std::string script;
        Row shown = RunScript(form, button.id, row, script);
        const Row none(form.results.size());
        const std::string message = batch.back(), scriptMessage = shown.back();
        batch.pop_back();
        shown.pop_back();
        bool same = true;
        for (const std::string& shownText : batch)  // never "nan" or "inf"
          same = same && shownText.find("nan") == std::string::npos &&
                 shownText.find("inf") == std::string::npos;
        if (!scriptMessage.empty()) {
          ++messages;  // results only when the form wrote them
          same = same && message == scriptMessage && (batch == shown || batch == none);
        } else if (message.empty()) {
          same = same && batch == shown;
        } else {  // stopped on a field without a message: nothing written
          same = same && (message.rfind("Champ vide : ", 0) == 0 ||
                  message.rfind("Champ refusé : ", 0) == 0) &&
                 batch == none && shown == none;
        }
        if (!same) {
          ++failures;
          std::cerr << "form " << form.form << " button " << button.id << "\nbatch: " << line
                    << "\nscript:\n" << script << "script message: " << scriptMessage << "\n\n";
        }
      }
    }
  }
  std::filesystem::current_path("/");
  std::filesystem::remove_all(work);
  std::cout << rows << " rows, " << messages << " with a message, " << failures
            << " different\n";
  return failures == 0 && rows > 2000 ? 0 : 1;
}
