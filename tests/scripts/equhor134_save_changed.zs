# Another copy of the program saves while this form is open: a field left
# as the form filled it takes what the file holds at the moment of saving.
site 2.50001 48.8
open 102
dblclick 1005
site 7.25 10.5
set 1007 45:0:0
click 1062
siteshow
site -3.75 0
click 1062
siteshow
# The other copy has removed the file: the save fails and creates nothing.
site none
click 1062
siteshow
click 1
# A form that could not read the file filled nothing: its empty fields are
# stored as no value.
site none
dblclick 1005
site 7.25 10.5
click 1062
siteshow
set 1057 1:0:0
click 1062
siteshow
click 1
click 2
