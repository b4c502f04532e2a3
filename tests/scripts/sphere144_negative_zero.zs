# Results that come out as zeros are shown without a sign on every path.
# By hand: with A = b = c = 0 the cosine rule gives a = acos(1) = 0 and
# both four-part formulas atan2(0, 0) = 0.
open 144
click 1123
set 1088 0
set 1096 0
set 1097 0
click 1103
get 1091
get 1099
get 1100
# (a, b, A) with a = b = 50 and A = 60: the first solution divides zero by
# zero; the second is the degenerate triangle B = 180 - 60 = 120 with
# c = 0 and C = 0, whose formulas give zeros of negative sign.
click 1102
set 1095 50
set 1096 50
set 1088 60
click 1114
get 1093
get 1099
get 1100
click 1124
set 1095 50:0:0
set 1096 50:0:0
set 1088 60:0:0
click 1114
get 1093
get 1099
get 1100
click 1123
set 1095 0,872664626
set 1096 0,872664626
set 1088 1,0471975512
click 1114
get 1093
get 1099
get 1100
click 1
