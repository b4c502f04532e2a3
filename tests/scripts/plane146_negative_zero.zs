# A result that comes out as a zero of either sign is shown without a sign.
# (a, B, C) -> (A, b, c) with B = C = 0: A = 3.14159265359 - 0 - 0, whose
# sine is a hair below zero, so b = a sin B / sin A and c are zeros of
# negative sign. By hand: sin 0 = 0, so b = c = 0 in every format, and A is
# 3.14159265359 rad, or that divided by 0.01745329252 = 180.0000000002°.
open 146
set 1095 1
set 1089 0
set 1090 0
click 1123
click 1111
get 1098
get 1092
get 1093
click 1102
click 1111
get 1098
get 1092
get 1093
click 1124
set 1089 0:0:0
set 1090 0:0:0
click 1111
get 1098
get 1092
get 1093
# A side of 0 read as "-0" is a zero too: (a, B, C) with a = -0.
click 1102
set 1095 -0
set 1089 30
set 1090 60
click 1111
get 1098
get 1092
get 1093
click 1
