# Form 144: the choice between the two solutions of (a, b, A) and of
# (A, B, a), for each combination of valid solutions, on both buttons.
open 144
click 1102

# (a, b, A), both solutions valid: each button writes its own.
set 1095 50
set 1096 40
set 1088 60
click 1114
get 1099
get 1093
get 1100
click 1115
get 1099
get 1093
get 1100

# Only the second is a triangle: the first button writes it, the second
# says there is only one.
set 1095 20
set 1096 190
set 1088 30
click 1114
get 1099
get 1093
get 1100
click 1115
get 1099

# Only the first is a triangle.
set 1096 350
click 1114
get 1099
get 1093
get 1100
click 1115
get 1099

# Neither.
set 1095 10
set 1096 200
click 1114
click 1115
get 1099

# (A, B, a), both solutions valid.
set 1088 60
set 1089 50
set 1095 70
click 1116
get 1092
get 1093
get 1100
click 1117
get 1092
get 1093
get 1100

# Only the second.
set 1088 20
set 1089 190
set 1095 30
click 1116
get 1092
get 1093
get 1100
click 1117
get 1092

# Only the first.
set 1095 210
click 1116
get 1092
get 1093
get 1100
click 1117
get 1092

# Neither.
set 1088 10
set 1089 20
click 1116
click 1117
get 1092
click 1
