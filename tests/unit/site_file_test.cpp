// The site file on a real file in a temporary directory, and the two forms
// that read it driven through the script host.
#include <gtest/gtest.h>
#include <erfa.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Dialog.h"
#include "ScriptHost.h"
#include "SiteFile.h"
#include "Bytes.h"
#include "MessageCapture.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// Runs each test in a fresh empty directory.
class SiteFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    std::string pattern =
        (fs::temp_directory_path() / "zenko-site-XXXXXX").string();
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
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  static Bytes Get() {
    std::ifstream in("Zenko.loc", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  std::string FullPath() const {
    return (fs::current_path() / "Zenko.loc").string();
  }

  fs::path previous_, dir_;
};

// -2.5 and 48.8 written out by hand, least significant byte first.
const Bytes kFixture = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0,
                        0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x48, 0x40};

TEST_F(SiteFileTest, ReadsLittleEndianBytes) {
  Put(kFixture);
  MessageCapture messages;
  double lon = 1, lat = 1;
  ASSERT_TRUE(ReadSiteFile(lon, lat));
  EXPECT_EQ(lon, -2.5);
  EXPECT_EQ(lat, 48.8);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SiteFileTest, WritesLittleEndianBytesAndKeepsTheRest) {
  Bytes start(16, 0);
  start.insert(start.end(), {'t', 'a', 'i', 'l'});
  Put(start);
  MessageCapture messages;
  ASSERT_TRUE(WriteSiteFile(-2.5, 48.8));
  Bytes expected = kFixture;
  expected.insert(expected.end(), {'t', 'a', 'i', 'l'});
  EXPECT_EQ(Get(), expected);
  double lon = 0, lat = 0;
  ASSERT_TRUE(ReadSiteFile(lon, lat));
  EXPECT_EQ(lon, -2.5);
  EXPECT_EQ(lat, 48.8);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SiteFileTest, MissingFileIsReportedAndNeverCreated) {
  MessageCapture messages;
  double lon = 7, lat = 7;
  EXPECT_FALSE(ReadSiteFile(lon, lat));
  EXPECT_EQ(lon, 0.0);
  EXPECT_EQ(lat, 0.0);
  EXPECT_FALSE(WriteSiteFile(1.0, 2.0));
  EXPECT_FALSE(fs::exists("Zenko.loc"));
  const std::vector<ShownMessage> expected = {
      {"Impossible de trouver Zenko.loc.", Icon::Error},
      {"Impossible de trouver Zenko.loc.", Icon::Error}};
  EXPECT_EQ(messages.shown, expected);
}

TEST_F(SiteFileTest, DirectoryNamedLikeTheFile) {
  fs::create_directory("Zenko.loc");
  MessageCapture messages;
  double lon = 0, lat = 0;
  EXPECT_FALSE(ReadSiteFile(lon, lat));
  EXPECT_FALSE(WriteSiteFile(1.0, 2.0));
  ASSERT_EQ(messages.shown.size(), 2u);
  // Opened but not readable: the full path; not openable for writing.
  EXPECT_EQ(messages.shown[0].text,
            "L'accès à " + FullPath() + " a été refusé.");
  EXPECT_EQ(messages.shown[1].text, "L'accès à Zenko.loc a été refusé.");
  EXPECT_TRUE(fs::is_directory("Zenko.loc"));
}

TEST_F(SiteFileTest, ShortFilesAndValuesThatAreNotNumbers) {
  struct Case {
    Bytes bytes;
    double lon, lat;
  };
  Bytes eight(kFixture.begin(), kFixture.begin() + 8);
  Bytes eleven(kFixture.begin(), kFixture.begin() + 11);
  Bytes nan = kFixture;
  nan[6] = 0xF8, nan[7] = 0x7F;  // quiet NaN
  Bytes inf = kFixture;
  inf[8] = inf[9] = inf[10] = inf[11] = inf[12] = inf[13] = 0;
  inf[14] = 0xF0, inf[15] = 0x7F;  // +infinity
  const Case cases[] = {
      {{}, 0, 0},     {{0x01, 0x02}, 0, 0}, {eight, -2.5, 0},
      {eleven, -2.5, 0}, {nan, 0, 48.8},    {inf, -2.5, 0},
      {Bytes(16, 0), 0, 0},
  };
  for (const Case& c : cases) {
    Put(c.bytes);
    MessageCapture messages;
    double lon = 9, lat = 9;
    EXPECT_TRUE(ReadSiteFile(lon, lat));
    EXPECT_EQ(lon, c.lon) << c.bytes.size();
    EXPECT_EQ(lat, c.lat) << c.bytes.size();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Get(), c.bytes);  // reading changes nothing
  }
}

TEST_F(SiteFileTest, ShortFileGrowsToSixteenBytesOnSave) {
  Put({0xAA, 0xBB});
  MessageCapture messages;
  ASSERT_TRUE(WriteSiteFile(-2.5, 48.8));
  EXPECT_EQ(Get(), kFixture);
}

TEST(SiteFileErrorText, EveryCause) {
  struct Case {
    int error;
    const char* text;
  };
  const Case cases[] = {
      {ENOENT, "Impossible de trouver %1."},
      {ENAMETOOLONG, "%1 contient un chemin non valide."},
      {ENOTDIR, "%1 contient un chemin non valide."},
      {ELOOP, "%1 contient un chemin non valide."},
      {EMFILE, "Impossible d'ouvrir %1 car il y a trop de fichiers ouverts."},
      {ENFILE, "Impossible d'ouvrir %1 car il y a trop de fichiers ouverts."},
      {EACCES, "L'accès à %1 a été refusé."},
      {EPERM, "L'accès à %1 a été refusé."},
      {EROFS, "L'accès à %1 a été refusé."},
      {EBUSY, "Une violation de partage s'est produite lors de l'accès à %1."},
      {ETXTBSY,
       "Une violation de partage s'est produite lors de l'accès à %1."},
      {ENOSPC, "Disque plein lors de l'accès à %1."},
      {EIO, "Une erreur inconnue s'est produite lors de l'accès à %1."},
      {0, "Une erreur inconnue s'est produite lors de l'accès à %1."},
  };
  for (const Case& c : cases) EXPECT_EQ(SiteFileErrorText(c.error), c.text);
}

TEST(SiteValueText, RoundedFoldedColonForm) {
  EXPECT_EQ(SiteValueText(2.5), "2:30:0");
  EXPECT_EQ(SiteValueText(-0.5), "-0:30:0");
  EXPECT_EQ(SiteValueText(500.0), "140:0:0");
  EXPECT_EQ(SiteValueText(100.0), "100:0:0");
  EXPECT_EQ(SiteValueText(180.0), "-180:0:0");
  EXPECT_EQ(SiteValueText(48.8), "48:48:0");
  EXPECT_EQ(SiteValueText(0.0), "");
  EXPECT_EQ(SiteValueText(-0.0), "");
  EXPECT_EQ(SiteValueText(NAN), "");
  EXPECT_EQ(SiteValueText(INFINITY), "");
}

std::string RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(RunFormScript(in, out, err), 0) << err.str();
  return out.str();
}

// "D° M' S"" (or "-D° ...", "- 0° ...") back to degrees.
double Degrees(const std::string& text) {
  bool negative = text.find('-') != std::string::npos;
  double d = 0, m = 0, s = 0;
  std::string digits;
  for (char c : text) digits += (c >= '0' && c <= '9') ? c : ' ';
  std::istringstream(digits) >> d >> m >> s;
  double value = d + m / 60.0 + s / 3600.0;
  return negative ? -value : value;
}

std::string Field(const std::string& out, int id) {
  std::string key = std::to_string(id) + "=";
  std::string::size_type at = out.find(key);
  if (at == std::string::npos) return "";
  at += key.size();
  return out.substr(at, out.find('\n', at) - at);
}

// Azimuth and altitude against liberfa's hour angle to horizon conversion,
// its azimuth counted from the north eastwards, ours from the south
// westwards; the hour angle from liberfa's own Greenwich sidereal time.
TEST_F(SiteFileTest, HorizontalCoordinatesAgreeWithLiberfa) {
  struct Case {
    const char *ra, *dec, *lon, *lat, *date, *time;
    double raHours, decDeg, lonDeg, latDeg;
    int year, month, day;
    double hours;
  };
  const Case cases[] = {
      {"5:55:10.3", "7:24:25", "-2:20:0", "48:50:0", "15/03/2021", "21:30:0",
       5 + 55 / 60.0 + 10.3 / 3600, 7 + 24 / 60.0 + 25 / 3600.0,
       -(2 + 20 / 60.0), 48 + 50 / 60.0, 2021, 3, 15, 21.5},
      {"18:36:56.3", "38:47:1", "71:5:0", "42:21:0", "04/07/1995", "3:0:0",
       18 + 36 / 60.0 + 56.3 / 3600, 38 + 47 / 60.0 + 1 / 3600.0,
       71 + 5 / 60.0, 42 + 21 / 60.0, 1995, 7, 4, 3.0},
      {"6:45:8.9", "-16:42:58", "-151:12:0", "-33:52:0", "31/12/2010",
       "10:15:0", 6 + 45 / 60.0 + 8.9 / 3600, -(16 + 42 / 60.0 + 58 / 3600.0),
       -151.2, -(33 + 52 / 60.0), 2010, 12, 31, 10.25},
  };
  const double kRad = 3.141592653589793238462643 / 180.0;
  for (const Case& c : cases) {
    Put(Bytes(16, 0));
    std::string out = RunScript(std::string("open 134\nset 1042 ") + c.ra +
                          "\nset 1043 " + c.dec + "\nset 1057 " + c.lon +
                          "\nset 1007 " + c.lat + "\nset 1018 " + c.date +
                          "\nset 1025 " + c.time + "\nclick 1017\nget 1058\n"
                          "get 1059\nclick 1\n");
    double jd0 = 0, jd = 0;
    ASSERT_EQ(eraCal2jd(c.year, c.month, c.day, &jd0, &jd), 0);
    double gmst = eraGmst82(jd0, jd + c.hours / 24);
    double ha = gmst - c.lonDeg * kRad - c.raHours * 15 * kRad;
    double az = 0, el = 0;
    eraHd2ae(ha, c.decDeg * kRad, c.latDeg * kRad, &az, &el);
    double south = std::remainder(az / kRad - 180.0, 360.0);
    double azimuth = Degrees(Field(out, 1058));
    EXPECT_NEAR(std::remainder(azimuth - south, 360.0), 0.0, 3.0 / 3600)
        << c.date << " " << out;
    EXPECT_NEAR(Degrees(Field(out, 1059)), el / kRad, 3.0 / 3600)
        << c.date << " " << out;
  }
}

}  // namespace

namespace {

// A stand-in for the precession form: it bears the precession form's
// template id (132) under a registry id of its own, and it holds the right ascension and declination results and the final epoch.
FormTemplate StandInForm(int id, const char* title) {
  FormTemplate t;
  t.id = id;
  t.title = title;
  t.controls = {
      Edit(1046, {0, 0}),
      Result(1052, {1, 0}),
      Result(1053, {2, 0}),
      Button(1061, "Coordonnées horizontales", {3, 0}),
      Button(1, "&Retour", {4, 0}),
      Button(2, "&Exit", {4, 1}),
  };
  return t;
}

class CStandInDlg : public CDialog {
 public:
  CStandInDlg(const FormTemplate& form, CDialog* owner,
              std::vector<std::string> texts)
      : CDialog(form, owner), texts_(std::move(texts)) {
    BindText(1046, texts_[0]);
    BindText(1052, texts_[1]);
    BindText(1053, texts_[2]);
    OnButton(1061, [this] { CreateForm(134, this)->DoModal(); });
  }

 private:
  std::vector<std::string> texts_;
};

const bool registeredStandIns =
    RegisterForm(9901,
                 [](CDialog* owner) -> std::unique_ptr<CDialog> {
                   static const FormTemplate form = StandInForm(
                       132, "Précession des équinoxes et mouvements propres");
                   return std::make_unique<CStandInDlg>(
                       form, owner,
                       std::vector<std::string>{"01/01/2000", "12h 42m 44.846s",
                                                "- 0° 30' 5.12\""});
                 }) &&
    RegisterForm(9902,
                 [](CDialog* owner) -> std::unique_ptr<CDialog> {
                   static const FormTemplate form =
                       StandInForm(132, "Précession (sans résultats)");
                   return std::make_unique<CStandInDlg>(
                       form, owner, std::vector<std::string>{"J2000", "", ""});
                 }) &&
    RegisterForm(9903, [](CDialog* owner) -> std::unique_ptr<CDialog> {
      static const FormTemplate form = StandInForm(9903, "Autre fenêtre");
      return std::make_unique<CStandInDlg>(
          form, owner,
          std::vector<std::string>{"01/01/2000", "12h 0m 0.000s", "1° 0' 0\""});
    });

TEST_F(SiteFileTest, TakesOverFromThePrecessionForm) {
  ASSERT_TRUE(registeredStandIns);
  Put(kFixture);
  const char* get = "get 1042\nget 1043\nget 1018\nget 1057\nget 1007\n";
  EXPECT_EQ(RunScript(std::string("open 9901\nclick 1061\n") + get +
                      "click 2\nget 1046\nclick 1\n"),
            "open 134\nfocus 1025\n1042=12:42:44.846\n1043=-0:30:5.12\n"
            "1018=01/01/2000\n1057=-2:30:0\n1007=48:48:0\nclose ok\n"
            "1046=01/01/2000\nclose ok\n");
  // Results not computed yet come over empty: the focus on the first.
  EXPECT_EQ(RunScript(std::string("open 9902\nclick 1061\n") + get +
                      "key escape\nclick 1\n"),
            "open 134\nfocus 1042\n1042=\n1043=\n1018=J2000\n"
            "1057=-2:30:0\n1007=48:48:0\nclose ok\nclose ok\n");
  // Another opener: nothing is taken.
  EXPECT_EQ(RunScript(std::string("open 9903\nclick 1061\n") + get +
                      "click 1\nclick 1\n"),
            "open 134\n1042=\n1043=\n1018=\n1057=-2:30:0\n1007=48:48:0\n"
            "close ok\nclose ok\n");
  // No site file: neither filling nor take-over.
  fs::remove("Zenko.loc");
  EXPECT_EQ(RunScript(std::string("open 9901\nclick 1061\n") + get +
                      "click 1\nclick 1\n"),
            "open 134\nmessage error Impossible de trouver Zenko.loc.\n"
            "1042=\n1043=\n1018=\n1057=\n1007=\nclose ok\nclose ok\n");
}

}  // namespace

namespace {

// Runs body in a child process and gives back what it returned, or
// "(no answer in time)" when the child has not finished within the time
// limit (it is then killed), or the way it ended when it did not return.
std::string InChild(const std::function<std::string()>& body,
                    int seconds = 5) {
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
  std::string answer;
  bool finished = false;
  for (int waited = 0; waited < seconds * 100; ++waited) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      char buffer[4096];
      ssize_t n;
      while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<std::size_t>(n));
      if (WIFSIGNALED(status))
        answer += "(killed by signal " + std::to_string(WTERMSIG(status)) + ")";
      finished = true;
      break;
    }
    usleep(10000);
  }
  if (!finished) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    answer = "(no answer in time)";
  }
  close(channel[0]);
  return answer;
}

std::string Shown(const MessageCapture& messages) {
  std::string text;
  for (const ShownMessage& m : messages.shown) text += m.text + "\n";
  return text;
}

// A pipe, a device or a directory named Zenko.loc is refused at once by
// both forms that read it and by the save, and nothing waits on it.
TEST_F(SiteFileTest, NeverWaitsOnAFileThatIsNotRegular) {
  const std::string opened = "L'accès à " + FullPath() + " a été refusé.";
  const std::string refused = "L'accès à Zenko.loc a été refusé.";
  for (const char* kind : {"fifo", "device", "directory"}) {
    fs::remove_all("Zenko.loc");
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(mkfifo("Zenko.loc", 0644), 0);
    }
    if (std::string(kind) == "device") fs::create_symlink("/dev/zero", "Zenko.loc");
    if (std::string(kind) == "directory") fs::create_directory("Zenko.loc");
    std::string answer = InChild([] {
      return RunScript("open 134\nclick 1062\nget 1057\nget 1007\nclick 1\n") +
             RunScript("open 135\nget 1057\nclick 1\n");
    });
    EXPECT_EQ(answer, "message error " + opened + "\nmessage error " +
                          refused + "\n1057=\n1007=\nclose ok\n" +
                          "message error " + opened + "\n1057=\nclose ok\n")
        << kind;
  }
  EXPECT_TRUE(fs::is_directory("Zenko.loc"));
  fs::remove("Zenko.loc");
  ASSERT_EQ(mkfifo("Zenko.loc", 0644), 0);
  EXPECT_TRUE(fs::is_fifo("Zenko.loc"));
}

// Under a file-size limit the write stops part-way (or at once) and the
// next one fails with EFBIG: the program is not ended by SIGXFSZ, says the
// disk is full, and the file holds its old bytes, trailing ones included.
TEST_F(SiteFileTest, FileSizeLimitLeavesTheFileAsItWas) {
  struct Case {
    Bytes start;
    rlim_t limit;
  };
  Bytes tail = kFixture;
  tail.insert(tail.end(), {'t', 'a', 'i', 'l'});
  const Case cases[] = {{tail, 0},  {tail, 4},  {tail, 8},  {tail, 12},
                        {tail, 15}, {{0xAA, 0xBB}, 2}, {{0xAA, 0xBB}, 8},
                        {{}, 8}};
  const std::string full = "Disque plein lors de l'accès à " + FullPath() + ".";
  for (const Case& c : cases) {
    Put(c.start);
    std::string answer = InChild([&c] {
      rlimit limit = {c.limit, c.limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("(no limit)");
      MessageCapture messages;
      bool saved = WriteSiteFile(1.0, 2.0);
      return std::string(saved ? "saved\n" : "refused\n") + Shown(messages);
    });
    EXPECT_EQ(answer, "refused\n" + full + "\n") << c.limit;
    EXPECT_EQ(Get(), c.start) << c.limit;
  }
  // A limit the sixteen bytes fit under changes nothing.
  Put(tail);
  EXPECT_EQ(InChild([] {
              rlimit limit = {16, 16};
              setrlimit(RLIMIT_FSIZE, &limit);
              return std::string(WriteSiteFile(-2.5, 48.8) ? "saved" : "refused");
            }),
            "saved");
  EXPECT_EQ(Get(), tail);
}

// A disk that fills up after 8 bytes: the first write stores 8 bytes, the
// next fails with ENOSPC.
std::size_t storedByFullDisk = 0;
ssize_t FullAfterEightBytes(int fd, const void* bytes, std::size_t count,
                            off_t offset) {
  if (offset >= 8) {
    errno = ENOSPC;
    return -1;
  }
  std::size_t n = std::min<std::size_t>(count, 8 - static_cast<std::size_t>(offset));
  ssize_t put = pwrite(fd, bytes, n, offset);
  if (put > 0) storedByFullDisk += static_cast<std::size_t>(put);
  return put;
}

TEST_F(SiteFileTest, FullDiskLeavesTheFileAsItWas) {
  Bytes tail = kFixture;
  tail.insert(tail.end(), {'t', 'a', 'i', 'l'});
  for (const Bytes& start : {tail, Bytes{0xAA, 0xBB}, Bytes{}}) {
    Put(start);
    MessageCapture messages;
    storedByFullDisk = 0;
    SiteFileWriter previous = SetSiteFileWriter(&FullAfterEightBytes);
    bool saved = WriteSiteFile(1.0, 2.0);
    SetSiteFileWriter(previous);
    EXPECT_FALSE(saved);
    EXPECT_GE(storedByFullDisk, 8u);  // the new longitude went in first
    EXPECT_EQ(Get(), start) << start.size();
    const std::vector<ShownMessage> expected = {
        {"Disque plein lors de l'accès à " + FullPath() + ".", Icon::Error}};
    EXPECT_EQ(messages.shown, expected);
  }
  // The real write is back in place.
  Put(tail);
  EXPECT_TRUE(WriteSiteFile(-2.5, 48.8));
  EXPECT_EQ(Get(), tail);
}

// The owner of a read-only file expects it to stay as it is, also when the
// program runs as root, whom the system would let write it.
TEST_F(SiteFileTest, ReadOnlyFileIsRefusedWhoeverRuns) {
  Put(kFixture);
  fs::permissions("Zenko.loc", fs::perms::owner_read | fs::perms::group_read |
                                   fs::perms::others_read);
  MessageCapture messages;
  EXPECT_FALSE(WriteSiteFile(1.0, 2.0));
  double lon = 0, lat = 0;
  EXPECT_TRUE(ReadSiteFile(lon, lat));  // reading it is fine
  const std::vector<ShownMessage> expected = {
      {"L'accès à Zenko.loc a été refusé.", Icon::Error}};
  EXPECT_EQ(messages.shown, expected);
  EXPECT_EQ(Get(), kFixture);
  EXPECT_EQ(fs::status("Zenko.loc").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // One write permission, the group's, is enough.
  fs::permissions("Zenko.loc", fs::perms::group_write, fs::perm_options::add);
  if (geteuid() == 0) {
    EXPECT_TRUE(WriteSiteFile(1.0, 2.0));
  }
}

// Saving rewrites the file where it is: its mode, its other names and the
// bytes after the sixteenth stay.
TEST_F(SiteFileTest, SaveKeepsModeLinksAndTrailingBytes) {
  Bytes tail(16, 0);
  tail.insert(tail.end(), {'t', 'a', 'i', 'l'});
  Put(tail);
  fs::rename("Zenko.loc", "real.loc");
  fs::permissions("real.loc", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_hard_link("real.loc", "other.loc");
  fs::create_symlink("real.loc", "Zenko.loc");
  ASSERT_TRUE(WriteSiteFile(-2.5, 48.8));
  Bytes expected = kFixture;
  expected.insert(expected.end(), {'t', 'a', 'i', 'l'});
  EXPECT_EQ(Get(), expected);
  EXPECT_TRUE(fs::is_symlink("Zenko.loc"));
  EXPECT_EQ(fs::hard_link_count("real.loc"), 2u);
  std::ifstream other("other.loc", std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(other), {}), expected);
  EXPECT_EQ(fs::status("real.loc").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

// A coordinate to keep is the file's own 8 bytes at the time of saving,
// whatever they hold; the other one is written as given.
TEST_F(SiteFileTest, KeptCoordinatesAreTheFilesOwnBytes) {
  Bytes start = kFixture;
  start[0] = 0x01;  // -2.5 with its last bit changed
  start[14] = 0xF8, start[15] = 0x7F;  // latitude: a NaN
  start.push_back('t');
  Put(start);
  SiteCoordinate lon{9.0, true}, lat{9.0, true};
  ASSERT_TRUE(WriteSiteFile(lon, lat));
  EXPECT_EQ(Get(), start);
  EXPECT_EQ(lon.value, LoadDoubleLE(start.data()));
  EXPECT_EQ(lat.value, 0.0);  // what reading the NaN gives
  SiteCoordinate typed{48.8, false};
  ASSERT_TRUE(WriteSiteFile(lon, typed));
  Bytes expected = start;
  std::copy(kFixture.begin() + 8, kFixture.begin() + 16, expected.begin() + 8);
  EXPECT_EQ(Get(), expected);
  // A file too short to hold the value keeps it as 0.0.
  Put({0xAA, 0xBB});
  SiteCoordinate shortLon{9.0, true};
  ASSERT_TRUE(WriteSiteFile(shortLon, typed));
  Bytes zeroLon(8, 0);
  zeroLon.insert(zeroLon.end(), kFixture.begin() + 8, kFixture.end());
  EXPECT_EQ(Get(), zeroLon);
  EXPECT_EQ(shortLon.value, 0.0);
}

}  // namespace
