# "Maintenant" on the equatorial to horizontal form fills the date and the
# time; the coordinates and the results are left alone.
site 0 0
clock 2000-01-01 12:00:00
open 134
set 1042 0:0:0
set 1043 0:0:0
set 1057 0:0:0
set 1007 0:0:0
now
get 1018
get 1025
get 1042
get 1058
click 1017
get 1058
get 1059
key escape
