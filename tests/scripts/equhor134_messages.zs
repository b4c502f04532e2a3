# Every check of "&Calcul" in its order, each stop keeping the results.
site 0 0
open 134
set 1042 0:0:0
set 1043 0:0:0
set 1057 0:0:0
set 1007 0:0:0
set 1018 01/01/2000
set 1025 12:00:00
click 1017
get 1058
get 1059
# Right ascension: empty, format, sixty, range (18 h is accepted).
set 1042
click 1017
set 1042 abc
click 1017
set 1042 1:60:0
click 1017
set 1042 180:00:01
click 1017
set 1042 18:00:00
# Declination.
set 1043
click 1017
set 1043 x
click 1017
set 1043 0:0:60
click 1017
set 1043 90:0:1
click 1017
set 1043 0:0:0
# Longitude.
set 1057
click 1017
set 1057 1:2:3:4
click 1017
set 1057 0:75:0
click 1017
set 1057 -180:0:1
click 1017
set 1057 0:0:0
# Latitude.
set 1007
click 1017
set 1007 lat
click 1017
set 1007 0:61:0
click 1017
set 1007 -90:0:1
click 1017
set 1007 0:0:0
# Date and time, empty.
set 1018
click 1017
set 1018 01/01/2000
set 1025
click 1017
get 1058
get 1059
click 2
