# Old Mac (CR), DOS (CRLF) and Unix (LF) line ends in one script; values as
# in julianday130_values.
open 130set 1018 01/01/2000
set 1025 12:00:00click 1019
get 1022get 1067
get 1056click 1