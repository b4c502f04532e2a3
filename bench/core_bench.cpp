// Library and form handlers, with liberfa doing the same jobs on the same
// inputs where it can, so that the ratio can be read off one run.
#include <benchmark/benchmark.h>
#include <erfa.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include <fstream>
#include <sstream>
#include <string>

#include "ScriptHost.h"
#include "Precession.h"
#include "Angles.h"
#include "Astronomy.h"
#include "Calendar.h"
#include "Parse.h"

namespace {

// The forms read and write Zenko.loc: work in a directory of our own, away
// from the user's file, with an empty site file written once, before timing.
const bool kInTempDir = [] {
  char pattern[] = "/tmp/zenko-bench-XXXXXX";
  if (!mkdtemp(pattern) || chdir(pattern) != 0) return false;
  std::ofstream("Zenko.loc", std::ios::binary).write(std::string(16, '\0').data(), 16);
  return true;
}();

void BM_ParseDecimalField(benchmark::State& state) {
  double v = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ParseDecimalField("-1234,5678", v));
}
BENCHMARK(BM_ParseDecimalField);

void BM_ParseSexagesimal(benchmark::State& state) {
  double v = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ParseSexagesimal("-12:30:15.25", v));
}
BENCHMARK(BM_ParseSexagesimal);

void BM_ParseTimeField(benchmark::State& state) {
  double v = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ParseTimeField("23:59:59.9", v));
}
BENCHMARK(BM_ParseTimeField);

void BM_Erfa_Cal2jd(benchmark::State& state) {
  double jd0 = 0, jd1 = 0;
  for (auto _ : state) {
    eraCal2jd(1957, 10, 4, &jd0, &jd1);
    benchmark::DoNotOptimize(jd1 += 0.81);
  }
}
BENCHMARK(BM_Erfa_Cal2jd);

void BM_Erfa_Jd2cal(benchmark::State& state) {
  int y, m, d;
  double f;
  for (auto _ : state) {
    eraJd2cal(2436116.31, 0.0, &y, &m, &d, &f);
    benchmark::DoNotOptimize(f);
  }
}
BENCHMARK(BM_Erfa_Jd2cal);

// Paired like for like: the same texts read into the same Julian Day, and
// the same Julian Day written as the same three texts, by liberfa with
// from_chars and snprintf doing the text work.
void BM_Pair_TextToJulianDay(benchmark::State& state) {
  std::string date = "04/10/1957", time = "19:26:24.5";
  JulianDay jd = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(date.data());
    benchmark::DoNotOptimize(time.data());
    ReadDateTimeAsJulianDay(date, time, jd);
    benchmark::DoNotOptimize(jd);
  }
}
BENCHMARK(BM_Pair_TextToJulianDay);

void BM_Pair_Erfa_TextToJulianDay(benchmark::State& state) {
  std::string date = "04/10/1957", time = "19:26:24.5";
  double jd = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(date.data());
    benchmark::DoNotOptimize(time.data());
    const char* p = date.data();
    const char* end = p + date.size();
    int d = 0, m = 0, y = 0, h = 0, mi = 0;
    double sec = 0, jd0 = 0, jd1 = 0, fraction = 0;
    p = std::from_chars(p, end, d).ptr + 1;
    p = std::from_chars(p, end, m).ptr + 1;
    std::from_chars(p, end, y);
    p = time.data();
    end = p + time.size();
    p = std::from_chars(p, end, h).ptr + 1;
    p = std::from_chars(p, end, mi).ptr + 1;
    std::from_chars(p, end, sec);
    if (eraCal2jd(y, m, d, &jd0, &jd1) == 0 && eraTf2d('+', h, mi, sec, &fraction) == 0)
      jd = jd0 + jd1 + fraction;
    benchmark::DoNotOptimize(jd);
  }
}
BENCHMARK(BM_Pair_Erfa_TextToJulianDay);

void BM_Pair_JulianDayToTexts(benchmark::State& state) {
  std::string w, d, t;
  double jd = 2436116.31;
  for (auto _ : state) {
    benchmark::DoNotOptimize(jd);
    FormatJulianDayAsDate(jd, w, d, t);
    benchmark::DoNotOptimize(t.data());
  }
}
BENCHMARK(BM_Pair_JulianDayToTexts);

void BM_Pair_Erfa_JulianDayToTexts(benchmark::State& state) {
  std::string w, d, t;
  double jd = 2436116.31;
  for (auto _ : state) {
    benchmark::DoNotOptimize(jd);
    int y, m, day, hmsf[4];
    double f;
    char sign, buffer[64];
    eraJd2cal(jd, 0.0, &y, &m, &day, &f);
    eraD2tf(1, f, &sign, hmsf);
    w = kWeekdayNames[static_cast<long long>(jd + 0.5) % 7];
    std::snprintf(buffer, sizeof buffer, "%d/%d/%d", day, m, y);
    d = buffer;
    std::snprintf(buffer, sizeof buffer, "%dh %dm %d.%ds", hmsf[0], hmsf[1], hmsf[2], hmsf[3]);
    t = buffer;
    benchmark::DoNotOptimize(t.data());
  }
}
BENCHMARK(BM_Pair_Erfa_JulianDayToTexts);

void BM_SiderealTimeAtGreenwich(benchmark::State& state) {
  double jd = 2451545.0;
  for (auto _ : state) benchmark::DoNotOptimize(astro::SiderealTimeAtGreenwich(jd += 0.001));
}
BENCHMARK(BM_SiderealTimeAtGreenwich);

void BM_Erfa_Gmst82(benchmark::State& state) {
  double jd = 2451545.0;
  for (auto _ : state) benchmark::DoNotOptimize(eraGmst82(jd += 0.001, 0.0));
}
BENCHMARK(BM_Erfa_Gmst82);

void BM_FormatHours(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FormatHours(18.697374552, "", 1, 0));
}
BENCHMARK(BM_FormatHours);

void BM_PrecessCoordinates(benchmark::State& state) {
  for (auto _ : state) {
    auto p = PrecessCoordinates(0.0, 0.05, 3.14159265359, 0.5235987756);
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_PrecessCoordinates);

void BM_Erfa_Prec76(benchmark::State& state) {
  double zeta, z, theta, rp[3][3], v[3] = {-0.866, 0.0, 0.5}, w[3];
  for (auto _ : state) {
    eraPrec76(2451545.0, 0.0, 2469807.5, 0.0, &zeta, &z, &theta);
    eraPmat76(2469807.5, 0.0, rp);
    eraRxp(rp, v, w);
    benchmark::DoNotOptimize(w[0]);
  }
}
BENCHMARK(BM_Erfa_Prec76);

// Every handler of every form through the headless layer. Each script opens
// the form, types what the handler needs, presses it, and closes the form; the
// "open and close" row of each form is the layer's own share of those times.
struct HandlerCase {
  const char* name;
  const char* script;
};

const HandlerCase kHandlers[] = {
    {"102 menu/open and close", "open 102\nclick 2\n"},
    {"102 menu/OK opens 164, Retour", "open 102\nclick 1130\nclick 1\nclick 1\nclick 2\n"},
    {"100 about box/open and close", "open 100\nclick 1\n"},
    {"164 orbital speeds/open and close", "open 164\nclick 1\n"},
    {"164 orbital speeds/UA radio", "open 164\nclick 1136\nclick 1\n"},
    {"164 orbital speeds/km radio", "open 164\nclick 1137\nclick 1\n"},
    {"164 orbital speeds/Enregistrez",
     "open 164\nclick 1136\nset 1095 1\nset 1121 0,0167\nset 1122 1\nclick 1129\nclick 1\n"},
    {"130 Julian Day/open and close", "open 130\nclick 1\n"},
    {"130 Julian Day/Calcul", "open 130\nset 1018 01/01/2000\nset 1025 12:00:00\nclick 1019\nclick 1\n"},
    {"130 Julian Day/Copie",
     "open 130\nset 1018 01/01/2000\nset 1025 12:00:00\nclick 1019\nclick 1024\nclick 1\n"},
    {"130 Julian Day/Calcul of the date", "open 130\nset 1020 2436116.31\nclick 1021\nclick 1\n"},
    {"135 sidereal time/open and close", "open 135\nclick 1\n"},
    {"135 sidereal time/Calcul",
     "open 135\nset 1018 01/01/2000\nset 1025 12:00:00\nset 1057 -2:30:0\n"
     "click 1017\nclick 1\n"},
    {"134 equatorial to horizontal/open and close", "open 134\nclick 1\n"},
    {"134 equatorial to horizontal/Calcul",
     "open 134\nset 1042 12:0:0\nset 1043 30:0:0\nset 1057 -2:30:0\nset 1007 48:48:0\n"
     "set 1018 01/01/2000\nset 1025 12:00:00\nclick 1017\nclick 1\n"},
    {"134 equatorial to horizontal/Sauvegarde",
     "open 134\nset 1057 -2:30:0\nset 1007 48:48:0\nclick 1062\nclick 1\n"},
    {"129 geocentric/open and close", "open 129\nclick 1\n"},
    {"129 geocentric/Calcul", "open 129\nset 1007 45:0:0\nset 1009 1000\nclick 1017\nclick 1\n"},
    {"132 precession/open and close", "open 132\nclick 1\n"},
    {"132 precession/Calcul",
     "open 132\nset 1042 12:0:0\nset 1043 30:0:0\nset 1044 0,05\nset 1045 -0,5\n"
     "set 1046 J2050\nset 1047 J2050\nclick 1017\nclick 1\n"},
    {"132 precession/Coordonnées horizontales",
     "open 132\nset 1042 12:0:0\nset 1043 30:0:0\nset 1044 0\nset 1045 0\n"
     "set 1047 J2050\nclick 1017\nclick 1061\nclick 1\nclick 1\n"},
    {"144 spherical triangle/open and close", "open 144\nclick 1\n"},
    {"144 spherical triangle/(A, b, c)",
     "open 144\nclick 1102\nset 1088 40\nset 1096 50\nset 1097 70\nclick 1103\nclick 1\n"},
    {"144 spherical triangle/(a, B, C)",
     "open 144\nclick 1102\nset 1095 50\nset 1089 67.09618\nset 1090 88,21832\nclick 1111\n"
     "click 1\n"},
    {"144 spherical triangle/(a, b, c)",
     "open 144\nclick 1102\nset 1095 50\nset 1096 60\nset 1097 70\nclick 1112\nclick 1\n"},
    {"144 spherical triangle/(A, B, C)",
     "open 144\nclick 1102\nset 1088 54,56891\nset 1089 67.09618\nset 1090 88,21832\n"
     "click 1113\nclick 1\n"},
    {"144 spherical triangle/(a, b, A) first",
     "open 144\nclick 1102\nset 1095 50\nset 1096 40\nset 1088 60\nclick 1114\nclick 1\n"},
    {"144 spherical triangle/(a, b, A) second",
     "open 144\nclick 1102\nset 1095 50\nset 1096 40\nset 1088 60\nclick 1115\nclick 1\n"},
    {"144 spherical triangle/(A, B, a) first",
     "open 144\nclick 1102\nset 1088 60\nset 1089 50\nset 1095 70\nclick 1116\nclick 1\n"},
    {"144 spherical triangle/(A, B, a) second",
     "open 144\nclick 1102\nset 1088 60\nset 1089 50\nset 1095 70\nclick 1117\nclick 1\n"},
    {"144 spherical triangle/Effacer",
     "open 144\nset 1088 40\nset 1096 50\nset 1097 70\nclick 1104\nclick 1\n"},
    {"144 spherical triangle/Triangle complémentaire",
     "open 144\nclick 1102\nset 1088 100\nset 1089 120\nset 1090 150\nclick 1105\nclick 1\n"},
    {"146 plane triangle/open and close", "open 146\nclick 1\n"},
    {"146 plane triangle/(A, b, c)",
     "open 146\nclick 1102\nset 1088 90\nset 1096 3\nset 1097 4\nclick 1103\nclick 1\n"},
    {"146 plane triangle/(a, B, C)",
     "open 146\nclick 1102\nset 1095 5\nset 1089 36,87\nset 1090 53,13\nclick 1111\nclick 1\n"},
    {"146 plane triangle/(a, b, c)",
     "open 146\nclick 1102\nset 1095 3\nset 1096 4\nset 1097 5\nclick 1112\nclick 1\n"},
    {"146 plane triangle/(a, b, A) first",
     "open 146\nclick 1102\nset 1095 3\nset 1096 4\nset 1088 30\nclick 1114\nclick 1\n"},
    {"146 plane triangle/(a, b, A) second",
     "open 146\nclick 1102\nset 1095 3\nset 1096 4\nset 1088 30\nclick 1115\nclick 1\n"},
    {"146 plane triangle/Effacer",
     "open 146\nset 1095 3\nset 1096 4\nset 1097 5\nclick 1104\nclick 1\n"},
    {"131 interpolation/open and close", "open 131\nclick 1\n"},
    {"131 interpolation/Calcul",
     "open 131\nset 1023 2\nset 1000 1/1/2000\nset 1004 2/1/2000\nset 1002 10\nset 1006 20\n"
     "set 1021 1/1/2000\nset 1022 6:0:0\nclick 1024\nclick 1020\nclick 1\n"},
    {"131 interpolation/report (right click)",
     "open 131\nset 1023 2\nset 1000 1/1/2000\nset 1004 2/1/2000\nset 1002 10\nset 1006 20\n"
     "set 1021 1/1/2000\nset 1022 6:0:0\nclick 1024\nclick 1020\nrclick\nclick 1\n"},
    {"143 zero and extremum/open and close", "open 143\nclick 1\n"},
    {"143 zero and extremum/Initialisation", "open 143\nset 1023 3\nclick 5\nclick 1\n"},
    {"143 zero and extremum/Zéro",
     "open 143\nset 1023 3\nset 1000 1/1/2000\nset 1001 12:0:0\nset 1004 2/1/2000\n"
     "set 1005 12:0:0\nset 1008 3/1/2000\nset 1009 12:0:0\nset 1072 -1\nset 1073 0,5\n"
     "set 1074 1\nclick 1076\nclick 1022\nclick 1\n"},
    {"143 zero and extremum/Extremum",
     "open 143\nset 1023 3\nset 1000 1/1/2000\nset 1001 12:0:0\nset 1004 2/1/2000\n"
     "set 1005 12:0:0\nset 1008 3/1/2000\nset 1009 12:0:0\nset 1072 -1\nset 1073 0,5\n"
     "set 1074 -0,5\nclick 1076\nclick 3\nclick 1\n"},
};

void RunScript(benchmark::State& state, const std::string& script) {
  for (auto _ : state) {
    std::istringstream in(script);
    std::ostringstream out, err;
    if (RunFormScript(in, out, err) != 0 || !err.str().empty()) {
      state.SkipWithError(("the script failed: " + err.str()).c_str());
      break;
    }
  }
}

// The Aide button of each form (form, its id). Spelled out: the form registry
// fills during static initialisation too, so it cannot be read from here.
const int kHelpButtons[][2] = {{164, 1132}, {130, 1110}, {135, 1112}, {134, 1107}, {129, 1109},
                               {132, 1111}, {144, 1118}, {146, 1108}, {131, 1106}, {143, 1119}};

const bool kRegistered = [] {
  for (const HandlerCase& c : kHandlers)
    benchmark::RegisterBenchmark((std::string("Form/") + c.name).c_str(),
                                 [script = std::string(c.script)](benchmark::State& state) {
                                   RunScript(state, script);
                                 });
  for (const auto& [form, help] : kHelpButtons) {
    std::string script = "open " + std::to_string(form) + "\nclick " + std::to_string(help) +
                         "\nclick 1\n";
    benchmark::RegisterBenchmark(("Form/" + std::to_string(form) + " Aide").c_str(),
                                 [script](benchmark::State& state) { RunScript(state, script); });
  }
  return true;
}();

}  // namespace
