# "Maintenant" on the Julian Day form: the date, the time and the Julian Day
# input take the fixed instant; nothing is computed, no message, no focus.
# The Julian Day of 21/03/2025 21:30:05 UT, worked out by hand: 0h UT on
# 1 January 2000 is 2451544.5; 1 January 2025 is 25 × 365 + 7 leap days
# (2000 to 2024) = 9132 days later, 21 March 79 days (31 + 28 + 20) after
# that: 2451544.5 + 9211 = 2460755.5 (eraCal2jd gives 2400000.5 + 60755);
# + 77405 s / 86400 s = 0.8958912037 → 2460756.3958912.
# 05/01/2026 03:04:09: 2451544.5 + 9501 + 11049 / 86400 = 2461045.6278819.
clock 2025-03-21 21:30:05
open 130
set 1018 1/1/2000
set 1020 5
now
get 1018
get 1025
get 1020
get 1022
get 1023
# The filled fields compute like typed ones: the same Julian Day both ways.
click 1019
get 1022
click 1021
get 1023
get 1028
# Single-digit day and month keep two digits; the year four.
clock 2026-01-05 03:04:09
now
get 1018
get 1025
get 1020
key escape
