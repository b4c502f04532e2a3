# Form 146 in decimal degrees: a refused triangle leaves the last results
# and the typed data as they were, and the focus on the culprit.
open 146
click 1102

# a flat triangle passes
set 1095 1
set 1096 2
set 1097 3
click 1112
get 1098
get 1099
get 1100

# the triangle inequality: focus on a
set 1097 4
click 1112
get 1100

# (a, B, C) -> (A, b, c): 180 times the degree constant exceeds pi
set 1095 1
set 1089 100
set 1090 80
click 1111
get 1098

# (a, B, C) -> (A, b, c)
set 1089 60
set 1090 60
click 1111
get 1098
get 1092
get 1093

# (a, b, A) -> (B, C, c), first solution
set 1095 3
set 1096 4
set 1088 30
click 1114
get 1093
get 1099
get 1100

# second solution
click 1115
get 1093
get 1099
get 1100

# a longer than b: one triangle
set 1095 5
click 1114
get 1093
get 1099
get 1100

# the second button says so, and nothing moves
click 1115
get 1093

# the right-angled limit: 30 times the constant exceeds a sixth of pi
set 1095 2
click 1114

# the sine rule passes but the third side is negative
set 1095 3,5
set 1088 120
click 1114
get 1093

# an angle of 180 is refused, with the focus on its field
set 1088 180
click 1103
get 1088
click 1
