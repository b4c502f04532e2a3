# The longitude the form shows from the site file: rounded to the second,
# folded into [-180, 180) (500 is 140, 180 is -180), empty for zero, also
# a negative one, and for a NaN or an infinity, which read as zero.
open 102
site 2.5 0
dblclick 1006
get 1057
click 1
site -0.5 0
dblclick 1006
get 1057
click 1
site 48.8 0
dblclick 1006
get 1057
click 1
site 500 0
dblclick 1006
get 1057
click 1
site 100 0
dblclick 1006
get 1057
click 1
site 180 0
dblclick 1006
get 1057
click 1
site 0 0
dblclick 1006
get 1057
click 1
site -0 0
dblclick 1006
get 1057
click 1
site raw 000000000000F87F0000000000000000
dblclick 1006
get 1057
click 1
site raw 000000000000F07F0000000000000000
dblclick 1006
get 1057
click 1
key escape
