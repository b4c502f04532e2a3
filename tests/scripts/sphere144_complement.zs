# Form 144: "Triangle complémentaire" replaces the angles A, B, C by 360
# minus themselves, in each format, in a form the next press reads back.
# The result fields keep their text and the focus does not move.
open 144

# Decimal degrees.
click 1102
set 1088 100
set 1089 120
set 1090 150
click 1113
get 1091
get 1092
get 1093
click 1105
get 1088
get 1089
get 1090
get 1091
# The complementary triangle has the same sides.
click 1113
get 1091
get 1092
get 1093

# Sexagesimal degrees: colon texts.
click 1124
set 1088 100:30:15
set 1089 120:0:0
set 1090 150:0:0
click 1105
get 1088
get 1089
get 1090
set 1088 100:0:0
set 1089 120:0:0
set 1090 150:0:0
click 1105
get 1088
get 1089
get 1090
click 1113
get 1091
get 1092
get 1093
# 360 wraps to 0.
set 1088 0:0:0
click 1105
get 1088
get 1089
get 1090

# Radians: five decimals, which the next press reads as typed.
click 1123
set 1088 1.745329252
set 1089 2.0943951024
set 1090 2,617993878
click 1105
get 1088
get 1089
get 1090
click 1113
get 1091
get 1092
get 1093

# A failure writes nothing.
set 1090
click 1105
get 1088
click 1
