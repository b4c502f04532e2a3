# Form 146: "Effacer" empties the twelve fields without reading them,
# keeps the format, moves no focus and shows no message.
open 146
click 1123
set 1088 1.5707963268
set 1096 3
set 1097 4
set 1089 n'importe quoi
click 1103
get 1091
get 1099
get 1100
click 1104
get 1095
get 1096
get 1097
get 1088
get 1089
get 1090
get 1091
get 1092
get 1093
get 1098
get 1099
get 1100
get 1102
get 1124
get 1123

# The format is still radians.
set 1095 3
set 1096 4
set 1097 5
click 1112
get 1100
click 1
