# Zero of a straight line between two points two days apart.
open 143
get 1001
get 1017
get 1023
set 1023 2
set 1000 1/1/2000
set 1001 12:0:0
set 1004 3/1/2000
set 1005 12:0:0
set 1072 -1
set 1073 1
click 1076
click 1022
get 1079
get 1080
get 1029
# Two different values: no extremum, results kept, focus unchanged.
click 3
get 1079
# Two equal values: the earlier point and that value.
set 1073 -1
click 3
get 1079
get 1080
get 1029
# ... and no zero: the notice, then the focus on Zéro.
click 1022
get 1029
# Three points 0, 1, 0 a day apart.
set 1023 3
set 1004 2/1/2000
set 1008 3/1/2000
set 1009 12:0:0
set 1072 0
set 1073 1
set 1074 0
click 3
get 1079
get 1080
get 1029
# Zero at the earliest moment, found at once.
click 1022
get 1079
get 1080
get 1029
# Degrees: the same extremum, printed in degrees; Zéro refused.
click 1077
set 1072 0:0:0
set 1073 1:0:0
set 1074 0:0:0
click 3
get 1029
click 1022
get 1029
# Hours.
click 1078
click 3
get 1029
# Values -1, 1, -1: two zeros inside, no zero reported.
click 1076
set 1072 -1
set 1073 1
set 1074 -1
click 1022
get 1079
get 1029
# Initialisation with valid data changes nothing; Enter presses it.
click 5
key enter
set 1073 
key enter
click 1
