#include "SiteFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>

#include "Angles.h"
#include "Bytes.h"

namespace {

// The full path of the file, for failures once it is open.
std::string FullPath() {
  std::string dir;
  std::string buffer(4096, '\0');
  if (getcwd(buffer.data(), buffer.size()) != nullptr)
    dir = buffer.c_str();
  if (dir.empty()) return kSiteFileName;
  if (dir.back() != '/') dir += '/';
  return dir + kSiteFileName;
}

SiteFileResult NotOpened(int error) {
  return {SiteFileStatus::OpenFailed, error, kSiteFileName};
}

SiteFileResult FailedOnceOpen(int error) {
  return {SiteFileStatus::AccessFailed, error, FullPath()};
}

// Never waits: a pipe without a writer, or a device, would block an
// ordinary open or read for ever. The file is checked to be a regular file
// as soon as it is open.
int OpenSite(int flags) {
  int fd;
  do {
    fd = open(kSiteFileName, flags | O_CLOEXEC | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Takes the lock (LOCK_SH or LOCK_EX), trying again every millisecond
// while another program holds it, for kSiteFileLockWait at most. Returns 0,
// or the errno of the failure (EWOULDBLOCK when the time ran out). A file
// system that keeps no locks (some network mounts) is read and written
// unlocked, as it was before locking: refusing there would lock the user out.
int Lock(int fd, int operation) {
  const auto deadline = std::chrono::steady_clock::now() + kSiteFileLockWait;
  while (flock(fd, operation | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS) return 0;
    if (errno != EWOULDBLOCK) return errno;
    if (std::chrono::steady_clock::now() >= deadline) return EWOULDBLOCK;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 0;
}

// The outcome of a lock that could not be had: a lock still held by
// another program when the time ran out is refused access.
SiteFileResult NotLocked(int error) {
  return error == EWOULDBLOCK ? NotOpened(EACCES) : FailedOnceOpen(error);
}

SiteFileWriter& Writer() {
  static SiteFileWriter writer = &pwrite;
  return writer;
}

// Reads up to 16 bytes from the start; a short file is no failure.
// Returns 0 or the errno of the failed read.
int ReadStart(int fd, unsigned char (&bytes)[16], std::size_t& got) {
  got = 0;
  while (got < sizeof bytes) {
    ssize_t n = pread(fd, bytes + got, sizeof bytes - got,
                      static_cast<off_t>(got));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return 0;
}

// Writes count bytes at offset 0 through the file layer; put counts those
// stored. Returns 0 or the errno of the failure (a write that stores
// nothing counts as a full disk).
int WriteStart(int fd, const unsigned char* bytes, std::size_t count,
               std::size_t& put) {
  put = 0;
  while (put < count) {
    ssize_t n = Writer()(fd, bytes + put, count - put, static_cast<off_t>(put));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    put += static_cast<std::size_t>(n);
  }
  return 0;
}

// The new bytes of one coordinate at offset (0 or 8) of out.
void Place(SiteCoordinate& coordinate, const unsigned char* held,
           std::size_t heldCount, std::size_t offset, unsigned char* out) {
  if (!coordinate.keep) {
    StoreDoubleLE(coordinate.value, out + offset);
    return;
  }
  if (heldCount >= offset + 8) {
    std::memcpy(out + offset, held + offset, 8);
    double kept = LoadDoubleLE(held + offset);
    coordinate.value = std::isfinite(kept) ? kept : 0.0;
  } else {
    coordinate.value = 0.0;  // what a read of this short file gives
    StoreDoubleLE(0.0, out + offset);
  }
}

// Saves the 16 bytes; on a failure puts back the bytes already overwritten
// and cuts off what the write added, so that the file is as before.
// SIGXFSZ is ignored meanwhile: a file-size limit then fails the write
// with EFBIG instead of ending the program.
int WriteInPlace(int fd, const unsigned char* before, std::size_t heldCount,
                 off_t size, const unsigned char* after) {
  struct sigaction ignore = {};
  struct sigaction previous = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, &previous);
  std::size_t put = 0;
  int error = WriteStart(fd, after, 16, put);
  if (error != 0) {
    std::size_t restored = 0;
    WriteStart(fd, before, std::min(put, heldCount), restored);
    if (static_cast<off_t>(put) > size) {
      while (ftruncate(fd, size) != 0 && errno == EINTR) {
      }
    }
  }
  sigaction(SIGXFSZ, &previous, nullptr);
  return error;
}

}  // namespace

SiteFileWriter SetSiteFileWriter(SiteFileWriter writer) {
  SiteFileWriter previous = Writer();
  Writer() = writer ? writer : &pwrite;
  return previous;
}

SiteFileResult ReadSiteFile(double& longitude, double& latitude) {
  longitude = 0.0;
  latitude = 0.0;
  int fd = OpenSite(O_RDONLY);
  if (fd < 0) return NotOpened(errno);
  unsigned char bytes[16] = {};
  std::size_t got = 0;
  struct stat status = {};
  int error = 0;
  int locked = 0;
  if (fstat(fd, &status) != 0)
    error = errno;
  else if (!S_ISREG(status.st_mode))
    error = EACCES;  // a directory, a pipe or a device is not read
  else if ((locked = Lock(fd, LOCK_SH)) == 0)
    error = ReadStart(fd, bytes, got);
  close(fd);  // and the lock with it
  if (locked != 0) return NotLocked(locked);
  if (error != 0) return FailedOnceOpen(error);
  double lon = got >= 8 ? LoadDoubleLE(bytes) : 0.0;
  double lat = got >= 16 ? LoadDoubleLE(bytes + 8) : 0.0;
  longitude = std::isfinite(lon) ? lon : 0.0;
  latitude = std::isfinite(lat) ? lat : 0.0;
  return {};
}

SiteFileResult WriteSiteFile(SiteCoordinate& longitude, SiteCoordinate& latitude) {
  // Read as well: the bytes held now are kept or put back on a failure.
  int fd = OpenSite(O_RDWR);  // neither created nor truncated
  if (fd < 0) return NotOpened(errno == EISDIR ? EACCES : errno);
  // Refused like a file that cannot be opened for writing: anything but a
  // regular file, and a read-only file even for root, whom the system
  // would let write it.
  struct stat status = {};
  int refused = 0;
  if (fstat(fd, &status) != 0)
    refused = errno;
  else if (!S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0)
    refused = EACCES;
  if (refused != 0) {
    close(fd);
    return NotOpened(refused);
  }
  if (int locked = Lock(fd, LOCK_EX); locked != 0) {
    close(fd);
    return NotLocked(locked);
  }
  unsigned char before[16] = {};
  std::size_t held = 0;
  int error = ReadStart(fd, before, held);
  if (error == 0) {
    unsigned char after[16];
    Place(longitude, before, held, 0, after);
    Place(latitude, before, held, 8, after);
    error = WriteInPlace(fd, before, held, status.st_size, after);
  }
  // Closing releases the lock.
  if (close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error != 0) return FailedOnceOpen(error);
  return {};
}

SiteFileResult WriteSiteFile(double longitude, double latitude) {
  SiteCoordinate lon{longitude, false};
  SiteCoordinate lat{latitude, false};
  return WriteSiteFile(lon, lat);
}

std::string SiteValueText(double value) {
  if (value == 0.0 || !std::isfinite(value)) return "";
  return ToColonForm(FormatDegrees(value, 0, 180.0));
}
