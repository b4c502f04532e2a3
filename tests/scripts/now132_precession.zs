# "Maintenant" on the precession form fills the final epoch with today's
# date; the other epochs and the results are left alone.
site 0 0
clock 2024-02-29 23:59:59
open 132
now
get 1041
get 1046
get 1047
get 1052
# The horizontal form opened from here takes that date over and has its own
# action for the time.
click 1061
get 1018
get 1025
now
get 1018
get 1025
click 1
key escape
