# A missing site file: the message before the form shows, empty fields, and
# the calculation works once a longitude is typed. Zero bytes give empty
# fields; a value that is not a number too.
site none
open 135
get 1057
set 1018 01/01/2000
set 1025 12:00:00
set 1057 -2:30:0
click 1017
get 1065
click 1
