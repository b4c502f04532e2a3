# Form 146, opened from the menu: Enter presses the default button, which
# is 1103 when the form opens and then the last computation pressed, even
# one that failed.
open 102
click 1009
click 1
key enter
click 1102
set 1088 90
set 1096 3
set 1097 4
key enter
get 1091

# A failed press moves the default all the same.
click 1112
set 1095 3
set 1096 4
set 1097 5
key enter
get 1100

set 1088 30
click 1115
get 1093
key enter
get 1093

# "Effacer" and "&Aide" leave the default where it is.
click 1104
key enter
click 1108
key enter
click 1

# A fresh opening starts again with 1103.
click 1
set 1088 30
click 1111
click 1102
set 1095 1
key enter
key escape
