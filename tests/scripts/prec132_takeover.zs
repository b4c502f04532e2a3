# The horizontal form opened from the precession form takes over its
# results, in colon form, and its final epoch as the date, with the focus
# on the time. Without a site file it shows the file's message, then
# neither fills nor takes over.
site -2.5 48.8
open 132
set 1041 J2000
set 1042 12:0:0
set 1043 -0:30:0
set 1044 0
set 1045 0
set 1046 01/01/2000
set 1047 J2050
click 1017
get 1052
get 1053
click 1061
get 1042
get 1043
get 1018
get 1057
get 1007
click 1
site none
click 1061
get 1042
get 1043
get 1018
get 1057
click 1
key escape
