# Form 144, the worked triangles in sexagesimal degrees.
open 144
click 1124

# (A, b, c) -> (a, B, C): a right-angled triangle
set 1088 60:0:0
set 1096 90:0:0
set 1097 90:0:0
click 1103
get 1091
get 1099
get 1100

# (a, B, C) -> (A, b, c): the same triangle
set 1095 60:0:0
set 1089 90:0:0
set 1090 90:0:0
click 1111
get 1098
get 1092
get 1093

# (A, b, c) -> (a, B, C)
set 1088 40:0:0
set 1096 50:0:0
set 1097 70:0:0
click 1103
get 1091
get 1099
get 1100

# an angle A beyond 180
set 1088 200:0:0
click 1103
get 1091
get 1099
get 1100

# (a, b, c) -> (A, B, C)
set 1095 50:0:0
set 1096 60:0:0
set 1097 70:0:0
click 1112
get 1098
get 1099
get 1100

# (A, B, C) -> (a, b, c): the angles typed back
set 1088 54:34:8.076
set 1089 67:5:46.248
set 1090 88:13:5.952
click 1113
get 1091
get 1092
get 1093

# (A, b, c) -> (a, B, C) on the same triangle
set 1088 54:34:8.076
set 1096 60:0:0
set 1097 70:0:0
click 1103
get 1091
get 1099
get 1100

# (a, B, C) -> (A, b, c) on the same triangle
set 1095 50:0:0
set 1089 67:5:46.248
set 1090 88:13:5.952
click 1111
get 1098
get 1092
get 1093

# three right angles
set 1095 90:0:0
set 1096 90:0:0
set 1097 90:0:0
click 1112
get 1098
get 1099
get 1100

# three angles of 60: flat, but the constants leave tiny sides
set 1088 60:0:0
set 1089 60:0:0
set 1090 60:0:0
click 1113
get 1091
get 1092
get 1093

# (a, b, A) -> (B, C, c), first solution
set 1095 50:0:0
set 1096 40:0:0
set 1088 60:0:0
click 1114
get 1099
get 1093
get 1100

# second solution: a side beyond 180 is a valid result
click 1115
get 1099
get 1093
get 1100

# (A, B, a) -> (b, c, C), first solution
set 1088 60:0:0
set 1089 50:0:0
set 1095 70:0:0
click 1116
get 1092
get 1093
get 1100

# second solution
click 1117
get 1092
get 1093
get 1100

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
