# "Co&pie" before any computation only moves the focus to "&Calcul";
# afterwards it carries the Julian Day down and empties the date and time.
open 130
set 1020 123
click 1024
get 1020
get 1022
set 1018 01/01/2000
set 1025 12:00:00
click 1019
set 1020 2451544.5
click 1021
get 1023
get 1067
set 1018 13/02/2000
click 1019
click 1024
get 1020
get 1023
get 1028
get 1056
# The copied day converts back to the date typed above.
click 1021
get 1023
get 1028
key escape
