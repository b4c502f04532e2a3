# The driver's site commands: what the file holds, byte by byte
# (-2.5 and 48.8, the nearest doubles, printed to 17 digits).
siteshow
site raw 0102
siteshow
site raw
siteshow
site -2.5 48.8
siteshow
site none
siteshow
