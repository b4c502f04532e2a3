// Standard input and output of the command-line hosts, read and written
// through the file descriptors themselves, so that a failed read or write
// is known with its cause. After the first failure nothing more is read or
// written.
#pragma once
#include <iosfwd>
#include <streambuf>
#include <string>

// A descriptor the process was started without (closed by the caller) is
// kept occupied by /dev/null from then on, so that no file opened later
// takes its number; the stream over it still fails with EBADF. Call first
// thing in main.
void HoldStandardDescriptors();

class FdOutput : public std::streambuf {
 public:
  explicit FdOutput(int fd);
  ~FdOutput() override;
  FdOutput(const FdOutput&) = delete;
  FdOutput& operator=(const FdOutput&) = delete;
  // The errno of the first failure, 0 while every write succeeded.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();
  int fd_;
  int error_ = 0;
  char buffer_[16384];
};

class FdInput : public std::streambuf {
 public:
  explicit FdInput(int fd);
  FdInput(const FdInput&) = delete;
  FdInput& operator=(const FdInput&) = delete;
  int Error() const { return error_; }

 protected:
  int_type underflow() override;

 private:
  int fd_;
  int error_ = 0;
  char buffer_[16384];
};

// The cause of a failure, in French, for a message: "plus de place sur le
// disque".
std::string CauseText(int error);

// A text as shown in a message: every control character written as an
// escape (\t, \n, \r, or \xHH for the others), so that nothing invisible
// or moving the cursor reaches the terminal.
std::string Shown(const std::string& text);

// Flushes out and tells err why the output was lost, if it was:
// "PROGRAM : écriture impossible sur la sortie standard : CAUSE.".
// False after a failure.
bool FinishOutput(std::ostream& out, const FdOutput& buffer, const char* program,
                  std::ostream& err);
