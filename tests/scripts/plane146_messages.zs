# Form 146: every message in the order of the checks, with the focus after
# each one; a failed press changes no field.
open 146

# An empty field ends the press silently, with the focus on it.
click 1112
# No format: each of the three angle writes shows the notice, no result
# changes, and the focus goes to the pressed button.
set 1095 3
set 1096 4
set 1097 5
click 1112
get 1098
# Reading an angle without a format: once, and the focus stays.
set 1088 30
click 1103
# The side a is read before the angles B and C.
set 1095 x
click 1111
set 1095 -3
click 1111
set 1095 3
click 1111

# Decimal degrees; a first success fills results a, B and C.
click 1102
set 1088 90
set 1096 3
set 1097 4
click 1103
set 1088 abc
click 1103
set 1088 180
click 1103
set 1088 -1
click 1103
set 1088
click 1103
set 1088 30
set 1096 4,,
click 1103
set 1096
click 1103
set 1096 -0,5
click 1103

# Sexagesimal degrees.
click 1124
set 1088 30
click 1103
set 1088 30:0:60
click 1103
set 1088 180:0:0
click 1103
set 1088 -0:0:1
click 1103

# Radians.
click 1123
set 1088 0:30:0
click 1103
set 1088 3,14159265359
click 1103

# The computations' own tests.
click 1102
set 1095 1
set 1089 90
set 1090 90
click 1111
set 1095 1
set 1096 1
set 1097 3
click 1112
set 1095 1
set 1096 4
set 1088 30
click 1114
set 1095 3,5
set 1088 120
click 1115
set 1095 5
set 1088 30
click 1115

# The results of the first success are still there.
get 1091
get 1099
get 1100
get 1098
get 1092
get 1093

# A field the button does not read is not looked at.
set 1088 n'importe quoi
set 1095 3
set 1096 4
set 1097 5
click 1112
get 1098
click 1
