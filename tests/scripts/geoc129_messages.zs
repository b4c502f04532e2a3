# Every message of "&Calcul" in its order, each with its focus; a failed
# press keeps the results of the last good one.
open 129
# The height field first shows 0; the results are empty.
get 1007
get 1009
get 1013
# Empty latitude: no message, the focus on it (Enter presses "&Calcul").
key enter
# The height is read first: an empty one, then 12.5, win over a bad latitude.
set 1007 abc
set 1009
click 1017
set 1009 12.5
click 1017
set 1009 -0
click 1017
# Latitude: not sexagesimal, minutes or seconds of 60, out of range.
set 1009 0
click 1017
set 1007 45:0
click 1017
set 1007 45:60:00
click 1017
set 1007 45:00:60
click 1017
set 1007 90:00:01
click 1017
set 1007 -90:00:01
click 1017
get 1013
# 90:00:00 passes the check.
set 1007 90:00:00
click 1017
get 1013
get 1015
get 1016
get 1014
# A later failure keeps those results and the field texts as typed.
set 1007 12h30
set 1009  12 
click 1017
get 1007
get 1009
get 1013
get 1015
get 1016
get 1014
set 1009 +0
click 1017
get 1009
get 1015
# Corrected: the height field shows the stored whole number back.
set 1007 45:0:0
set 1009 	 12	
click 1017
get 1009
get 1013
get 1015
click 1109
click 1
