#include "Clock.h"

#include <chrono>
#include <ctime>

#include "Printf.h"

namespace {
ClockSource& Source() {
  static ClockSource source;
  return source;
}

UtInstant SystemUt() {
  std::time_t now =
      std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);  // UTC, not the machine's time zone
  UtInstant t;
  t.year = utc.tm_year + 1900;
  t.month = utc.tm_mon + 1;
  t.day = utc.tm_mday;
  t.hour = utc.tm_hour;
  t.minute = utc.tm_min;
  t.second = utc.tm_sec > 59 ? 59 : utc.tm_sec;  // a leap second stays in its minute
  return t;
}

// Reads exactly `width` decimal digits at text[at].
bool Digits(const std::string& text, std::size_t at, std::size_t width, int& value) {
  if (at + width > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}
}  // namespace

ClockSource SetClockSource(ClockSource source) {
  ClockSource previous = std::move(Source());
  Source() = std::move(source);
  return previous;
}

UtInstant CurrentUt() { return Source() ? Source()() : SystemUt(); }

bool IsUsableInstant(const UtInstant& t) {
  return t.year >= 1583 && t.year <= 9999 && DateExists(t.day, t.month, t.year) &&
         t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
         t.second >= 0 && t.second <= 59;
}

std::optional<UtInstant> ParseUtInstant(const std::string& text) {
  UtInstant t;
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
      text[13] != ':' || text[16] != ':')
    return std::nullopt;
  if (!Digits(text, 0, 4, t.year) || !Digits(text, 5, 2, t.month) ||
      !Digits(text, 8, 2, t.day) || !Digits(text, 11, 2, t.hour) ||
      !Digits(text, 14, 2, t.minute) || !Digits(text, 17, 2, t.second))
    return std::nullopt;
  if (!IsUsableInstant(t)) return std::nullopt;
  return t;
}

std::optional<NowTexts> TextsOfInstant(const UtInstant& t) {
  if (!IsUsableInstant(t)) return std::nullopt;
  NowTexts texts;
  texts.date = Format("%02d/%02d/%04d", t.day, t.month, t.year);
  texts.time = Format("%02d:%02d:%02d", t.hour, t.minute, t.second);
  // The same reading as "&Calcul" makes of these texts; they are always
  // valid here, and the statuses are only checked, never shown.
  JulianDay jd = 0.0;
  DateStatusPair status = ReadDateTimeAsJulianDay(texts.date, texts.time, jd);
  if (status.date != ParseStatus::Ok || status.time != ParseStatus::Ok) return std::nullopt;
  texts.julianDay = Format("%.7f", jd);
  return texts;
}
