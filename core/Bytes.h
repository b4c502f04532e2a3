// IEEE 754 doubles stored as 8 little-endian bytes, whatever the host's order.
#pragma once
#include <cstdint>
#include <cstring>

#include "Portable.h"

inline void StoreDoubleLE(double value, unsigned char* out) {
  std::uint64_t bits = BitsOfDouble(value);
  for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

inline double LoadDoubleLE(const unsigned char* in) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= std::uint64_t{in[i]} << (8 * i);
  return DoubleOfBits(bits);
}
