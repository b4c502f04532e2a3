// The double conversions of the WebAssembly build, where the library lacks
// floating-point to_chars / from_chars and the strtod / snprintf stand-ins
// serve: values worked out by hand, and a round trip that only exact
// printing and correctly rounded reading pass (every double printed with
// all 1074 decimals, its exact value, reads back to the same bits).
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
  if (!ok && ++failures <= 20) std::printf("FAIL %s\n", what.c_str());
}

std::string Write(double value, int precision) {
  std::string buffer(1500, '#');
  auto [end, ec] = WriteFixedDouble(buffer.data(), buffer.data() + buffer.size(), value, precision);
  return ec == std::errc() ? std::string(buffer.data(), end) : "<error>";
}

// The bits read, or ~0 when the text is refused or not read whole.
std::uint64_t Read(const std::string& text) {
  double value = 0.0;
  auto [ptr, ec] = ReadFixedDouble(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() ? BitsOfDouble(value) : ~0ULL;
}

}  // namespace

int main() {
  // Exact halves go to the even digit; 2.675 is 2.674999999999999822..., 59.95
  // is 59.950000000000002842..., 1e23 is 99999999999999991611392.
  const struct { double value; int precision; const char* text; } writes[] = {
      {0.5, 0, "0"}, {2.5, 0, "2"}, {-2.5, 0, "-2"}, {0.375, 2, "0.38"}, {2.675, 2, "2.67"},
      {59.95, 1, "60.0"}, {2451545.0, 7, "2451545.0000000"}, {1e23, 0, "99999999999999991611392"},
      {DBL_TRUE_MIN, 7, "0.0000000"}};
  for (const auto& w : writes) Check(Write(w.value, w.precision) == w.text, w.text);
  // 0.1 is 0x3FB999999999999A; 2^53 + 1 lies halfway between 2^53 and
  // 2^53 + 2 and goes to the even one, a hair above goes up.
  Check(Read("0.1") == 0x3FB999999999999AULL, "0.1");
  Check(Read("9007199254740993") == 0x4340000000000000ULL, "2^53 + 1");
  Check(Read("9007199254740993.000000000000000001") == 0x4340000000000001ULL, "above 2^53 + 1");
  Check(Read("0." + std::string(323, '0') + "3") == 1, "least subnormal");
  Check(Read("+1") == ~0ULL && Read("1e5") == ~0ULL && Read(" 1") == ~0ULL, "refusals");

  std::mt19937_64 random(20261211);
  int trips = 0;
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    if (i % 2) bits &= 0x800FFFFFFFFFFFFFULL;  // subnormals
    double value = DoubleOfBits(bits);
    if (!std::isfinite(value)) continue;
    Check(Read(Write(value, 1074)) == bits, "round trip of " + Write(value, 20));
    ++trips;
  }
  std::printf("%d round trips, %d failures\n", trips, failures);
  return failures == 0 ? 0 : 1;
}
