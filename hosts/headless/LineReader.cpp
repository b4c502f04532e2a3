#include "LineReader.h"

bool LineReader::Next(std::string& line, bool* tooLong) {
  line.clear();
  bool cut = false;
  bool any = false;
  for (;;) {
    int c = in_->sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    if (afterCr_) {
      afterCr_ = false;
      if (c == '\n') continue;  // the second half of "\r\n"
    }
    any = true;
    if (c == '\n') break;
    if (c == '\r') {
      afterCr_ = true;
      break;
    }
    if (line.size() < maxBytes_) {
      line += static_cast<char>(c);
    } else {
      cut = true;
    }
  }
  if (!any) return false;
  ++number_;
  if (tooLong) *tooLong = cut;
  return true;
}
