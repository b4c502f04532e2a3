# Every failure of Calcul, in the order of the checks.
open 131
# Dates empty: no message, the focus on the first date.
click 1020
# A: number of points out of range.
set 1023 6
click 1020
set 1023 1
click 1020
# Not a whole number: the layer's message, then the press goes on with 1.
set 1023 deux
click 1020
# With 3 held before, the press reaches the empty row 1 date.
set 1023 3
click 1020
set 1023 3x
click 1020
# B: a bad date shows the library's message; a bad time likewise.
set 1023 5
set 1000 1/1/2000
set 1004 32/1/2000
click 1020
set 1004 2/1/2000
set 1005 24:0:0
click 1020
set 1005 0:0:0
# C: rows 2 and 4 equal.
set 1008 3/1/2000
set 1012 2/1/2000
set 1016 5/1/2000
click 1020
# Rows 1 and 3 equal, rows 2 and 5 equal: the pair 1 and 3.
set 1008 1/1/2000
set 1012 4/1/2000
set 1016 2/1/2000
click 1020
set 1008 3/1/2000
set 1016 5/1/2000
# B on row X: empty date, then a bad time.
click 1020
set 1021 1/1/2000
set 1022 1:60:0
click 1020
set 1022 0:0:0
# D for function 1.
click 1020
# E and F for function 1 (an empty value, then a malformed one).
click 1024
click 1020
set 1002 1
set 1006 2
set 1010 3
set 1014 1,2,3
click 1020
set 1014 4
set 1018 5
# D for function 2 once its row 1 field holds something.
set 1003 1
click 1020
click 1029
set 1007 x
click 1020
set 1007 2
set 1011 3
set 1015 4
set 1019 5
click 1020
get 1025
get 1026
# Row 1 of function 2 emptied: function 2 is skipped, its nonsense unread.
set 1003 
set 1007 nonsense
set 1002 2
click 1020
get 1025
get 1026
rclick
# A failed press keeps results and variations.
set 1023 0
click 1020
get 1025
rclick
# Retour with a bad number keeps the form open; Exit closes it.
set 1023 abc
click 1
click 2
