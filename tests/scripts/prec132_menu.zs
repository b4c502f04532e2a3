# The menu opens both forms: "&Retour" comes back to the menu, Escape ends
# the program.
open 102
click 1004
click 1
get 1041
click 1
dblclick 1003
get 1009
key escape
