# Form 144, opened from the menu: Enter presses the default button, which
# is 1103 when the form opens and then the last computation pressed, even
# one that failed.
open 102
click 1007
click 1
key enter
click 1102
set 1088 40
set 1096 50
set 1097 70
key enter
get 1091

# A failed press moves the default all the same.
click 1112
set 1095 50
set 1096 60
key enter
get 1098

set 1096 40
set 1088 60
click 1115
get 1099
key enter
get 1099

# "Effacer" and "&Aide" leave the default where it is.
click 1104
key enter
click 1118
key enter

# The complementary triangle becomes the default: Enter undoes it.
set 1088 100
set 1089 120
set 1090 150
click 1105
get 1088
key enter
get 1088
get 1089
get 1090
click 1

# Back in the menu, a fresh opening starts again with 1103; pressing a
# button before any format is chosen still makes it the default.
click 1
set 1088 40
click 1113
click 1102
key enter
key escape
