// Random typing and pressing on the two triangle forms: the driver never
// fails, and every result field holds a number in one of the three
// formats, never "nan", "inf" or garbage.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptHost.h"

namespace {

// A text that the format usually reads, sometimes an odd one.
std::string RandomText(std::mt19937& random, int format) {
  std::uniform_int_distribution<int> pick(0, 19);
  std::uniform_real_distribution<double> degrees(0.0, 200.0);
  std::uniform_real_distribution<double> radians(0.0, 3.3);
  std::uniform_int_distribution<int> whole(0, 360), part(0, 59);
  char buffer[64];
  switch (pick(random)) {
    case 0: return "";
    case 1: return "0";
    case 2: return "180";
    case 3: return "3.14159265359";
    case 4: return "6,28318530718";
    case 5: return std::string(320, '9');
    case 6: return "-0";
    case 7: return "12:30";
    case 8: return "1," + std::string(330, '0') + "1";
    default: break;
  }
  if (format == 1124) {
    std::snprintf(buffer, sizeof buffer, "%d:%d:%d.%d", whole(random) / 2,
                  part(random), part(random), part(random));
  } else if (format == 1123) {
    std::snprintf(buffer, sizeof buffer, "%.4f", radians(random));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.*f", part(random) % 6, degrees(random));
  }
  std::string text = buffer;
  if (format != 1124 && part(random) % 2) {
    for (char& c : text)
      if (c == '.') c = ',';
  }
  return text;
}

struct FormCase {
  int form;
  std::vector<int> buttons;
};

TEST(TriangleFormsFuzz, ResultsAreAlwaysNumbers) {
  const FormCase forms[] = {
      {144, {1103, 1111, 1112, 1113, 1114, 1115, 1116, 1117, 1104, 1105}},
      {146, {1103, 1111, 1112, 1114, 1115, 1104}},
  };
  const int data[] = {1095, 1096, 1097, 1088, 1089, 1090};
  const int results[] = {1091, 1092, 1093, 1098, 1099, 1100};
  const int formats[] = {1102, 1124, 1123};
  const std::regex number(
      "(-?[0-9]+,[0-9]{5}|[0-9]+\xC2\xB0 [0-9]+' [0-9]+\"|)");
  std::mt19937 random(1789);
  for (const FormCase& f : forms) {
    int filled = 0;
    for (int run = 0; run < 60; ++run) {
      std::ostringstream script;
      int format = formats[random() % 3];
      script << "open " << f.form << "\nclick " << format << "\n";
      for (int step = 0; step < 40; ++step) {
        // Fresh data in every field, now and then another format, then a
        // press (or Enter), then every result.
        for (int id : data)
          script << "set " << id << " " << RandomText(random, format) << "\n";
        if (random() % 8 == 0) {
          format = formats[random() % 3];
          script << "click " << format << "\n";
        }
        if (random() % 5 == 0) {
          script << "key enter\n";
        } else {
          script << "click " << f.buttons[random() % f.buttons.size()] << "\n";
        }
        for (int id : results) script << "get " << id << "\n";
      }
      script << "click 1\n";
      std::istringstream in(script.str());
      std::ostringstream out, err;
      ASSERT_EQ(RunFormScript(in, out, err), 0) << err.str();
      std::istringstream lines(out.str());
      std::string line;
      int gets = 0;
      while (std::getline(lines, line)) {
        std::size_t equals = line.find('=');
        if (equals != 4 || line[0] != '1') continue;  // "ID=TEXT"
        ++gets;
        std::string text = line.substr(equals + 1);
        EXPECT_TRUE(std::regex_match(text, number)) << f.form << ": " << line;
        if (!text.empty()) ++filled;
      }
      EXPECT_EQ(gets, 40 * 6);
    }
    // Enough presses succeed for the check to mean something.
    EXPECT_GT(filled, 2000) << f.form;
  }
}

}  // namespace
