# Upper half: the date messages, then the time messages, each with its
# focus; a failed press writes nothing back.
open 130
set 1018 01/01/2000
set 1025 12:00:00
click 1019
# Empty date: no message, focus on the date.
set 1018
click 1019
# 'J' alone and a Julian epoch with a sign or a point.
set 1018 J
click 1019
set 1018 J2000.5
click 1019
set 1018 J-100
click 1019
# Calendar dates with an empty part, a misplaced minus, a letter.
set 1018 1//2000
click 1019
set 1018 1/1/
click 1019
set 1018 /1/2000
click 1019
set 1018 -01/01/2000
click 1019
set 1018 j2000
click 1019
# More digits than a 32-bit integer holds.
set 1018 1/1/99999999999
click 1019
set 1018 J4294967296
click 1019
# Dates that do not exist.
set 1018 10/10/1582
click 1019
set 1018 29/02/1900
click 1019
set 1018 31/04/2000
click 1019
# A wrong date and a wrong time: both messages, focus on the date.
set 1018 32/01/2000
set 1025 12h
click 1019
# Good date, wrong time: format, hours out of range, minutes, empty.
set 1018 02/01/2000
click 1019
set 1025 24:00:00
click 1019
set 1025 12:60:00
click 1019
set 1025
click 1019
# The fields keep the typed texts and the results the last good ones.
get 1018
get 1025
get 1022
get 1067
get 1056
click 2
