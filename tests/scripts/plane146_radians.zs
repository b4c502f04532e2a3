# Form 146, the worked triangles with the angles in radians.
open 146
click 1123

# (A, b, c) -> (a, B, C): the right angle between 3 and 4
set 1088 1.5707963268
set 1096 3
set 1097 4
click 1103
get 1091
get 1099
get 1100

# an equilateral triangle
set 1088 1.0471975512
set 1096 1
set 1097 1
click 1103
get 1091
get 1099
get 1100

# (a, b, c) -> (A, B, C)
set 1095 3
set 1096 4
set 1097 5
click 1112
get 1098
get 1099
get 1100

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
set 1089 1.745329252
set 1090 1.3962634016
click 1111
get 1098

# (a, B, C) -> (A, b, c)
set 1089 1.0471975512
set 1090 1.0471975512
click 1111
get 1098
get 1092
get 1093

# (a, b, A) -> (B, C, c), first solution
set 1095 3
set 1096 4
set 1088 0,5235987756
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
set 1088 2.0943951024
click 1114
get 1093

# sides of any size
set 1088 1.5707963268
set 1096 123456789.5
set 1097 0
click 1103
get 1091
get 1099
get 1100

# an angle of 0 is accepted
set 1088 0
set 1096 1
set 1097 2
click 1103
get 1091
get 1099
get 1100

# an angle of 180 is refused, with the focus on its field
set 1088 3.14159265359
click 1103
get 1088
click 1
