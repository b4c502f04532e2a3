# Saving: an empty field stores no value; a text the parser refuses stops
# the save with the focus on it, and the file keeps its bytes.
site -2.5 48.8
open 134
set 1007
click 1062
siteshow
set 1007 48:48:0
set 1057 12:75:00
click 1062
siteshow
set 1057 abc
click 1062
siteshow
set 1057 1:30:0
set 1007 4x
click 1062
siteshow
set 1007 -45:0:0
click 1062
siteshow
# Out of range values are stored as typed.
set 1057 500:0:0
set 1007 100:0:0
click 1062
siteshow
get 1057
get 1007
click 1
