# Date and time to Julian Day: the Julian Day, the sidereal time and the
# equation of time, then the focus on "Co&pie".
open 130
get 1025
set 1018 01/01/2000
set 1025 12:00:00
click 1019
get 1022
get 1067
get 1056
# Equation of time positive in February, negative in November (the seconds
# printed without a sign).
set 1018 13/02/2000
click 1019
get 1056
set 1018 03/11/2000
click 1019
get 1056
# Calendar switch: the last Julian and the first Gregorian day.
set 1025 0:0:0
set 1018 04/10/1582
click 1019
get 1022
set 1018 15/10/1582
click 1019
get 1022
# Start of the count and a leap day of the Julian rule.
set 1018 01/01/-4712
set 1025 12:00:00
click 1019
get 1022
set 1018 29/02/1500
set 1025 0:0:0
click 1019
get 1022
# A Julian epoch ignores the time, whatever it holds, and empties it.
set 1018 J2000
set 1025 nonsense
click 1019
get 1022
get 1025
get 1067
set 1018 J1950
click 1019
get 1022
click 1
