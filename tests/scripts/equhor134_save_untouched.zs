# Saving keeps, to the last bit, a coordinate whose field still holds the
# text the site file put there when the form opened; what the user typed is
# stored as typed.
site 2.50001 48.80001
open 102
dblclick 1005
get 1057
get 1007
click 1062
siteshow
# Only the latitude typed: the longitude stays 2.50001, not 2.5.
set 1007 45:0:0
click 1062
siteshow
# Typing the shown text again counts as untouched, like never typing it.
set 1057 2:30:0
click 1062
siteshow
# A field changed, then its text typed back: kept as in the file.
set 1057 3:0:0
set 1057 2:30:0
click 1062
siteshow
# Typed differently: stored as typed.
set 1057 2:30:0.0
click 1062
siteshow
click 1
# A longitude of 500 shows folded as 140:0:0 and is saved as 500; a zero of
# either sign (an empty field) keeps its sign.
site 500 -0
dblclick 1005
get 1057
get 1007
click 1062
siteshow
click 1
# Out of range values, untouched, are not folded either.
site -400 100
dblclick 1005
get 1057
get 1007
set 1057 -1:0:0
click 1062
siteshow
click 1
click 2
