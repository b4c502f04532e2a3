# The worked values with the site from the file; a J2000 date empties the
# time; a star at the pole seen from the pole stands at the zenith.
site -2.5 48.8
open 134
get 1042
get 1057
get 1007
set 1042 12:0:0
set 1043 30:0:0
set 1018 01/01/2000
set 1025 12:00:00
click 1017
get 1058
get 1059
get 1025
set 1042 0:0:0
set 1043 0:0:0
set 1057 0:0:0
set 1007 0:0:0
set 1018 J2000
set 1025 99:99
click 1017
get 1058
get 1059
get 1025
set 1043 90:0:0
set 1007 90:0:0
click 1017
get 1059
set 1043 -90:0:0
set 1007 -90:0:0
click 1017
get 1059
click 1
