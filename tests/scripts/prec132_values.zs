# Worked values: precession alone, the same equinox, calendar dates,
# Julian epochs, and right ascensions brought into 0 h to 24 h.
open 132
set 1042 0:0:0
set 1043 0:0:0
set 1044 0
set 1045 0
set 1047 J2050
click 1017
get 1052
get 1053
set 1042 12:0:0
set 1043 30:0:0
click 1017
get 1052
get 1053
# Final equinox equal to the initial epoch: the coordinates come back.
set 1042 25:00:00
set 1047 J2000
click 1017
get 1052
get 1053
set 1042 -1:00:00
set 1043 -45:30:00
click 1017
get 1052
get 1053
# Calendar dates, read at 0 h.
set 1041 01/01/1950
set 1042 5:55:10.305
set 1043 7:24:25.43
set 1047 01/01/2000
click 1017
get 1052
get 1053
# A star at the pole.
set 1041 J2000
set 1042 0:0:0
set 1043 90:0:0
set 1047 J2500
click 1017
get 1052
get 1053
click 2
