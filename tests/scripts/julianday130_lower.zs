# Lower half: Julian Day to weekday, date and time, with the sidereal time
# of the 1900-epoch formula and the equation of time; then the refusals.
open 130
set 1020 2451544.5
click 1021
get 1023
get 1028
get 1067
set 1020 2451545
click 1021
get 1023
get 1028
get 1067
get 1056
# A comma as decimal separator; the first Gregorian day.
set 1020 2299160,5
click 1021
get 1023
get 1028
# The start of the count, in the Julian calendar, year -4712.
set 1020 0
click 1021
get 1023
get 1028
# Empty, not a number, negative, too large: messages, focus, nothing written.
set 1020
click 1021
set 1020 12a
click 1021
set 1020 -1
click 1021
set 1020 1000000000
click 1021
set 1020 1e9
click 1021
get 1020
get 1023
get 1028
click 1
