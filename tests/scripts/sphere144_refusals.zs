# Form 144 in sexagesimal degrees: a refused triangle leaves the last
# results and the typed data as they were, and the focus on the culprit.
open 144
click 1124

# an angle of 0 is accepted
set 1088 0:0:0
set 1096 50:0:0
set 1097 70:0:0
click 1103
get 1091
get 1099
get 1100

# a side of exactly 180 counts as beyond pi
set 1088 40:0:0
set 1096 180:0:0
set 1097 180:0:0
click 1103
get 1091

# a full turn is refused
set 1096 50:0:0
set 1097 70:0:0
set 1088 360:0:0
click 1103

# a negative value, even with 0 whole degrees, is refused; the focus stays
set 1088 -0:30:0
click 1103

# the data fields keep what was typed
get 1088
get 1096
click 1
