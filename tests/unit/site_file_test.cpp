// The site file on a real file in a temporary directory: its bytes, the
// statuses of its failures (pipes, devices and directories refused without
// waiting, a file-size limit, a full disk, a read-only file, a lock kept by
// another program), the bits it keeps, and saves from two programs at once.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "Bytes.h"
#include "InTempDir.h"
#include "SiteFile.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// -2.5 and 48.8 written out by hand, least significant byte first.
const Bytes kFixture = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0,
                        0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x48, 0x40};
Bytes WithTail(Bytes bytes) {
  bytes.insert(bytes.end(), {'t', 'a', 'i', 'l'});
  return bytes;
}

// What an outcome says: the status, the errno and the name for %1.
std::string Said(const SiteFileResult& r) {
  if (r.status == SiteFileStatus::Ok) return "ok";
  return (r.status == SiteFileStatus::OpenFailed ? "not opened " : "failed ") +
         std::to_string(r.error) + " " + r.name;
}
// The outcome of a read and the two values it gives.
using Read = std::tuple<std::string, double, double>;
Read ReadBack() {
  double lon = 9, lat = 9;
  return {Said(ReadSiteFile(lon, lat)), lon, lat};  // read first: list order
}
std::string NotOpened(int error) { return "not opened " + std::to_string(error) + " Zenko.loc"; }
std::string Failed(int error) {
  return "failed " + std::to_string(error) + " " + (fs::current_path() / "Zenko.loc").string();
}

// Each test in a fresh empty directory, with its site file's bytes at hand.
class SiteFileTest : public InTempDir {
 protected:
  static void Put(const Bytes& bytes) {
    std::ofstream out("Zenko.loc", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static Bytes Get(const char* name = "Zenko.loc") {
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
};

// Saving rewrites the file where it is, in little-endian order: its mode,
// its other names and the bytes after the sixteenth stay; a short file
// grows to sixteen bytes.
TEST_F(SiteFileTest, SavesInPlaceAndReadsBack) {
  Put(WithTail(Bytes(16, 0)));
  fs::rename("Zenko.loc", "real.loc");
  fs::permissions("real.loc", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_hard_link("real.loc", "other.loc");
  fs::create_symlink("real.loc", "Zenko.loc");
  ASSERT_EQ(Said(WriteSiteFile(-2.5, 48.8)), "ok");
  EXPECT_EQ(Get("other.loc"), WithTail(kFixture));
  EXPECT_TRUE(fs::is_symlink("Zenko.loc"));
  EXPECT_EQ(fs::status("real.loc").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadBack(), Read("ok", -2.5, 48.8));
  Put({0xAA, 0xBB});
  EXPECT_EQ(Said(WriteSiteFile(-2.5, 48.8)), "ok");
  EXPECT_EQ(Get(), kFixture);
}

TEST_F(SiteFileTest, ShortFilesAndValuesThatAreNotNumbersReadAsZero) {
  Bytes nan = kFixture, inf = kFixture;
  nan[6] = 0xF8, nan[7] = 0x7F;  // quiet NaN
  std::fill(inf.begin() + 8, inf.begin() + 14, 0);
  inf[14] = 0xF0, inf[15] = 0x7F;  // +infinity
  const Bytes eight(kFixture.begin(), kFixture.begin() + 8);
  const Bytes eleven(kFixture.begin(), kFixture.begin() + 11);
  const struct { Bytes bytes; double lon, lat; } cases[] = {
      {{}, 0, 0},         {{0x01, 0x02}, 0, 0}, {eight, -2.5, 0},     {eleven, -2.5, 0},
      {nan, 0, 48.8},     {inf, -2.5, 0},       {Bytes(16, 0), 0, 0}};
  for (const auto& c : cases) {
    Put(c.bytes);
    EXPECT_EQ(ReadBack(), Read("ok", c.lon, c.lat)) << c.bytes.size();
    EXPECT_EQ(Get(), c.bytes);  // reading changes nothing
  }
  fs::remove("Zenko.loc");  // a missing file is never created
  EXPECT_EQ(ReadBack(), Read(NotOpened(ENOENT), 0.0, 0.0));
  EXPECT_EQ(Said(WriteSiteFile(1.0, 2.0)), NotOpened(ENOENT));
  EXPECT_FALSE(fs::exists("Zenko.loc"));
}

TEST(SiteValueText, RoundedFoldedColonForm) {
  std::string texts;
  for (double v : {2.5, -0.5, 48.8, 500.0, 100.0, 180.0, 0.0, -0.0, double(NAN), double(INFINITY)})
    texts += SiteValueText(v) + " ";
  EXPECT_EQ(texts, "2:30:0 -0:30:0 48:48:0 140:0:0 100:0:0 -180:0:0     ");
}

// A child process running body with a time limit, and the pipe that
// brings back what it returned.
struct Child { pid_t pid; int answer; };
Child Start(const std::function<std::string()>& body, unsigned seconds = 5) {
  int channel[2];
  if (pipe(channel) != 0) return {-1, -1};
  pid_t child = fork();
  if (child == 0) {
    alarm(seconds);
    std::string answer = body();
    _exit(write(channel[1], answer.data(), answer.size()) < 0);
  }
  close(channel[1]);
  return {child, channel[0]};
}

// What the child returned, "(no answer in time)" when the limit ended it,
// or the signal that ended it otherwise.
std::string Answer(Child child) {
  if (child.answer < 0) return "(no pipe)";
  std::string answer;
  char buffer[4096];
  for (ssize_t n; (n = read(child.answer, buffer, sizeof buffer)) > 0;)
    answer.append(buffer, static_cast<std::size_t>(n));
  close(child.answer);
  int status = 0;
  if (child.pid < 0 || waitpid(child.pid, &status, 0) != child.pid) return "(no child)";
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) return "(no answer in time)";
  if (WIFSIGNALED(status)) answer += "(killed by signal " + std::to_string(WTERMSIG(status)) + ")";
  return answer;
}

// A pipe, a device or a directory named Zenko.loc is refused at once, and
// nothing waits on it: opened but not read (its full path), or not opened
// for writing.
TEST_F(SiteFileTest, NeverWaitsOnAFileThatIsNotRegular) {
  for (const std::string kind : {"fifo", "device", "directory"}) {
    fs::remove_all("Zenko.loc");
    ASSERT_TRUE(kind != "fifo" || mkfifo("Zenko.loc", 0644) == 0);
    if (kind == "device") fs::create_symlink("/dev/zero", "Zenko.loc");
    if (kind == "directory") fs::create_directory("Zenko.loc");
    std::string answer =
        Answer(Start([] { return std::get<0>(ReadBack()) + "\n" + Said(WriteSiteFile(1.0, 2.0)); }));
    EXPECT_EQ(answer, Failed(EACCES) + "\n" + NotOpened(EACCES)) << kind;
  }
  EXPECT_TRUE(fs::is_directory("Zenko.loc"));
}

// Under a file-size limit the write stops part-way (or at once) and the
// next one fails with EFBIG: the program is not ended by SIGXFSZ, the disk
// is said to be full, and the file holds its old bytes, trailing ones too.
TEST_F(SiteFileTest, FileSizeLimitLeavesTheFileAsItWas) {
  const Bytes tail = WithTail(kFixture), two = {0xAA, 0xBB};
  const struct { Bytes start; rlim_t limit; } cases[] = {
      {tail, 0}, {tail, 4}, {tail, 8}, {tail, 12}, {tail, 15}, {two, 2}, {two, 8}, {{}, 8},
      {tail, 16}};
  for (const auto& c : cases) {
    Put(c.start);
    std::string answer = Answer(Start([&c] {
      rlimit limit = {c.limit, c.limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("(no limit)");
      return Said(WriteSiteFile(-2.5, 48.8));
    }));
    // Sixteen bytes fit under the last limit: the same bytes are saved.
    EXPECT_EQ(answer, c.limit == 16 ? "ok" : Failed(EFBIG)) << c.limit;
    EXPECT_EQ(Get(), c.start) << c.limit;
  }
}

// A disk that fills up after 8 bytes: the first write stores 8 bytes, the
// next fails with ENOSPC.
std::size_t storedByFullDisk = 0;
ssize_t FullAfterEightBytes(int fd, const void* bytes, std::size_t count, off_t offset) {
  if (offset >= 8) return errno = ENOSPC, -1;
  ssize_t put = pwrite(fd, bytes, std::min<std::size_t>(count, 8 - std::size_t(offset)), offset);
  if (put > 0) storedByFullDisk += static_cast<std::size_t>(put);
  return put;
}

TEST_F(SiteFileTest, FullDiskLeavesTheFileAsItWas) {
  for (const Bytes& start : {WithTail(kFixture), Bytes{0xAA, 0xBB}, Bytes{}}) {
    Put(start);
    storedByFullDisk = 0;
    SiteFileWriter previous = SetSiteFileWriter(&FullAfterEightBytes);
    std::string said = Said(WriteSiteFile(1.0, 2.0));
    SetSiteFileWriter(previous);
    EXPECT_EQ(said, Failed(ENOSPC));
    EXPECT_GE(storedByFullDisk, 8u);  // the new longitude went in first
    EXPECT_EQ(Get(), start) << start.size();
  }
  Put(WithTail(Bytes(16, 0)));  // the real write is back in place
  EXPECT_EQ(Said(WriteSiteFile(-2.5, 48.8)), "ok");
  EXPECT_EQ(Get(), WithTail(kFixture));
}

// The owner of a read-only file expects it to stay as it is, also when the
// program runs as root, whom the system would let write it.
TEST_F(SiteFileTest, ReadOnlyFileIsRefusedWhoeverRuns) {
  Put(kFixture);
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions("Zenko.loc", readOnly);
  EXPECT_EQ(Said(WriteSiteFile(1.0, 2.0)), NotOpened(EACCES));
  EXPECT_EQ(std::get<0>(ReadBack()), "ok");  // reading it is fine
  EXPECT_EQ(Get(), kFixture);
  EXPECT_EQ(fs::status("Zenko.loc").permissions() & fs::perms::all, readOnly);
  // One write permission, the group's, is enough.
  fs::permissions("Zenko.loc", fs::perms::group_write, fs::perm_options::add);
  EXPECT_TRUE(geteuid() != 0 || Said(WriteSiteFile(1.0, 2.0)) == "ok");
}

// A coordinate to keep is the file's own 8 bytes at the time of saving,
// to the last bit; the other one is written as given.
TEST_F(SiteFileTest, KeptCoordinatesAreTheFilesOwnBytes) {
  Bytes start = kFixture;
  start[0] = 0x01;                     // -2.5 with its last bit changed
  start[14] = 0xF8, start[15] = 0x7F;  // latitude: a NaN
  start.push_back('t');
  Put(start);
  SiteCoordinate lon{9.0, true}, lat{9.0, true}, typed{48.8, false};
  ASSERT_EQ(Said(WriteSiteFile(lon, lat)), "ok");
  EXPECT_EQ(Get(), start);
  EXPECT_EQ(lon.value, LoadDoubleLE(start.data()));
  EXPECT_EQ(lat.value, 0.0);  // what reading the NaN gives
  ASSERT_EQ(Said(WriteSiteFile(lon, typed)), "ok");
  std::copy(kFixture.begin() + 8, kFixture.end(), start.begin() + 8);
  EXPECT_EQ(Get(), start);
  Put({0xAA, 0xBB});  // a file too short to hold the value keeps it as 0.0
  SiteCoordinate shortLon{9.0, true};
  ASSERT_EQ(Said(WriteSiteFile(shortLon, typed)), "ok");
  std::fill(start.begin(), start.begin() + 8, 0);
  EXPECT_EQ(Get(), Bytes(start.begin(), start.begin() + 16));
  EXPECT_EQ(shortLon.value, 0.0);
}

// Two programs save at the same moment, each its own coordinate, keeping
// the other one as the file holds it. Each save must see the other's last
// save and leave its own: before each save the file holds the coordinate
// as this program last saved it, never an older value written back.
TEST_F(SiteFileTest, ConcurrentSavesNeverWriteBackAnOldValue) {
  Put(Bytes(16, 0));
  constexpr int kSaves = 3000;
  auto saver = [](bool longitude) {
    return [longitude] {
      int stale = 0;
      for (int i = 1; i <= kSaves; ++i) {
        double lon = 0, lat = 0;
        if (ReadSiteFile(lon, lat).status != SiteFileStatus::Ok) return std::string("read failed");
        stale += (longitude ? lon : lat) != i - 1;
        SiteCoordinate mine{double(i), false}, other{0.0, true};
        SiteFileResult saved = longitude ? WriteSiteFile(mine, other) : WriteSiteFile(other, mine);
        if (saved.status != SiteFileStatus::Ok) return Said(saved);
      }
      return std::to_string(stale) + " stale";
    };
  };
  Child west = Start(saver(true), 8), north = Start(saver(false), 8);
  EXPECT_EQ(Answer(west), "0 stale");
  EXPECT_EQ(Answer(north), "0 stale");
  EXPECT_EQ(ReadBack(), Read("ok", kSaves, kSaves));
}

// A lock that another program keeps is waited for about two seconds, then
// refused like a file without permission: nothing read, nothing written.
TEST_F(SiteFileTest, LockKeptByAnotherProgramIsRefusedAfterTwoSeconds) {
  Put(kFixture);
  int other = open("Zenko.loc", O_RDONLY);
  ASSERT_TRUE(other >= 0 && flock(other, LOCK_EX) == 0);
  Child reader = Start([] { return std::get<0>(ReadBack()); });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Said(WriteSiteFile(1.0, 2.0)), NotOpened(EACCES));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(Answer(reader), NotOpened(EACCES));
  EXPECT_TRUE(waited > std::chrono::milliseconds(1900) && waited < std::chrono::seconds(3));
  EXPECT_EQ(Get(), kFixture);
  close(other);
}

}  // namespace
