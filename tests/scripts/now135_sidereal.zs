# "Maintenant" on the sidereal time form fills the date and the time only:
# the longitude from the site file and the result stay as they were.
site 37.5 0
clock 2000-01-01 12:00:00
open 135
now
get 1018
get 1025
get 1057
get 1065
click 1017
get 1065
# A later press of the action replaces the date and time typed since.
set 1018 J2000
set 1025 garbage
clock 1999-12-31 23:59:59
now
get 1018
get 1025
get 1065
key escape
