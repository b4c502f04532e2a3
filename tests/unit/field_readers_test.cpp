// The layer's shared field readers, through a bare host that records the
// boxes shown and the focus moves: each message, its order, and the field
// that takes the focus. The texts are those the forms show (see the
// transcripts of the sidereal time, geocentric and precession forms).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Dialog.h"

namespace {

struct Event {
  std::string what;  // "box TEXT" or "focus ID"
  bool operator==(const Event&) const = default;
};

class RecordingHost : public Platform, public DialogHost {
 public:
  RecordingHost() { previous_ = Platform::Install(this); }
  ~RecordingHost() override { Platform::Install(previous_); }
  int RunModal(CDialog&) override { return IDCANCEL; }
  void OpenHelp(const std::string&) override {}
  void ShowMessageBox(const std::string& text, Icon) override {
    events.push_back({"box " + text});
  }
  std::string GetText(int) const override { return {}; }
  void SetText(int, const std::string&) override {}
  bool IsChecked(int) const override { return false; }
  void SetChecked(int, bool) override {}
  void Focus(int id) override { events.push_back({"focus " + std::to_string(id)}); }
  void SetDefaultButton(int) override {}
  void End(int) override {}
  std::vector<Event> events;

 private:
  Platform* previous_;
};

const FormTemplate& EmptyForm() {
  static const FormTemplate form;
  return form;
}

// Opens the protected readers to the tests.
class ReaderForm : public CDialog {
 public:
  explicit ReaderForm(DialogHost& host) : CDialog(EmptyForm(), nullptr) { Attach(&host); }
  ~ReaderForm() override { Attach(nullptr); }
  using CDialog::CheckJulianDayForDate;
  using CDialog::ReadPointMoments;
  using CDialog::ReadPointValues;
  using CDialog::ReadSexagesimalField;
};

const char kMinutesMessage[] =
    "box Erreur ! Les nombres des minutes et des\nsecondes doivent être "
    "inférieurs à 60.\n\nRecommencez !";

TEST(FieldReaders, SexagesimalFieldByRule) {
  struct Row {
    const char* text;
    bool ok;
    std::vector<Event> events;
  };
  const std::string format = std::string("box ") + kLatitudeRule.formatMessage;
  const std::string range = std::string("box ") + kLatitudeRule.rangeMessage;
  const Row rows[] = {
      {"45:30:0", true, {}},
      {"-90:0:0", true, {}},
      {"", false, {{"focus 7"}}},                   // empty: the focus only
      {"45;30", false, {{format}, {"focus 7"}}},   // syntax: the form's message
      {"45:60:0", false, {{kMinutesMessage}, {"focus 7"}}},  // the parser's own
      {"90:0:1", false, {{range}, {"focus 7"}}},   // beyond 90 degrees
  };
  for (const Row& r : rows) {
    RecordingHost host;
    ReaderForm form(host);
    double value = 0.0;
    EXPECT_EQ(form.ReadSexagesimalField(r.text, 7, kLatitudeRule, value), r.ok) << r.text;
    EXPECT_EQ(host.events, r.events) << r.text;
  }
  // 45:30:0 is 45.5 degrees (by hand).
  RecordingHost host;
  ReaderForm form(host);
  double value = 0.0;
  ASSERT_TRUE(form.ReadSexagesimalField("-45:30:0", 7, kLongitudeRule, value));
  EXPECT_EQ(value, -45.5);
  // A rule without a range accepts any magnitude.
  const SexagesimalRule open = {"format", 0.0, nullptr};
  EXPECT_TRUE(form.ReadSexagesimalField("400:0:0", 7, open, value));
  EXPECT_TRUE(host.events.empty());
}

TEST(FieldReaders, JulianDayForDate) {
  const std::string negative =
      "box Le programme ne peut (provisoirement?) calculer\nla date pour un "
      "jour julien négatif.";
  const std::string huge =
      "box Le programme ne peut calculer\nla date pour un jour julien aussi grand.";
  struct Row {
    double jd;
    bool ok;
    std::string box;
  };
  const Row rows[] = {{0.0, true, ""},
                      {999999999.0, true, ""},
                      {-0.0001, false, negative},
                      {1e9, false, huge},
                      {std::numeric_limits<double>::quiet_NaN(), false, huge}};
  for (const Row& r : rows) {
    RecordingHost host;
    ReaderForm form(host);
    EXPECT_EQ(form.CheckJulianDayForDate(r.jd), r.ok) << r.jd;
    EXPECT_EQ(host.events, r.box.empty() ? std::vector<Event>{}
                                          : std::vector<Event>{{r.box}})
        << r.jd;
  }
}

int DateId(int r) { return 100 + r; }
int TimeId(int r) { return 200 + r; }

TEST(FieldReaders, TableOfPoints) {
  const std::string dates[5] = {"1/1/2000", "2/1/2000", "1/1/2000", "", ""};
  const std::string times[5] = {"0:0:0", "0:0:0", "0:0:0", "0:0:0", "0:0:0"};
  double x[5] = {};
  {
    RecordingHost host;
    ReaderForm form(host);
    EXPECT_FALSE(form.ReadPointMoments(6, 9, dates, times, DateId, TimeId, x));
    EXPECT_EQ(host.events,
              (std::vector<Event>{{"box Entrez un nombre de points compris entre 2 et 5."},
                                  {"focus 9"}}));
  }
  {
    // Rows 1 and 3 are the same moment; the message names them in order.
    RecordingHost host;
    ReaderForm form(host);
    EXPECT_FALSE(form.ReadPointMoments(3, 9, dates, times, DateId, TimeId, x));
    EXPECT_EQ(host.events,
              (std::vector<Event>{{"box Étourdi ! Vous avez entré deux fois les mêmes\n"
                                   "dates et heures, en positions 1 et 3 ."}}));
  }
  {
    // 1 January 2000 at 0 h is JD 2451544.5 (liberfa's eraCal2jd agrees).
    RecordingHost host;
    ReaderForm form(host);
    EXPECT_TRUE(form.ReadPointMoments(2, 9, dates, times, DateId, TimeId, x));
    EXPECT_EQ(x[0], 2451544.5);
    EXPECT_EQ(x[1], 2451545.5);
    EXPECT_FALSE(form.ReadPointMoments(4, 9, dates, times, DateId, TimeId, x));
    EXPECT_EQ(host.events.back(), Event{"focus 103"});  // the empty date of row 4
  }
  {
    const std::string values[3] = {"1.5", "2:30:0", "x"};
    RecordingHost host;
    ReaderForm form(host);
    double y[3] = {};
    auto id = [](int r) { return 300 + r; };
    EXPECT_TRUE(form.ReadPointValues(true, values, 1, id, "dec", "sexa", y));
    EXPECT_EQ(y[0], 1.5);
    EXPECT_FALSE(form.ReadPointValues(true, values, 2, id, "dec", "sexa", y));
    EXPECT_FALSE(form.ReadPointValues(false, values + 1, 2, id, "dec", "sexa", y));
    EXPECT_EQ(y[0], 2.5);
    EXPECT_EQ(host.events, (std::vector<Event>{{"box dec"}, {"focus 301"},
                                               {"box sexa"}, {"focus 301"}}));
  }
}

}  // namespace
