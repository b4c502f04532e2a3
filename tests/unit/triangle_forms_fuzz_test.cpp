// Random typing and pressing on the two triangle forms: the driver never
// fails, and every result field holds a number in one of the three
// formats, never "nan", "inf" or garbage.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Dialog.h"
#include "Printf.h"
#include "ScriptHost.h"

namespace {

// A text that the format (a choice's name) usually reads, sometimes an odd one.
std::string RandomText(std::mt19937& random, const std::string& format) {
  const char* const odd[] = {"", "0", "180", "3.14159265359", "6,28318530718", "-0", "12:30"};
  const int pick = static_cast<int>(random() % 20);
  if (pick < 7) return odd[pick];
  if (pick == 7) return std::string(320, '9');
  if (pick == 8) return "1," + std::string(330, '0') + "1";
  const int n = static_cast<int>(random() % 3600);
  if (format == "sexagesimal") return Format("%d:%d:%d.%d", n / 20, n % 60, n % 59, n % 10);
  std::string text = format == "radians" ? Format("%.4f", n / 1100.0)
                                         : Format("%.*f", n % 6, n / 18.0);
  if (n % 2) text[text.find('.')] = ',';
  return text;
}

TEST(TriangleFormsFuzz, ResultsAreAlwaysNumbers) {
  const std::regex number("(-?[0-9]+,[0-9]{5}|[0-9]+\xC2\xB0 [0-9]+' [0-9]+\"|)");
  std::mt19937 random(1789);
  for (int id : {144, 146}) {
    // The data, formats and results from the form's table; every button
    // but Retour, Exit and Aide.
    const FormTemplate& t = CreateForm(id, nullptr)->Template();
    std::vector<int> buttons;
    for (const Control& c : t.controls)
      if (c.kind == Kind::Button && c.id > 2 && t.help.front().id != c.id) buttons.push_back(c.id);
    const std::vector<TableChoice>& formats = t.table.groups.front().choices;
    int filled = 0;
    for (int run = 0; run < 60; ++run) {
      const TableChoice* format = &formats[random() % 3];
      std::ostringstream script;
      script << "open " << id << "\nclick " << format->id << "\n";
      for (int step = 0; step < 40; ++step) {
        for (const TableField& c : t.table.inputs)
          script << "set " << c.id << " " << RandomText(random, format->name) << "\n";
        if (random() % 8 == 0) {
          format = &formats[random() % 3];
          script << "click " << format->id << "\n";
        }
        if (random() % 5 == 0)
          script << "key enter\n";
        else
          script << "click " << buttons[random() % buttons.size()] << "\n";
        for (const TableField& c : t.table.results) script << "get " << c.id << "\n";
      }
      std::istringstream in(script.str() + "click 1\n");
      std::ostringstream out, err;
      ASSERT_EQ(RunFormScript(in, out, err), 0) << err.str();
      std::istringstream lines(out.str());
      std::string line;
      int gets = 0;
      while (std::getline(lines, line)) {
        if (line.find('=') != 4 || line[0] != '1') continue;  // "ID=TEXT"
        ++gets;
        EXPECT_TRUE(std::regex_match(line.substr(5), number)) << id << ": " << line;
        if (line.size() > 5) ++filled;
      }
      EXPECT_EQ(gets, 40 * 6);
    }
    EXPECT_GT(filled, 2000) << id;  // enough presses succeed to mean something
  }
}

}  // namespace
