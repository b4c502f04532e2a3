# The menu entry opens the form; "&Retour" with odd texts closes it without
# a message, and a new opening shows the initial texts again.
open 102
click 1002
click 1
set 1018 nonsense
set 1025 x
set 1020 y
click 1110
click 1
click 1
get 1018
get 1025
get 1020
get 1022
click 2
