// Lines of a text read one at a time from a stream buffer, without holding
// more than one line: those of zenko-batch's tables and of zenko-script's
// scripts.
#pragma once
#include <cstddef>
#include <streambuf>
#include <string>

class LineReader {
 public:
  // Lines longer than maxBytes keep their first maxBytes bytes.
  LineReader(std::streambuf* in, std::size_t maxBytes) : in_(in), maxBytes_(maxBytes) {}
  // The next line without its end: "\n", "\r\n" or a lone "\r" (old Mac
  // files); false at the end. *tooLong tells that the line was cut.
  bool Next(std::string& line, bool* tooLong = nullptr);
  long Number() const { return number_; }  // 1 for the first line

 private:
  std::streambuf* in_;
  std::size_t maxBytes_;
  long number_ = 0;
  bool afterCr_ = false;  // the last line ended with "\r": a "\n" may follow
};
