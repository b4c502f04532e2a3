# Every message of "Enregistrez" in its order, each with its focus; a failed
# press keeps the results of the last good one.
open 164
# No unit chosen yet in this run: the unit message whatever the fields hold,
# and the focus does not move.
set 1095 abc
click 1129
click 1136
# Semi-major axis: empty, not a number, zero, negative.
set 1095
click 1129
set 1095 abc
click 1129
set 1095 0
click 1129
set 1095 -1
click 1129
# Eccentricity: empty, not a number, 1 and -0,1 out of range.
set 1095 2,5
click 1129
set 1121 x
click 1129
set 1121 1
click 1129
set 1121 -0,1
click 1129
# Period: empty, zero, negative, an exponent.
set 1121 0
click 1129
set 1122 0
click 1129
set 1122 -3
click 1129
set 1122 1e3
click 1129
get 1127
get 1126
# a = 2.5 AU, e = 0, P = 1 year: 2 pi x 4.74047 x 2.5 = 74.463 km/s.
set 1122 1
click 1129
get 1127
get 1126
# Eccentricity corrected after its message: computed with a as shown now.
set 1121 1,5
click 1129
set 1121 0.5
click 1129
get 1127
get 1126
get 1095
# A bad period later: the results keep their texts.
set 1122 .
click 1129
get 1127
get 1126
# A speed that is not a finite number is never printed.
set 1095 1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000
set 1121 0
set 1122 0,0000000001
click 1129
get 1127
get 1126
# Long results are shown whole.
set 1095 1000000000000
set 1121 0,2
set 1122 1
click 1129
get 1127
get 1126
click 1132
click 1
