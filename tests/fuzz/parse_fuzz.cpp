// libFuzzer target: every text parser on arbitrary bytes. Statuses must stay
// among the documented ones and usable values must be finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Calendar.h"
#include "Parse.h"
#include "Report.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = (SetMessageHandler([](const std::string&, Icon) {}), true);
  (void)quiet;
  std::string text(reinterpret_cast<const char*>(data), size);
  double value = 0.0;
  int status = ParseDecimalField(text, value);
  Check(status >= -1 && status <= 1 && (status != 1 || std::isfinite(value)));
  status = ParseSexagesimal(text, value);
  Check(status >= -1 && status <= 1 && (status != 1 || std::isfinite(value)));
  status = ParseTimeField(text, value);
  Check(status >= -1 && status <= 1 && (status != 1 || (value >= 0.0 && value < 24.0)));
  int whole = 0;
  ParseWholeNumber(text, whole);
  int day = 0, month = 0, year = 0;
  status = ParseDateField(text, day, month, year);
  Check(status >= -1 && status <= 2);
  if (status == 1) Check(month >= 1 && month <= 12 && day >= 1 && day <= 31);
  // The same bytes as a date and a time split at the first newline.
  std::size_t cut = text.find('\n');
  std::string date = text.substr(0, cut);
  std::string time = cut == std::string::npos ? "0:0:0" : text.substr(cut + 1);
  JulianDay jd = 0.0;
  DateStatusPair pair = ReadDateTimeAsJulianDay(date, time, jd);
  Check(pair.date >= -1 && pair.date <= 2);
  if (pair.date == 2 || (pair.date == 1 && pair.time == 1)) Check(std::isfinite(jd));
  std::string weekday, dateText, timeText;
  if (std::isfinite(jd) && jd >= 0.0 && jd < 1e9)
    FormatJulianDayAsDate(jd, weekday, dateText, timeText);
  return 0;
}
