// Semicolon-separated tables, one record a line: a field in double quotes may
// hold semicolons, and a doubled double quote stands for one.
#pragma once
#include <cstddef>
#include <streambuf>
#include <string>
#include <vector>

// Longest line kept; the rest of a longer line is skipped.
inline constexpr std::size_t kMaxLineBytes = 4u << 20;
// Longest field handed to a form.
inline constexpr std::size_t kMaxFieldBytes = 1000;

// Reads lines from a stream buffer one at a time, without holding more
// than one line.
class LineReader {
 public:
  explicit LineReader(std::streambuf* in) : in_(in) {}
  // The next line without its end: "\n", "\r\n" or a lone "\r" (old Mac
  // tables); false at the end.
  // *tooLong tells that the line was cut at kMaxLineBytes.
  bool Next(std::string& line, bool* tooLong);
  long Number() const { return number_; }  // 1 for the first line

 private:
  std::streambuf* in_;
  long number_ = 0;
  bool afterCr_ = false;  // the last line ended with "\r": a "\n" may follow
};

// Why a line is not a good record; kNone when it is.
enum class LineFault { kNone, kNulByte, kBadUtf8, kOpenQuote, kAfterQuote };

// Checks the bytes of a line (NUL, UTF-8).
LineFault CheckLineBytes(const std::string& line);
// Splits a line into fields; on a fault the fields read so far are kept.
LineFault SplitFields(const std::string& line, std::vector<std::string>& fields);

// Appends one field as written in a table: quoted when it holds a
// semicolon, a quote or a line end, or when it is the first field and
// begins with '#' (the line would read as a comment).
void AppendField(std::string& out, const std::string& field, bool first);
