# The unit chosen lasts for the whole run: reopened from the menu, no choice
# is shown checked, yet the speeds use the unit chosen before.
open 102
click 1130
click 1
click 1137
# 1 AU in km over a year in days: the same 29.785 km/s as 1 AU per year.
set 1095 149597870
set 1121 0
set 1122 365.25
click 1129
get 1127
get 1126
click 1
get 1130
click 1
get 1136
get 1137
get 1095
get 1127
# 1 km per day is 0.0000727 km/s.
set 1095 1
set 1121 0
set 1122 1
click 1129
get 1127
click 1136
click 1129
get 1127
click 2
# Ignored: the program has ended.
click 1
