# Worked values: the reference sites, a site below sea level, the poles with
# and without height, the centre of the Earth, small negative latitudes.
open 129
set 1007 45:0:0
click 1017
get 1013
get 1015
get 1016
get 1014
set 1007 0:0:0
click 1017
get 1013
get 1015
get 1016
get 1014
set 1007 -33:30:0
set 1009 1000
click 1017
get 1013
get 1015
get 1016
get 1014
set 1007 48:50:11
set 1009 35
click 1017
get 1013
get 1015
get 1016
get 1014
set 1007 -12:30:00
set 1009 -430
click 1017
get 1009
get 1013
get 1015
get 1016
get 1014
set 1007 -90:00:00
set 1009 0
click 1017
get 1013
get 1015
get 1016
get 1014
set 1007 90:0:0
set 1009 8848
click 1017
get 1013
get 1015
get 1016
get 1014
# At the centre of the Earth every result is zero.
set 1007 0:0:0
set 1009 -6378140
click 1017
get 1013
get 1015
get 1016
get 1014
# rho sin phi rounding to zero prints without a minus sign.
set 1007 -0:0:0.01
set 1009 0
click 1017
get 1013
get 1016
set 1007 -0:30:0
click 1017
get 1013
get 1015
get 1016
get 1014
# The largest height the field holds.
set 1007 89:59:59.99
set 1009 99999999999
click 1017
get 1009
get 1013
get 1015
get 1016
get 1014
click 1
