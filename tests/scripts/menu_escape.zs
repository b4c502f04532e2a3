# Escape on the menu ends the program.
open 102
key escape
