#include "calculators/SiteFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <string>

#include "textfmt/Angles.h"
#include "textfmt/Bytes.h"
#include "textfmt/Report.h"

namespace {

std::string Replace1(std::string text, const std::string& name) {
  std::string::size_type at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, name);
  return text;
}

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

void Report(int error, const std::string& name) {
  ShowMessage(Replace1(SiteFileErrorText(error), name), Icon::Error);
}

int OpenSite(int flags) {
  int fd;
  do {
    fd = open(kSiteFileName, flags | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

std::string SiteFileErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "Impossible de trouver %1.";
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
      return "%1 contient un chemin non valide.";
    case EMFILE:
    case ENFILE:
      return "Impossible d'ouvrir %1 car il y a trop de fichiers ouverts.";
    case EACCES:
    case EPERM:
    case EROFS:
      return "L'accès à %1 a été refusé.";
    case EBUSY:
    case ETXTBSY:
      return "Une violation de partage s'est produite lors de l'accès à %1.";
    case ENOSPC:
      return "Disque plein lors de l'accès à %1.";
    default:
      return "Une erreur inconnue s'est produite lors de l'accès à %1.";
  }
}

bool ReadSiteFile(double& longitude, double& latitude) {
  longitude = 0.0;
  latitude = 0.0;
  int fd = OpenSite(O_RDONLY);
  if (fd < 0) {
    Report(errno, kSiteFileName);
    return false;
  }
  unsigned char bytes[16] = {};
  std::size_t got = 0;
  int error = 0;
  while (got < sizeof bytes) {
    ssize_t n = pread(fd, bytes + got, sizeof bytes - got,
                      static_cast<off_t>(got));
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (n == 0) break;  // a short file is no failure
    got += static_cast<std::size_t>(n);
  }
  close(fd);
  if (error != 0) {
    // A directory named Zenko.loc opens but cannot be read.
    Report(error == EISDIR ? EACCES : error, FullPath());
    return false;
  }
  double lon = got >= 8 ? LoadDoubleLE(bytes) : 0.0;
  double lat = got >= 16 ? LoadDoubleLE(bytes + 8) : 0.0;
  longitude = std::isfinite(lon) ? lon : 0.0;
  latitude = std::isfinite(lat) ? lat : 0.0;
  return true;
}

bool WriteSiteFile(double longitude, double latitude) {
  int fd = OpenSite(O_WRONLY);  // neither created nor truncated
  if (fd < 0) {
    Report(errno == EISDIR ? EACCES : errno, kSiteFileName);
    return false;
  }
  unsigned char bytes[16];
  StoreDoubleLE(longitude, bytes);
  StoreDoubleLE(latitude, bytes + 8);
  std::size_t put = 0;
  int error = 0;
  while (put < sizeof bytes) {
    ssize_t n = pwrite(fd, bytes + put, sizeof bytes - put,
                       static_cast<off_t>(put));
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (n == 0) {
      error = ENOSPC;
      break;
    }
    put += static_cast<std::size_t>(n);
  }
  if (close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error != 0) {
    Report(error, FullPath());
    return false;
  }
  return true;
}

std::string SiteValueText(double value) {
  if (value == 0.0 || !std::isfinite(value)) return "";
  return ToColonForm(FormatDegrees(value, 0, 180.0));
}
