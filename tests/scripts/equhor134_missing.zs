# No site file: the message, an empty form, saving creates nothing; the
# calculation works once the fields are typed. Exit from the menu ends all.
open 102
site none
dblclick 1005
get 1057
set 1057 1:0:0
set 1007 2:0:0
click 1062
siteshow
set 1042 12:0:0
set 1043 30:0:0
set 1057 -2:30:0
set 1007 48:48:0
set 1018 01/01/2000
set 1025 12:00:00
click 1017
get 1058
get 1059
click 2
