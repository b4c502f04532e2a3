# The report of the right button shows no negative zero either. Three
# points 0.1, 0.2, 0.3 on a straight line: by hand the second-degree term
# is 0.1/2 - 0.2 + 0.3/2 = 0, which the sum in doubles gives as a hair
# below zero; the value at the first point is 0.1.
open 131
set 1023 3
set 1000 1/1/2000
set 1004 2/1/2000
set 1008 3/1/2000
set 1002 0.1
set 1006 0.2
set 1010 0.3
set 1021 1/1/2000
set 1022 0:0:0
click 1024
click 1020
get 1025
rclick
click 1
