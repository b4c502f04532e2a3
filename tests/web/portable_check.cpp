// The double conversions of the WebAssembly build (its library has no
// floating-point to_chars / from_chars, so the strtod and snprintf stand-ins
// serve) on values worked out by hand, and on a round trip that only exact
// printing and correctly rounded reading pass: every double printed with
// all 1074 decimals (its exact value) must read back to the same bits.
// No GoogleTest here: it prints what differs and exits with 1.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "Portable.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    if (failures <= 20) std::printf("FAIL %s\n", what.c_str());
  }
}

std::string Write(double value, int precision) {
  std::string buffer(1500, '#');
  auto [end, ec] = WriteFixedDouble(buffer.data(), buffer.data() + buffer.size(), value, precision);
  if (ec != std::errc()) return "<error>";
  return std::string(buffer.data(), end);
}

struct Read {
  bool ok;
  std::size_t used;
  std::uint64_t bits;
};

Read ReadText(const std::string& text) {
  double value = -12345.678;
  auto [ptr, ec] = ReadFixedDouble(text.data(), text.data() + text.size(), value);
  return {ec == std::errc(), static_cast<std::size_t>(ptr - text.data()), BitsOfDouble(value)};
}

void CheckWrite(double value, int precision, const char* expected) {
  std::string got = Write(value, precision);
  Check(got == expected, "write " + std::string(expected) + " got " + got);
}

void CheckRead(const std::string& text, std::uint64_t bits, std::size_t used) {
  Read r = ReadText(text);
  Check(r.ok && r.bits == bits && r.used == used, "read " + text.substr(0, 60));
}

void CheckRefused(const std::string& text, std::errc expected, std::size_t used) {
  double value = -12345.678;
  auto [ptr, ec] = ReadFixedDouble(text.data(), text.data() + text.size(), value);
  Check(ec == expected && static_cast<std::size_t>(ptr - text.data()) == used &&
            value == -12345.678,
        "refuse " + text.substr(0, 60));
}

}  // namespace

int main() {
  // Exact halves go to the even digit; 2.675 is 2.67499999999999982236431605997495353221893310546875,
  // 1e23 is 99999999999999991611392 (the nearest double).
  CheckWrite(0.5, 0, "0");
  CheckWrite(1.5, 0, "2");
  CheckWrite(2.5, 0, "2");
  CheckWrite(-2.5, 0, "-2");
  CheckWrite(0.125, 2, "0.12");
  CheckWrite(0.375, 2, "0.38");
  CheckWrite(2.675, 2, "2.67");
  CheckWrite(-0.0, 1, "-0.0");
  CheckWrite(59.9995, 3, "59.999");
  CheckWrite(59.95, 1, "60.0");  // 59.9500000000000028421709430404007434844970703125
  CheckWrite(2451545.0, 7, "2451545.0000000");
  CheckWrite(1e22, 0, "10000000000000000000000");
  CheckWrite(1e23, 0, "99999999999999991611392");
  CheckWrite(DBL_TRUE_MIN, 7, "0.0000000");
  Check(Write(DBL_MAX, 0).size() == 309, "DBL_MAX has 309 digits");
  CheckWrite(HUGE_VAL, 3, "inf");
  CheckWrite(-HUGE_VAL, 0, "-inf");

  // 0.1 is 0x3FB999999999999A; 2^53 + 1 is halfway between 2^53 and
  // 2^53 + 2 and goes to the even one; a point ends nothing, an exponent
  // is not read.
  CheckRead("0.1", 0x3FB999999999999AULL, 3);
  CheckRead("12.5", 0x4029000000000000ULL, 4);
  CheckRead("-0", 0x8000000000000000ULL, 2);
  CheckRead("5.", 0x4014000000000000ULL, 2);
  CheckRead(".5", 0x3FE0000000000000ULL, 2);
  CheckRead("9007199254740993", 0x4340000000000000ULL, 16);
  CheckRead("9007199254740993.000000000000000001", 0x4340000000000001ULL, 35);
  CheckRead("1.00000000000000011102230246251565404236316680908203125", 0x3FF0000000000000ULL, 55);
  CheckRead("1.00000000000000011102230246251565404236316680908203126", 0x3FF0000000000001ULL, 55);
  CheckRead("1e5", 0x3FF0000000000000ULL, 1);
  CheckRead("1..2", 0x3FF0000000000000ULL, 2);
  CheckRead("0." + std::string(323, '0') + "3", 0x0000000000000001ULL, 326);
  CheckRefused("", std::errc::invalid_argument, 0);
  CheckRefused("+1", std::errc::invalid_argument, 0);
  CheckRefused(" 1", std::errc::invalid_argument, 0);
  CheckRefused(".", std::errc::invalid_argument, 0);
  CheckRefused("-.", std::errc::invalid_argument, 0);
  CheckRefused("1" + std::string(309, '0'), std::errc::result_out_of_range, 310);
  CheckRefused("0." + std::string(323, '0') + "2", std::errc::result_out_of_range, 326);

  // Every double's exact decimal value reads back to its own bits.
  std::mt19937_64 random(20261211);
  int trips = 0;
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    if (i % 4 == 1) bits &= 0x800FFFFFFFFFFFFFULL;  // subnormals
    if (i % 4 == 2) bits = (bits & 0x800FFFFFFFFFFFFFULL) | (static_cast<std::uint64_t>(1003 + i % 60) << 52);
    double value = DoubleOfBits(bits);
    if (!std::isfinite(value)) continue;
    std::string text = Write(value, 1074);
    Read r = ReadText(text);
    Check(r.ok && r.used == text.size() && r.bits == bits, "round trip of " + Write(value, 20));
    ++trips;
  }
  std::printf("%d round trips, %d failures\n", trips, failures);
  return failures == 0 ? 0 : 1;
}
