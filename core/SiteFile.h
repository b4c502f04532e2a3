// The observer's site file "Zenko.loc" in the current directory: two
// little-endian doubles, longitude (positive towards the west) then
// latitude, in degrees; 0.0 means no value. Bytes after the sixteenth are
// kept. The file is never created, and only a regular file is used: a pipe,
// a device or a directory of that name is refused at once, never waited on.
// Reading holds a shared lock on the file (flock), saving an exclusive one
// over its whole read and write, so that two programs saving at the same
// moment never write back each other's old values. A lock is waited for
// kSiteFileLockWait at most; a file still locked then is refused like a
// file without permission (OpenFailed, EACCES), and nothing is written.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>

inline constexpr char kSiteFileName[] = "Zenko.loc";
inline constexpr std::chrono::milliseconds kSiteFileLockWait{2000};

enum class SiteFileStatus {
  Ok,
  OpenFailed,    // the file could not be opened, or not for this use
  AccessFailed,  // a read or a write failed once the file was open
};

// The outcome of a read or a write, with what its message needs.
struct SiteFileResult {
  SiteFileStatus status = SiteFileStatus::Ok;
  int error = 0;     // the errno of the failure (ENOSPC for a short write)
  std::string name;  // kSiteFileName when not opened, else the full path
};

// Reads the two values; a short file leaves the missing ones at 0.0 and a
// value that is not finite reads as 0.0. On failure sets both to 0.0.
SiteFileResult ReadSiteFile(double& longitude, double& latitude);

// One coordinate to save. With keep set, the double that the file holds at
// the moment of saving stays as it is, to the last bit, and value receives
// it (0.0 when it is not finite or the file is too short to hold it).
struct SiteCoordinate {
  double value = 0.0;
  bool keep = false;
};

// Overwrites the first 16 bytes of the existing file in place (mode, owner,
// links and trailing bytes stay). A file without any write permission is
// refused (OpenFailed, EACCES), whoever runs the program. A write that
// stopped part-way is undone, so that after a failure the file holds
// exactly the bytes it held before. Nothing is created.
SiteFileResult WriteSiteFile(SiteCoordinate& longitude, SiteCoordinate& latitude);
SiteFileResult WriteSiteFile(double longitude, double latitude);

// The positioned write of the file layer (pwrite by default). Tests put a
// failing one in its place; nullptr brings pwrite back. Returns the
// previous writer.
using SiteFileWriter = ssize_t (*)(int fd, const void* bytes,
                                   std::size_t count, off_t offset);
SiteFileWriter SetSiteFileWriter(SiteFileWriter writer);

// Field text of a stored value: empty for 0.0 or a value that is not
// finite, otherwise whole seconds in [-180, 180) in colon form ("2:30:0").
std::string SiteValueText(double value);
