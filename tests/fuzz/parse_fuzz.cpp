// libFuzzer target: every text parser on arbitrary bytes. A usable value
// must be finite and within its field's range; nothing may crash or hang.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Calendar.h"
#include "Parse.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  double value = 0.0;
  if (ParseDecimalField(text, value) == ParseStatus::Ok) Check(std::isfinite(value));
  if (ParseSexagesimal(text, value) == ParseStatus::Ok) Check(std::isfinite(value));
  if (ParseTimeField(text, value) == ParseStatus::Ok) Check(value >= 0.0 && value < 24.0);
  int whole = 0;
  ParseWholeNumber(text, whole);
  int day = 0, month = 0, year = 0;
  if (ParseDateField(text, day, month, year) == ParseStatus::Ok)
    Check(DateExists(day, month, year));
  // The same bytes as a date and a time split at the first newline.
  std::size_t cut = text.find('\n');
  std::string date = text.substr(0, cut);
  std::string time = cut == std::string::npos ? "0:0:0" : text.substr(cut + 1);
  JulianDay jd = 0.0;
  DateStatusPair pair = ReadDateTimeAsJulianDay(date, time, jd);
  if (pair.date == ParseStatus::Epoch ||
      (pair.date == ParseStatus::Ok && pair.time == ParseStatus::Ok))
    Check(std::isfinite(jd));
  std::string weekday, dateText, timeText;
  if (std::isfinite(jd) && jd >= 0.0 && jd < kLargestJulianDay)
    FormatJulianDayAsDate(jd, weekday, dateText, timeText);
  return 0;
}
