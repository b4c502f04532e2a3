# Zero bytes, NaN and a short file all leave the longitude field empty; a
# stored longitude outside -180..180 is folded. Opened from the menu.
open 102
site raw 00000000000000000000000000000000
dblclick 1006
get 1057
click 1
site raw 000000000000f87f0000000000000000
dblclick 1006
get 1057
click 1
site raw 0000
dblclick 1006
get 1057
click 1
site 500 100
dblclick 1006
get 1057
click 1
site -0.5 0
dblclick 1006
get 1057
click 2
