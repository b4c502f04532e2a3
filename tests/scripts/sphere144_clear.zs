# Form 144: "Effacer" empties the twelve fields without reading them,
# keeps the format, moves no focus and shows no message.
open 144
click 1124
set 1088 40:0:0
set 1096 50:0:0
set 1097 70:0:0
set 1095 n'importe quoi
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

# The format is still sexagesimal degrees.
set 1088 40:0:0
set 1096 50:0:0
set 1097 70:0:0
click 1103
get 1091
click 1
