# The worked values, a time brought back above 0 h, a J2000 date with any
# time, and the longitude taken from the site file.
site -2.5 48.8
open 135
get 1057
set 1018 01/01/2000
set 1025 12:00:00
click 1017
get 1065
set 1057 0:0:0
click 1017
get 1065
# 6h 39m 52.3s at 0 h UT, minus twelve hours.
set 1025 0:0:0
set 1057 180:0:0
click 1017
get 1065
set 1018 J2000
set 1025
set 1057 0:0:0
click 1017
get 1065
get 1025
set 1025 abc
click 1017
get 1025
click 1
