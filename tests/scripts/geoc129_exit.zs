# "&Exit" closes without reading the fields, whatever the height holds,
# and ends the program when opened from the menu.
open 102
click 1003
click 1
set 1009 douze
click 2
