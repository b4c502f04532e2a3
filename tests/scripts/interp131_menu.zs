# The menu entries open both forms; their Aide buttons open their topics.
open 102
click 1000
click 1
click 1106
click 1
click 1001
click 1
click 1119
key enter
click 1
key escape
