# "&Exit" of the menu ends the program; nothing after it runs.
open 102
click 2
open 164
get 1127
