# Each save is the new starting point: a field saved from its text is saved
# from its text again, even when it goes back to what the site file first
# filled in; a field cleared after a save stores no value.
site 2.50001 0
open 102
dblclick 1005
set 1057 3:0:0
click 1062
siteshow
set 1057 2:30:0
click 1062
siteshow
set 1007 45:0:0
click 1062
siteshow
set 1007
click 1062
siteshow
click 1
# The next opening shows what the last save stored.
dblclick 1005
get 1057
get 1007
click 1
click 2
