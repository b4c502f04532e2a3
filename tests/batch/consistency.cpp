// Random rows through zenko-batch and through the form-script driver that
// zenko-script runs: every result and the first message must be the same.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptHost.h"
#include "Batch.h"
#include "Table.h"
#include "Bytes.h"
#include "Printf.h"

namespace {

std::mt19937 rng(16);

int Uniform(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

template <std::size_t N>
std::string Pick(const char* const (&pool)[N]) {
  return pool[Uniform(0, N - 1)];
}

// A value for a column: mostly well-formed, sometimes odd or empty.
std::string Value(const TableField& c) {
  std::string format = c.format;
  bool odd = Uniform(0, 9) < 2;
  if (format.find("jj/mm") != std::string::npos) {
    const char* const pool[] = {"", "J2000", "J1950", "29/02/1900", "10/10/1582",
                                "abc", "1/1/-100", "32/1/2000", "J"};
    if (odd) return Pick(pool);
    return Format("%d/%d/%d", Uniform(1, 28), Uniform(1, 12), Uniform(1500, 2100));
  }
  if (format.find("hh:mm") != std::string::npos) {
    const char* const pool[] = {"", "24:00:00", "12:60:00", "6:30", "x", "-1:0:0", "0:0:0"};
    if (odd) return Pick(pool);
    return Format("%d:%d:%d.%d", Uniform(0, 23), Uniform(0, 59), Uniform(0, 59),
                  Uniform(0, 9));
  }
  if (format.find("±dd") != std::string::npos) {
    const char* const pool[] = {"", "91:0:0", "abc", "-0:30:0", "180:0:0", "0:60:0"};
    if (odd) return Pick(pool);
    int limit = format.find("±ddd") != std::string::npos ? 179 : 89;
    return Format("%s%d:%d:%d", Uniform(0, 1) ? "-" : "", Uniform(0, limit),
                  Uniform(0, 59), Uniform(0, 59));
  }
  if (format.find("2 à 5") != std::string::npos) {
    const char* const pool[] = {"", "1", "6", "x", "2.5"};
    return odd ? Pick(pool) : std::to_string(Uniform(2, 5));
  }
  if (format.find("entier") != std::string::npos) {
    const char* const pool[] = {"", "1.5", "x", "-430"};
    return odd ? Pick(pool) : std::to_string(Uniform(-100, 4000));
  }
  const char* const pool[] = {"", "0", "-1", "x", "1e3", "0,5", "1;2"};
  if (odd) return Pick(pool);
  std::string text = Format("%.3f", Uniform(0, 180000) / 1000.0);
  if (Uniform(0, 3) == 0) text[text.find('.')] = ',';
  return text;
}

std::string Unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      ++i;
      out += text[i] == 'n' ? ' ' : text[i];
    } else {
      out += text[i];
    }
  }
  return out;
}

struct Shown {
  std::vector<std::string> results;
  std::string message;
};

// The same row as a form script; the first "get" marks the end of opening.
Shown RunScript(const BatchForm& form, int button, const std::vector<std::string>& row,
                std::string& script) {
  std::ostringstream s;
  s << "open " << form.form << "\nget " << form.results.front().id << "\n";
  std::size_t i = 0;
  for (const TableField& c : form.inputs) {
    if (!row[i].empty()) s << "set " << c.id << " " << row[i] << "\n";
    ++i;
  }
  for (const TableGroup& g : form.groups) {
    for (const TableChoice& choice : g.choices)
      if (row[i] == choice.name) s << "click " << choice.id << "\n";
    ++i;
  }
  s << "click " << button << "\n";
  for (const TableField& r : form.results) s << "get " << r.id << "\n";
  s << "key escape\n";
  script = s.str();

  std::istringstream in(script);
  std::ostringstream out, err;
  RunFormScript(in, out, err);
  Shown shown;
  std::istringstream lines(out.str());
  std::string line;
  bool opened = false;
  while (std::getline(lines, line)) {
    if (!opened) {
      opened = line.rfind(std::to_string(form.results.front().id) + "=", 0) == 0;
      continue;
    }
    if (line.rfind("message ", 0) == 0 && shown.message.empty()) {
      std::string rest = line.substr(8);
      shown.message = Unescape(rest.substr(rest.find(' ') + 1));
    }
    for (const TableField& r : form.results) {
      std::string key = std::to_string(r.id) + "=";
      if (line.rfind(key, 0) == 0 && shown.results.size() < form.results.size())
        shown.results.push_back(line.substr(key.size()));
    }
  }
  return shown;
}

}  // namespace

int main() {
  // Both read the site file when the sidereal and equatorial forms open.
  std::filesystem::path work = std::filesystem::temp_directory_path() /
                               ("zenko-batch-consistency-" + std::to_string(::getpid()));
  std::filesystem::create_directories(work);
  std::filesystem::current_path(work);
  {
    unsigned char bytes[16];
    StoreDoubleLE(-2.5, bytes);
    StoreDoubleLE(48.8, bytes + 8);
    std::ofstream("Zenko.loc", std::ios::binary).write(reinterpret_cast<char*>(bytes), 16);
  }

  int rows = 0, failures = 0, messages = 0;
  for (const BatchForm& form : BatchForms()) {
    for (const TableButton& button : form.buttons) {
      std::vector<std::vector<std::string>> table;
      std::string text;
      for (const TableField& c : form.inputs) text += std::string(c.name) + ";";
      for (const TableGroup& g : form.groups) text += std::string(g.name) + ";";
      text.pop_back();
      text += "\n";
      for (int n = 0; n < 24; ++n) {
        std::vector<std::string> row;
        for (const TableField& c : form.inputs) row.push_back(Value(c));
        for (const TableGroup& g : form.groups)
          row.push_back(Uniform(0, 5) == 0 ? std::string()
                                           : g.choices[static_cast<std::size_t>(Uniform(0, static_cast<int>(g.choices.size()) - 1))].name);
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
      for (const auto& row : table) {
        ++rows;
        std::getline(lines, line);
        std::vector<std::string> fields;
        SplitFields(line, fields);
        std::vector<std::string> results(fields.begin() + static_cast<std::ptrdiff_t>(row.size()), fields.end() - 1);
        std::string message = fields.back();
        std::string script;
        Shown shown = RunScript(form, button.id, row, script);
        bool same;
        if (!shown.message.empty()) {
          ++messages;
          // A row with a message shows results only when the form wrote them.
          same = message == shown.message &&
                 (results == shown.results ||
                  results == std::vector<std::string>(results.size()));
        } else if (message.empty()) {
          same = results == shown.results;
        } else {
          // Stopped on a field without a message: the form wrote nothing.
          same = (message.rfind("Champ vide : ", 0) == 0 ||
                  message.rfind("Champ refusé : ", 0) == 0) &&
                 results == std::vector<std::string>(results.size()) &&
                 shown.results == std::vector<std::string>(results.size());
        }
        if (!same) {
          ++failures;
          std::cerr << "form " << form.form << " button " << button.id << "\nbatch: " << line
                    << "\nscript:\n" << script << "script message: " << shown.message
                    << "\nscript results:";
          for (const std::string& r : shown.results) std::cerr << " [" << r << "]";
          std::cerr << "\n\n";
        }
      }
    }
  }
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::filesystem::remove_all(work);
  std::cout << rows << " rows, " << messages << " with a message, " << failures
            << " different\n";
  return failures == 0 && rows > 300 ? 0 : 1;
}
