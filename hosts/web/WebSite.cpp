#include "WebSite.h"

#include <emscripten.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "Bytes.h"
#include "Report.h"
#include "SiteFile.h"
#include "StatusTexts.h"

// clang-format off
// Fills 16 bytes with the stored site; 0 when none is stored (or the
// storage cannot be read), which leaves them at zero.
EM_JS(int, zenko_site_load, (unsigned char* out), {
  var bytes = ZenkoPage.loadSite();
  if (!bytes) return 0;
  HEAPU8.set(bytes, out);
  return 1;
});
// Stores 16 bytes; 0 when the storage refuses them.
EM_JS(int, zenko_site_store, (const unsigned char* bytes), {
  return ZenkoPage.storeSite(HEAPU8.slice(bytes, bytes + 16)) ? 1 : 0;
});
// Copies up to max bytes of the file chosen for import; returns its size.
EM_JS(int, zenko_import_bytes, (unsigned char* out, int max), {
  var bytes = ZenkoPage.importedBytes();
  HEAPU8.set(bytes.subarray(0, Math.min(max, bytes.length)), out);
  return ZenkoPage.importedSize();
});
// clang-format on

namespace {

constexpr std::size_t kSiteBytes = 16;

// The core's positioned write: the file's 16 bytes as they will be after
// this write go to the storage first, then to the in-memory file.
ssize_t StoreThenWrite(int fd, const void* bytes, std::size_t count, off_t offset) {
  unsigned char site[kSiteBytes] = {};
  std::size_t got = 0;
  while (got < kSiteBytes) {
    ssize_t n = pread(fd, site + got, kSiteBytes - got, static_cast<off_t>(got));
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (offset < static_cast<off_t>(kSiteBytes)) {
    const std::size_t at = static_cast<std::size_t>(offset);
    std::memcpy(site + at, bytes, std::min(count, kSiteBytes - at));
  }
  if (!zenko_site_store(site)) {
    errno = ENOSPC;
    return -1;
  }
  return pwrite(fd, bytes, count, offset);
}

}  // namespace

namespace {

bool PutFile(const unsigned char (&site)[kSiteBytes]) {
  int fd = open(kSiteFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = write(fd, site, kSiteBytes) == static_cast<ssize_t>(kSiteBytes);
  return close(fd) == 0 && written;
}

}  // namespace

bool OpenBrowserSite() {
  unsigned char site[kSiteBytes] = {};
  if (!zenko_site_load(site)) zenko_site_store(site);  // a first visit: empty
  SetSiteFileWriter(&StoreThenWrite);
  return PutFile(site);
}

void RefreshSite() {
  unsigned char stored[kSiteBytes] = {};
  if (!zenko_site_load(stored)) return;
  unsigned char held[kSiteBytes] = {};
  int fd = open(kSiteFileName, O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    const ssize_t got = read(fd, held, kSiteBytes);
    close(fd);
    if (got == static_cast<ssize_t>(kSiteBytes) && std::memcmp(held, stored, kSiteBytes) == 0) return;
  }
  PutFile(stored);
}

void ImportSite() {
  unsigned char bytes[kSiteBytes] = {};
  const int size = zenko_import_bytes(bytes, static_cast<int>(kSiteBytes));
  const std::string kept = "\n\nLe lieu enregistré dans le navigateur est conservé.";
  if (size != static_cast<int>(kSiteBytes)) {
    ShowMessage("Ce fichier n'est pas un fichier Zenko.loc : il doit faire exactement 16 "
                "octets (longitude puis latitude), il en fait " +
                    std::to_string(size) + "." + kept,
                Icon::Error);
    return;
  }
  const double longitude = LoadDoubleLE(bytes);
  const double latitude = LoadDoubleLE(bytes + 8);
  if (!std::isfinite(longitude) || !std::isfinite(latitude)) {
    ShowMessage(std::string("Ce fichier n'est pas un fichier Zenko.loc valable : ") +
                    (std::isfinite(longitude) ? "la latitude" : "la longitude") +
                    " n'est pas un nombre fini." + kept,
                Icon::Error);
    return;
  }
  if (!ShowStatus(WriteSiteFile(longitude, latitude))) return;
  ShowMessage("Le lieu de ce fichier Zenko.loc est maintenant celui du navigateur.",
              Icon::Information);
}
