# OK with nothing checked does nothing; Retour keeps the entry checked;
# a double-click opens the entry at once; Escape in a calculator ends all.
open 102
click 1
get 1000
click 1064
click 57670
click 1130
get 1130
click 1000
get 1130
get 1000
dblclick 1130
click 1
get 1130
key enter
key escape
