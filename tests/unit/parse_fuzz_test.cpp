// Crash-and-hang test of the parsers on many random and mutated texts (run
// under the sanitizers too): statuses stay among the documented ones and a
// usable value is always a finite number.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "Parse.h"

namespace {

std::string RandomText(std::mt19937& rng) {
  static const std::string alphabet = "0123456789::..,,++--  \t/Je";
  static const std::vector<std::string> seeds = {
      "12:30:15.5", "-0:30:00", "3,25", "+7", "23:59:59.9", "2147483647:59:59.99",
      "999999999999999999999", "0." + std::string(350, '0') + "1",
      std::string(400, '9'), "1:2:3.4.5", "\xC2\xB0", "12h30m"};
  std::uniform_int_distribution<int> pick(0, 3);
  std::string text;
  if (pick(rng) == 0) {
    text = seeds[std::uniform_int_distribution<std::size_t>(0, seeds.size() - 1)(rng)];
    int edits = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int i = 0; i < edits && !text.empty(); ++i) {
      std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(rng);
      char c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
      switch (pick(rng)) {
        case 0: text[at] = c; break;
        case 1: text.insert(text.begin() + static_cast<long>(at), c); break;
        case 2: text.erase(at, 1); break;
        default: text[at] = static_cast<char>(rng()); break;
      }
    }
    return text;
  }
  int length = std::uniform_int_distribution<int>(0, pick(rng) == 0 ? 600 : 16)(rng);
  for (int i = 0; i < length; ++i) {
    if (pick(rng) == 0) {
      text += static_cast<char>(rng());
    } else {
      text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    }
  }
  return text;
}

TEST(ParserRobustness, RandomAndMutatedTexts) {
  MessageCapture messages;
  std::mt19937 rng(20261207);
  for (int i = 0; i < 100000; ++i) {
    std::string text = RandomText(rng);
    double value = 0.0;
    int status = ParseDecimalField(text, value);
    ASSERT_TRUE(status >= -1 && status <= 1) << text;
    if (status == 1) {
      ASSERT_TRUE(std::isfinite(value)) << text;
    }
    status = ParseSexagesimal(text, value);
    ASSERT_TRUE(status >= -1 && status <= 1) << text;
    if (status == 1) {
      ASSERT_TRUE(std::isfinite(value)) << text;
    }
    status = ParseTimeField(text, value);
    ASSERT_TRUE(status >= -1 && status <= 1) << text;
    if (status == 1) {
      ASSERT_TRUE(value >= 0.0 && value < 24.0) << text;
    }
    int whole = 0;
    ParseWholeNumber(text, whole);
    // At most one message per call, always with the error icon.
    ASSERT_LE(messages.shown.size(), 2u);
    for (const ShownMessage& m : messages.shown) ASSERT_EQ(m.icon, Icon::Error);
    messages.shown.clear();
  }
}

}  // namespace
