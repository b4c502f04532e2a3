// The site file on a real file in a temporary directory: its bytes, the
// statuses of its failures (pipes, devices and directories refused without
// waiting, a file-size limit, a full disk, a read-only file), the bits it
// keeps; and the equatorial form taking over from the precession form.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Bytes.h"
#include "Dialog.h"
#include "ScriptHost.h"
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

// What a failure says: the status, the errno and the name for %1.
std::string Said(const SiteFileResult& r) {
  if (r.status == SiteFileStatus::Ok) return "ok";
  return (r.status == SiteFileStatus::OpenFailed ? "not opened " : "failed ") +
         std::to_string(r.error) + " " + r.name;
}

// Runs each test in a fresh empty directory.
class SiteFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "zenko-site-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  static void Put(const Bytes& bytes) {
    std::ofstream out("Zenko.loc", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static Bytes Get() {
    std::ifstream in("Zenko.loc", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  static std::string NotOpened(int error) { return "not opened " + std::to_string(error) + " Zenko.loc"; }
  static std::string Failed(int error) {
    return "failed " + std::to_string(error) + " " + (fs::current_path() / "Zenko.loc").string();
  }
  fs::path previous_, dir_;
};

TEST_F(SiteFileTest, LittleEndianBytesTrailingBytesKept) {
  Put(WithTail(Bytes(16, 0)));
  EXPECT_EQ(Said(WriteSiteFile(-2.5, 48.8)), "ok");
  EXPECT_EQ(Get(), WithTail(kFixture));
  double lon = 0, lat = 0;
  EXPECT_EQ(Said(ReadSiteFile(lon, lat)), "ok");
  EXPECT_EQ(lon, -2.5);
  EXPECT_EQ(lat, 48.8);
  Put({0xAA, 0xBB});  // a short file grows to sixteen bytes
  EXPECT_EQ(Said(WriteSiteFile(-2.5, 48.8)), "ok");
  EXPECT_EQ(Get(), kFixture);
}

TEST_F(SiteFileTest, ShortFilesAndValuesThatAreNotNumbersReadAsZero) {
  Bytes nan = kFixture, inf = kFixture;
  nan[6] = 0xF8, nan[7] = 0x7F;  // quiet NaN
  std::fill(inf.begin() + 8, inf.begin() + 14, 0);
  inf[14] = 0xF0, inf[15] = 0x7F;  // +infinity
  const struct {
    Bytes bytes;
    double lon, lat;
  } cases[] = {{{}, 0, 0}, {{0x01, 0x02}, 0, 0}, {Bytes(kFixture.begin(), kFixture.begin() + 8), -2.5, 0},
               {Bytes(kFixture.begin(), kFixture.begin() + 11), -2.5, 0}, {nan, 0, 48.8},
               {inf, -2.5, 0}, {Bytes(16, 0), 0, 0}};
  for (const auto& c : cases) {
    Put(c.bytes);
    double lon = 9, lat = 9;
    EXPECT_EQ(Said(ReadSiteFile(lon, lat)), "ok");
    EXPECT_EQ(lon, c.lon) << c.bytes.size();
    EXPECT_EQ(lat, c.lat) << c.bytes.size();
    EXPECT_EQ(Get(), c.bytes);  // reading changes nothing
  }
}

TEST_F(SiteFileTest, MissingFileIsNeverCreated) {
  double lon = 7, lat = 7;
  EXPECT_EQ(Said(ReadSiteFile(lon, lat)), NotOpened(ENOENT));
  EXPECT_EQ(lon + lat, 0.0);
  EXPECT_EQ(Said(WriteSiteFile(1.0, 2.0)), NotOpened(ENOENT));
  EXPECT_FALSE(fs::exists("Zenko.loc"));
}

TEST(SiteValueText, RoundedFoldedColonForm) {
  EXPECT_EQ(SiteValueText(2.5), "2:30:0");
  EXPECT_EQ(SiteValueText(-0.5), "-0:30:0");
  EXPECT_EQ(SiteValueText(500.0), "140:0:0");
  EXPECT_EQ(SiteValueText(100.0), "100:0:0");
  EXPECT_EQ(SiteValueText(180.0), "-180:0:0");
  EXPECT_EQ(SiteValueText(48.8), "48:48:0");
  for (double none : {0.0, -0.0, double(NAN), double(INFINITY)}) EXPECT_EQ(SiteValueText(none), "");
}

// Runs body in a child process and gives back what it returned, or "(no
// answer in time)" when the child has not finished within the time limit
// (it is then killed), or the signal that ended it.
std::string InChild(const std::function<std::string()>& body, int seconds = 5) {
  int channel[2];
  if (pipe(channel) != 0) return "(no pipe)";
  pid_t child = fork();
  if (child < 0) return "(no fork)";
  if (child == 0) {
    close(channel[0]);
    std::string answer = body();
    ssize_t ignored = write(channel[1], answer.data(), answer.size());
    (void)ignored;
    _exit(0);
  }
  close(channel[1]);
  std::string answer = "(no answer in time)";
  for (int waited = 0; waited < seconds * 100; ++waited, usleep(10000)) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) != child) continue;
    answer.clear();
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
      answer.append(buffer, static_cast<std::size_t>(n));
    if (WIFSIGNALED(status)) answer += "(killed by signal " + std::to_string(WTERMSIG(status)) + ")";
    child = 0;
    break;
  }
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  close(channel[0]);
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
    std::string answer = InChild([] {
      double lon = 0, lat = 0;
      return Said(ReadSiteFile(lon, lat)) + "\n" + Said(WriteSiteFile(1.0, 2.0));
    });
    EXPECT_EQ(answer, Failed(EACCES) + "\n" + NotOpened(EACCES)) << kind;
  }
  EXPECT_TRUE(fs::is_directory("Zenko.loc"));
}

// Under a file-size limit the write stops part-way (or at once) and the
// next one fails with EFBIG: the program is not ended by SIGXFSZ, the disk
// is said to be full, and the file holds its old bytes, trailing ones too.
TEST_F(SiteFileTest, FileSizeLimitLeavesTheFileAsItWas) {
  const struct {
    Bytes start;
    rlim_t limit;
  } cases[] = {{WithTail(kFixture), 0},  {WithTail(kFixture), 4}, {WithTail(kFixture), 8},
               {WithTail(kFixture), 12}, {WithTail(kFixture), 15}, {{0xAA, 0xBB}, 2},
               {{0xAA, 0xBB}, 8}, {{}, 8}, {WithTail(kFixture), 16}};
  for (const auto& c : cases) {
    Put(c.start);
    std::string answer = InChild([&c] {
      rlimit limit = {c.limit, c.limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("(no limit)");
      return Said(WriteSiteFile(-2.5, 48.8));
    });
    // Sixteen bytes fit under the last limit: the same bytes are saved.
    EXPECT_EQ(answer, c.limit == 16 ? "ok" : Failed(EFBIG)) << c.limit;
    EXPECT_EQ(Get(), c.start) << c.limit;
  }
}

// A disk that fills up after 8 bytes: the first write stores 8 bytes, the
// next fails with ENOSPC.
std::size_t storedByFullDisk = 0;
ssize_t FullAfterEightBytes(int fd, const void* bytes, std::size_t count, off_t offset) {
  if (offset >= 8) {
    errno = ENOSPC;
    return -1;
  }
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
  Put(WithTail(kFixture));  // the real write is back in place
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
  double lon = 0, lat = 0;
  EXPECT_EQ(Said(ReadSiteFile(lon, lat)), "ok");  // reading it is fine
  EXPECT_EQ(Get(), kFixture);
  EXPECT_EQ(fs::status("Zenko.loc").permissions() & fs::perms::all, readOnly);
  // One write permission, the group's, is enough.
  fs::permissions("Zenko.loc", fs::perms::group_write, fs::perm_options::add);
  EXPECT_TRUE(geteuid() != 0 || Said(WriteSiteFile(1.0, 2.0)) == "ok");
}

// Saving rewrites the file where it is: its mode, its other names and the
// bytes after the sixteenth stay.
TEST_F(SiteFileTest, SaveKeepsModeLinksAndTrailingBytes) {
  Put(WithTail(Bytes(16, 0)));
  fs::rename("Zenko.loc", "real.loc");
  fs::permissions("real.loc", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_hard_link("real.loc", "other.loc");
  fs::create_symlink("real.loc", "Zenko.loc");
  ASSERT_EQ(Said(WriteSiteFile(-2.5, 48.8)), "ok");
  EXPECT_EQ(Get(), WithTail(kFixture));
  EXPECT_TRUE(fs::is_symlink("Zenko.loc"));
  std::ifstream other("other.loc", std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(other), {}), WithTail(kFixture));
  EXPECT_EQ(fs::status("real.loc").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
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
  Bytes zeroLon(8, 0);
  zeroLon.insert(zeroLon.end(), kFixture.begin() + 8, kFixture.end());
  EXPECT_EQ(Get(), zeroLon);
  EXPECT_EQ(shortLon.value, 0.0);
}

// Stand-ins for the precession form (a title beginning with "P", its
// results and its final epoch) and for another opener.
class CStandInDlg : public CDialog {
 public:
  CStandInDlg(int id, const char* title, std::vector<std::string> texts, CDialog* owner)
      : CDialog(Make(id, title), owner), texts_(std::move(texts)) {
    for (int k = 0; k < 3; ++k) BindText(kIds[k], texts_[std::size_t(k)]);
    OnButton(1061, [this] { CreateForm(134, this)->DoModal(); });
  }

 private:
  static constexpr int kIds[3] = {1046, 1052, 1053};
  static const FormTemplate& Make(int id, const char* title) {
    static std::map<int, FormTemplate> forms;
    FormTemplate& t = forms[id];
    t.id = id;
    t.title = title;
    t.controls = {Edit(1046, {0, 0}), Result(1052, {1, 0}), Result(1053, {2, 0}),
                  Button(1061, "Coordonnées horizontales", {3, 0}),
                  Button(1, "&Retour", {4, 0}), Button(2, "&Exit", {4, 1})};
    return t;
  }
  std::vector<std::string> texts_;
};

FormFactory StandIn(int id, const char* title, std::vector<std::string> texts) {
  return [=](CDialog* owner) { return std::make_unique<CStandInDlg>(id, title, texts, owner); };
}

std::string RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(RunFormScript(in, out, err), 0) << err.str();
  return out.str();
}

TEST_F(SiteFileTest, TakesOverFromThePrecessionForm) {
  static const bool registered =
      RegisterForm(9901, StandIn(9901, "Précession des équinoxes et mouvements propres",
                                 {"01/01/2000", "12h 42m 44.846s", "- 0° 30' 5.12\""})) &&
      RegisterForm(9902, StandIn(9902, "Précession (sans résultats)", {"J2000", "", ""})) &&
      RegisterForm(9903, StandIn(9903, "Autre fenêtre", {"01/01/2000", "12h 0m 0.000s", "1° 0' 0\""}));
  ASSERT_TRUE(registered);
  Put(kFixture);
  const std::string get = "click 1061\nget 1042\nget 1043\nget 1018\nget 1057\nget 1007\n";
  EXPECT_EQ(RunScript("open 9901\n" + get + "click 2\nget 1046\nclick 1\n"),
            "open 134\nfocus 1025\n1042=12:42:44.846\n1043=-0:30:5.12\n1018=01/01/2000\n"
            "1057=-2:30:0\n1007=48:48:0\nclose ok\n1046=01/01/2000\nclose ok\n");
  // Results not computed yet come over empty: the focus on the first.
  EXPECT_EQ(RunScript("open 9902\n" + get + "key escape\nclick 1\n"),
            "open 134\nfocus 1042\n1042=\n1043=\n1018=J2000\n1057=-2:30:0\n1007=48:48:0\n"
            "close ok\nclose ok\n");
  // Another opener: nothing is taken.
  EXPECT_EQ(RunScript("open 9903\n" + get + "click 1\nclick 1\n"),
            "open 134\n1042=\n1043=\n1018=\n1057=-2:30:0\n1007=48:48:0\nclose ok\nclose ok\n");
  // No site file: its message, and neither filling nor take-over.
  fs::remove("Zenko.loc");
  EXPECT_EQ(RunScript("open 9901\n" + get + "click 1\nclick 1\n"),
            "open 134\nmessage error Impossible de trouver Zenko.loc.\n"
            "1042=\n1043=\n1018=\n1057=\n1007=\nclose ok\nclose ok\n");
}

}  // namespace
