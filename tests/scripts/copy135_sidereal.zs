# "Copier les résultats" on the sidereal time form: one line per field in
# screen order, the label that names it (the form's "Date (jj/mm/aaaa) :"
# and so on, without the final colon; the result under its frame "Temps
# sidéral :"), a tab, then its text; an empty field gives a line without
# text (a site at 0, 0 leaves the longitude empty). Values: the form's
# worked example, 01/01/2000 12:00:00 UT at longitude -2:30:0 (east): the
# published Greenwich sidereal time of J2000.0, 18h 41m 50.548s
# (Astronomical Almanac: 18.697374558 h), plus 2.5° / 15 = 10 min.
site 0 0
open 135
copy
set 1018 01/01/2000
set 1025 12:00:00
set 1057 -2:30:0
click 1017
copy
key escape
