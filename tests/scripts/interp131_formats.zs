# Function 1 in hours, function 2 in degrees; X on the first point.
open 131
set 1023 2
set 1000 1/1/2000
set 1004 2/1/2000
set 1002 25:30:0
set 1006 24:0:0
set 1003 190:0:0
set 1007 190:0:0
set 1021 1/1/2000
click 1028
click 1030
click 1020
get 1025
get 1026
rclick
# Degrees for function 1 too: 25.5 degrees.
click 1027
click 1020
get 1025
rclick
# Decimal format on sexagesimal text: the decimal syntax message.
click 1024
click 1020
# The report keeps the last successful computation.
rclick
get 1025
# Decimal values of any size are shown whole.
set 1002 123456789012
set 1006 123456789012
set 1003 -98765432109.5
set 1007 -98765432109.5
click 1029
click 1020
get 1025
get 1026
rclick
# Hour values are not wrapped: 23:50 and 0:10 interpolate to 12h.
click 1028
set 1002 23:50:0
set 1006 0:10:0
set 1021 1/1/2000
set 1022 12:0:0
click 1020
get 1025
# Function 2 malformed in sexagesimal format, row 2 after a good row 1.
click 1030
set 1003 1:0:0
set 1007 abc
click 1020
key escape
