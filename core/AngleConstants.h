// The one set of angle constants of the program. pi and one degree are the
// rounded literals 3.14159265359 and 0.01745329252: the printed results
// depend on these very values down to their last digits, so they must not
// be replaced by exact ones.
#pragma once

namespace angle {

inline constexpr double kPi = 3.14159265359;
inline constexpr double kTwoPi = 6.28318530718;
inline constexpr double kDegree = 0.01745329252;               // radians per degree
inline constexpr double kHourToRadian = 0.26179938779916667;  // kPi / 12, radians per hour
inline constexpr double kArcsecond = 4.848136811111111e-06;   // radians per second of arc

}  // namespace angle
