// libFuzzer target: every text parser on arbitrary bytes. A usable value
// must be finite and within its field's range; nothing may crash or hang.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Calendar.h"
#include "Parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto check = [](bool condition) { if (!condition) std::abort(); };
  using S = ParseStatus;
  std::string text(reinterpret_cast<const char*>(data), size);
  double value = 0.0;
  int whole = 0, day = 0, month = 0, year = 0;
  check(ParseDecimalField(text, value) != S::Ok || std::isfinite(value));
  check(ParseSexagesimal(text, value) != S::Ok || std::isfinite(value));
  check(ParseTimeField(text, value) != S::Ok || (value >= 0.0 && value < 24.0));
  ParseWholeNumber(text, whole);
  check(ParseDateField(text, day, month, year) != S::Ok || DateExists(day, month, year));
  // The same bytes as a date and a time split at the first newline.
  std::size_t cut = text.find('\n');
  std::string time = cut == std::string::npos ? "0:0:0" : text.substr(cut + 1);
  JulianDay jd = 0.0;
  DateStatusPair pair = ReadDateTimeAsJulianDay(text.substr(0, cut), time, jd);
  bool read = pair.date == S::Epoch || (pair.date == S::Ok && pair.time == S::Ok);
  check(!read || std::isfinite(jd));
  std::string weekday, dateText, timeText;
  if (std::isfinite(jd) && jd >= 0.0 && jd < kLargestJulianDay)
    FormatJulianDayAsDate(jd, weekday, dateText, timeText);
  return 0;
}
