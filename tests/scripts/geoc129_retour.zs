# "&Retour" converts the height field: a text that is not a whole number
# brings the message, the focus on the field, and the form stays open; no
# other check runs on "&Retour".
open 129
set 1007 abc
set 1009 12.5
click 1
get 1009
set 1009 +0
click 1
set 1009 99999999999
click 1
