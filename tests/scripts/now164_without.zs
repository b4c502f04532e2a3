# Forms without "Maintenant" ignore the command and print nothing.
clock 2025-03-21 21:30:05
open 102
now
click 1130
click 1
now
get 1095
get 1121
get 1122
click 1
now
key escape
