# Two points, 10 then 20 a day later; X six hours after the first point.
open 131
get 1001
get 1022
get 1023
# Right-click before any Calcul: one line, empty variation.
rclick
set 1023 2
set 1000 1/1/2000
set 1004 2/1/2000
set 1002 10
set 1006 20
set 1021 1/1/2000
set 1022 6:0:0
click 1024
click 1020
get 1025
get 1026
get 1023
rclick
# X given as a year alone: J2000 is 1/1/2000 at 12h, the time is not read.
set 1021 J2000
set 1022 nonsense
click 1020
get 1025
# X outside the points: extrapolated without notice.
set 1021 3/1/2000
set 1022 0:0:0
click 1020
get 1025
# Number of points rewritten as a plain whole number.
set 1023  +2
click 1020
get 1023
click 1
