#include "StdStreams.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace {

bool closedAtStart[3] = {false, false, false};

bool StartedClosed(int fd) { return fd >= 0 && fd < 3 && closedAtStart[fd]; }

// Waits until a descriptor left non-blocking by the caller is ready.
void WaitReady(int fd, short events) {
  pollfd p{fd, events, 0};
  while (poll(&p, 1, -1) < 0 && errno == EINTR) {
  }
}

}  // namespace

void HoldStandardDescriptors() {
  for (int fd = 0; fd < 3; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    closedAtStart[fd] = true;
    int held = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (held >= 0 && held != fd) {
      dup2(held, fd);
      close(held);
    }
  }
}

FdOutput::FdOutput(int fd) : fd_(fd) {
  if (StartedClosed(fd)) error_ = EBADF;
  setp(buffer_, buffer_ + sizeof buffer_);
}

FdOutput::~FdOutput() { Drain(); }

bool FdOutput::Drain() {
  const char* p = pbase();
  const char* end = pptr();
  while (error_ == 0 && p < end) {
    ssize_t n = write(fd_, p, static_cast<std::size_t>(end - p));
    if (n > 0) {
      p += n;
    } else if (n < 0 && errno == EINTR) {
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      WaitReady(fd_, POLLOUT);
    } else {
      error_ = n < 0 ? errno : ENOSPC;
    }
  }
  setp(buffer_, buffer_ + sizeof buffer_);  // written, or dropped after a failure
  return error_ == 0;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FdOutput::sync() { return Drain() ? 0 : -1; }

FdInput::FdInput(int fd) : fd_(fd) {
  if (StartedClosed(fd)) error_ = EBADF;
  setg(buffer_, buffer_, buffer_);
}

FdInput::int_type FdInput::underflow() {
  while (error_ == 0) {
    ssize_t n = read(fd_, buffer_, sizeof buffer_);
    if (n > 0) {
      setg(buffer_, buffer_, buffer_ + n);
      return traits_type::to_int_type(buffer_[0]);
    }
    if (n == 0) break;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      WaitReady(fd_, POLLIN);
      continue;
    }
    error_ = errno;
  }
  return traits_type::eof();
}

std::string CauseText(int error) {
  switch (error) {
    case ENOSPC: return "plus de place sur le disque";
    case EDQUOT: return "quota de disque dépassé";
    case EFBIG: return "fichier trop gros";
    case EPIPE: return "tube fermé par le programme qui le lisait";
    case EBADF: return "descripteur fermé ou non valide";
    case EIO: return "erreur d'entrée-sortie";
    case EISDIR: return "c'est un répertoire";
    case EACCES:
    case EPERM: return "accès refusé";
    case ENOENT: return "fichier introuvable";
    default: return "erreur " + std::to_string(error) + " (" + std::strerror(error) + ")";
  }
}

std::string Shown(const std::string& text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      out += c;
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

bool FinishOutput(std::ostream& out, const FdOutput& buffer, const char* program,
                  std::ostream& err) {
  out.flush();
  if (buffer.Error() == 0) return true;
  err << program << " : écriture impossible sur la sortie standard : "
      << CauseText(buffer.Error()) << ".\n";
  err.flush();
  return false;
}
