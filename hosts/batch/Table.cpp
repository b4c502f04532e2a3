#include "Table.h"

LineFault CheckLineBytes(const std::string& line) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const auto* end = p + line.size();
  while (p < end) {
    unsigned char c = *p;
    if (c < 0x80) {
      if (c == 0) return LineFault::kNulByte;
      ++p;
      continue;
    }
    int extra;
    unsigned minimum;
    unsigned code;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1, minimum = 0x80, code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2, minimum = 0x800, code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3, minimum = 0x10000, code = c & 0x07;
    } else {
      return LineFault::kBadUtf8;
    }
    if (end - p <= extra) return LineFault::kBadUtf8;
    for (int k = 1; k <= extra; ++k) {
      if ((p[k] & 0xC0) != 0x80) return LineFault::kBadUtf8;
      code = (code << 6) | (p[k] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return LineFault::kBadUtf8;
    p += extra + 1;
  }
  return LineFault::kNone;
}

LineFault SplitFields(const std::string& line, std::vector<std::string>& fields) {
  fields.clear();
  std::size_t i = 0;
  const std::size_t n = line.size();
  for (;;) {
    std::string field;
    if (i < n && line[i] == '"') {
      ++i;
      for (;;) {
        std::size_t quote = line.find('"', i);
        if (quote == std::string::npos) {
          field.append(line, i, std::string::npos);
          fields.push_back(std::move(field));
          return LineFault::kOpenQuote;
        }
        field.append(line, i, quote - i);
        if (quote + 1 < n && line[quote + 1] == '"') {
          field += '"';
          i = quote + 2;
        } else {
          i = quote + 1;
          break;
        }
      }
      if (i < n && line[i] != ';') {
        fields.push_back(std::move(field));
        return LineFault::kAfterQuote;
      }
    } else {
      std::size_t semi = line.find(';', i);
      std::size_t stop = semi == std::string::npos ? n : semi;
      field.assign(line, i, stop - i);
      i = stop;
    }
    fields.push_back(std::move(field));
    if (i >= n) return LineFault::kNone;
    ++i;  // the semicolon
  }
}

void AppendField(std::string& out, const std::string& field, bool first) {
  bool quote = field.find_first_of(";\"\r\n") != std::string::npos ||
               (first && !field.empty() && field[0] == '#');
  if (!quote) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}
