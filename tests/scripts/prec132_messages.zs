# Every message of "&Calcul" in its order, each with its focus; a failed
# press keeps the results of the last good one.
open 132
# The initial epoch first holds J2000, every other field is empty.
get 1041
get 1042
get 1047
get 1052
# Initial epoch: empty, bad Julian epoch, bad date, dates that do not exist.
set 1041
key enter
set 1041 J2000.5
click 1017
set 1041 1/1
click 1017
set 1041 32/01/2000
click 1017
set 1041 10/10/1582
click 1017
# Right ascension: empty, not sexagesimal, 60 minutes; no range check.
set 1041 J2000
click 1017
set 1042 12h30m
click 1017
set 1042 12:60:00
click 1017
# Declination: empty, not sexagesimal, 60 seconds, out of range.
set 1042 25:00:00
click 1017
set 1043 30:00
click 1017
set 1043 30:00:60
click 1017
set 1043 90:00:01
click 1017
set 1043 -90:00:00.01
click 1017
# Proper motion in right ascension: empty (no message), not a number.
set 1043 -89:00:00
click 1017
set 1044 0.1.2
click 1017
set 1044 1e-3
click 1017
# Proper motion in declination.
set 1044 0
click 1017
set 1045 - 1
click 1017
# Final equinox: empty, bad Julian epoch, a date that does not exist.
set 1045 0
click 1017
set 1047 J2050.
click 1017
set 1047 29/02/1900
click 1017
get 1052
get 1053
set 1047 J2050
click 1017
get 1052
get 1053
# A later failure keeps the results and the texts as typed.
set 1041 j2000
click 1017
get 1041
get 1052
get 1053
click 1111
click 1
