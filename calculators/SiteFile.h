// The observer's site file "Zenko.loc" in the current directory: two
// little-endian doubles, longitude (positive towards the west) then
// latitude, in degrees; 0.0 means no value. Bytes after the sixteenth are
// kept. The file is never created.
#pragma once
#include <string>

inline constexpr char kSiteFileName[] = "Zenko.loc";

// File-error text of an errno value, with %1 left in place.
std::string SiteFileErrorText(int error);

// Reads the two values; a short file leaves the missing ones at 0.0 and a
// value that is not finite reads as 0.0. On failure shows the file-error
// message, sets both to 0.0 and returns false.
bool ReadSiteFile(double& longitude, double& latitude);

// Overwrites the first 16 bytes of the existing file. On failure shows the
// file-error message and returns false; nothing is created.
bool WriteSiteFile(double longitude, double latitude);

// Field text of a stored value: empty for 0.0 or a value that is not
// finite, otherwise whole seconds in [-180, 180) in colon form ("2:30:0").
std::string SiteValueText(double value);
