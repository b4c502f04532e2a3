// The table reader: line ends, long lines and read errors (fields, quotes
// and bytes: tables julianday130, julianday130_bytes, badbytes130; what it
// writes is in every table test's expected output).
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sstream>

#include "Batch.h"
#include "Table.h"

namespace {

TEST(BatchTable, ReadsLinesWithTheirNumbersAndCutsTooLongOnes) {
  // Line ends of Unix (LF), DOS (CRLF) and old Macs (a lone CR).
  std::istringstream in("h1;h2\r\n\n" + std::string(kMaxLineBytes + 10, 'x') +
                        "\nmac\r\rlast");
  LineReader reader(in.rdbuf(), kMaxLineBytes);
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
