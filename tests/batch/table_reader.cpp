// The table reader: fields, quotes, bytes, line ends (what it writes is in
// every table test's expected output).
#include <gtest/gtest.h>

#include <sstream>

#include "Table.h"

namespace {

struct SplitCase {
  const char* line;
  std::vector<std::string> fields;
  LineFault fault;
};

TEST(BatchTable, SplitsFieldsAndQuotes) {
  // Quotes opened and not closed, text after them, doubled: julianday130.csv.
  const SplitCase cases[] = {
      {"a;b;c", {"a", "b", "c"}, LineFault::kNone},
      {";", {"", ""}, LineFault::kNone},
      {"\"a;b\";c", {"a;b", "c"}, LineFault::kNone},
      {"12,5;ab\"c", {"12,5", "ab\"c"}, LineFault::kNone},  // a quote inside stays
      {" \"a\" ;b", {" \"a\" ", "b"}, LineFault::kNone},    // not at the start
      {"x;\"a\"\"", {"x", "a\""}, LineFault::kOpenQuote},
  };
  for (const SplitCase& c : cases) {
    std::vector<std::string> fields;
    EXPECT_EQ(SplitFields(c.line, fields), c.fault) << c.line;
    EXPECT_EQ(fields, c.fields) << c.line;
  }
}

TEST(BatchTable, ChecksBytes) {
  EXPECT_EQ(CheckLineBytes("été;Équinoxe ±ddd°"), LineFault::kNone);
  EXPECT_EQ(CheckLineBytes("\xF0\x9F\x94\xAD"), LineFault::kNone);  // telescope emoji
  EXPECT_EQ(CheckLineBytes(std::string("a\0b", 3)), LineFault::kNulByte);
  const char* bad[] = {"\xFF", "\xC3", "\xC3(", "\xC0\xAF" /* overlong '/' */,
                       "\xED\xA0\x80" /* surrogate */, "\xF4\x90\x80\x80" /* > U+10FFFF */,
                       "\xE2\x82", "\x80"};
  for (const char* b : bad) EXPECT_EQ(CheckLineBytes(b), LineFault::kBadUtf8) << b;
}

TEST(BatchTable, ReadsLinesWithTheirNumbersAndCutsTooLongOnes) {
  std::istringstream in("h1;h2\r\n\n" + std::string(kMaxLineBytes + 10, 'x') + "\nlast");
  LineReader reader(in.rdbuf());
  const std::pair<std::string, bool> lines[] = {
      {"h1;h2", false}, {"", false}, {std::string(kMaxLineBytes, 'x'), true}, {"last", false}};
  for (const auto& [text, cut] : lines) {
    std::string line;
    bool tooLong = !cut;
    ASSERT_TRUE(reader.Next(line, &tooLong));
    EXPECT_EQ(line, text);
    EXPECT_EQ(tooLong, cut);
  }
  EXPECT_EQ(reader.Number(), 4);
  std::string line;
  bool tooLong = false;
  EXPECT_FALSE(reader.Next(line, &tooLong));
}

}  // namespace
