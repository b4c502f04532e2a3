// The table reader: fields, quotes, bytes, line ends (what it writes is in
// every table test's expected output).
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sstream>

#include "Batch.h"
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
  // Line ends of Unix (LF), DOS (CRLF) and old Macs (a lone CR).
  std::istringstream in("h1;h2\r\n\n" + std::string(kMaxLineBytes + 10, 'x') +
                        "\nmac\r\rlast");
  LineReader reader(in.rdbuf());
  const std::pair<std::string, bool> lines[] = {
      {"h1;h2", false}, {"", false}, {std::string(kMaxLineBytes, 'x'), true},
      {"mac", false},   {"", false}, {"last", false}};
  for (const auto& [text, cut] : lines) {
    std::string line;
    bool tooLong = !cut;
    ASSERT_TRUE(reader.Next(line, &tooLong));
    EXPECT_EQ(line, text);
    EXPECT_EQ(tooLong, cut);
  }
  EXPECT_EQ(reader.Number(), 6);
  std::string line;
  bool tooLong = false;
  EXPECT_FALSE(reader.Next(line, &tooLong));
}

// A table whose reading fails part-way, as on a disk with a bad block.
class FailingTable : public std::streambuf {
 public:
  explicit FailingTable(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }
  int error = 0;

 protected:
  int_type underflow() override {
    error = EIO;
    return traits_type::eof();
  }

 private:
  std::string text_;
};

TEST(BatchTable, AReadErrorKeepsTheRowsReadAndEndsWithItsCause) {
  FailingTable in("date;heure\n01/01/2000;12:00:00\n13/02/2000;12:");
  std::ostringstream out, err;
  TableOrigin origin{"du fichier « t.csv »", [&in] { return in.error; }};
  EXPECT_EQ(RunBatchTable(*FindBatchForm(130), 0, &in, out, err, origin), kBatchUsage);
  // J2000.0 is JD 2451545.0 by definition; the row cut by the failure is
  // not computed.
  std::string text = out.str();
  EXPECT_NE(text.find("\n01/01/2000;12:00:00;2451545.0000000;"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
  EXPECT_EQ(err.str(), "zenko-batch : erreur de lecture du fichier « t.csv » : erreur d'entrée-sortie.\n");
}

}  // namespace
