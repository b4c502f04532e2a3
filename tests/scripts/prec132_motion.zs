# The proper motion: applied before the precession over the time from the
# initial to the final epoch; the final epoch is read only when a motion
# is not 0.
open 132
set 1042 0:0:0
set 1043 0:0:0
# Both motions 0 (also -0 and 0,000): the final epoch is ignored whatever
# it holds.
set 1044 -0
set 1045 0,000
set 1046 abc
set 1047 J2000
click 1017
get 1052
get 1053
# One second of time a year over ten years adds ten seconds.
set 1044 1
set 1045 0
click 1017
set 1046
click 1017
set 1046 J2010
click 1017
get 1052
get 1053
# The same star precessed to J2050: as 0:0:10 without motion.
set 1047 J2050
click 1017
get 1052
get 1053
set 1042 0:0:10
set 1044 0
click 1017
get 1052
get 1053
# 36" a year in declination over a century: one degree.
set 1042 0:0:0
set 1045 36
set 1046 J2100
set 1047 J2000
click 1017
get 1052
get 1053
set 1045 36
set 1046 31/02/2100
click 1017
# A final epoch before the initial one, commas, a calendar final epoch.
set 1042 10:00:00
set 1043 20:00:00
set 1044 0,5
set 1045 0
set 1046 J1990
set 1047 J2025
click 1017
get 1052
get 1053
set 1041 J2000
set 1042 17:57:48.49803
set 1043 4:41:36.2072
set 1044 -0.0519
set 1045 10.328
set 1046 J2100
set 1047 J2100
click 1017
get 1052
get 1053
set 1042 6:45:8.917
set 1043 -16:42:58.02
set 1044 -0.03847
set 1045 -1.2053
set 1046 01/01/-500
set 1047 01/01/-500
click 1017
get 1052
get 1053
# A motion that carries the star to no finite place is never printed.
set 1044 100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000
set 1046 J2100
click 1017
get 1052
get 1053
click 1
