# Form 144: every message in the order of the checks, with the focus after
# each one; a failed press changes no field.
open 144

# No format chosen: the notice, and the focus stays.
set 1088 40
set 1096 50
set 1097 70
click 1103

# Decimal degrees. A first success fills results a, B and C.
click 1102
click 1103
get 1091

# The fields are read in the button's order and the first failure stops.
set 1088 4O
set 1096 x
click 1103
set 1088 40
click 1103
set 1096 1e3
click 1103
set 1096 50
set 1097
click 1103
set 1097 -1
click 1103
set 1097 360
click 1103
set 1097 359,99999
click 1103
get 1091
get 1099
get 1100

# Sexagesimal degrees: the syntax, the parser's own message, the range
# (which leaves the focus where it was).
click 1124
set 1088 40.5
click 1103
set 1088 40:0:0,5
click 1103
set 1088 40:60:0
click 1103
set 1088 400:0:0
click 1103
set 1088
click 1103

# Radians: the syntax, the range (focus not moved), an empty field.
click 1123
set 1088 0:40:0
click 1103
set 1088 7
click 1103
set 1088 6,2831853072
click 1103
set 1088
click 1103

# The computations' own tests, in decimal degrees.
click 1102
# b and c both beyond 180: focus on c.
set 1088 40
set 1096 180
set 1097 200
click 1103
# Sides that cannot make a triangle: focus on a.
set 1095 10
set 1096 20
set 1097 40
click 1112
# A flat triple passes that test, then rounding carries a cosine past 1:
# the same message, the focus stays.
set 1095 1
set 1096 1
set 1097 2
click 1112
# Angles adding up to less than 180.
set 1088 30
set 1089 30
set 1090 30
click 1113
# Two sides beyond 180: focus on b.
set 1095 180
set 1096 200
set 1088 30
click 1114
# No B satisfies the sine rule: the focus stays.
set 1095 30
set 1096 60
set 1088 80
click 1115
# Neither solution is a triangle: the focus goes to the pressed button.
set 1095 10
set 1096 200
set 1088 30
click 1114
# Only the first solution is a triangle: the second button says so.
set 1095 20
set 1096 350
click 1115
# (A, B, a): no b satisfies the sine rule, the focus stays.
set 1088 30
set 1089 80
set 1095 60
click 1116
# Neither solution, then a single one: the focus goes to "&Retour".
set 1088 10
set 1089 20
set 1095 210
click 1116
set 1088 20
set 1089 190
click 1117

# The results of the last success are still there; the data as typed.
get 1091
get 1099
get 1100
get 1098
get 1092
get 1093
get 1095
get 1088

# A field the button does not read is not looked at.
set 1088 n'importe quoi
set 1095 90
set 1096 90
set 1097 90
click 1112
get 1098
click 1
