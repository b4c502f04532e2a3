# Every stop of "&Calcul" in its order; a stopped press keeps the result.
site 0 0
open 135
click 1017
set 1018 01/01/2000
click 1017
set 1025 12:00:00
click 1017
set 1057 abc
click 1017
set 1057 12:75:00
click 1017
set 1057 180:00:01
click 1017
get 1065
# Exactly 180 is accepted (west: twelve hours earlier).
set 1057 180:00:00
click 1017
get 1065
set 1057 180:00:01
click 1017
get 1065
click 2
