// Library and form handlers, with liberfa doing the same jobs on the same
// inputs where it can, so that the ratio can be read off one run.
#include <benchmark/benchmark.h>
#include <erfa.h>

#include <sstream>
#include <string>

#include "app/ScriptHost.h"
#include "calculators/Precession.h"
#include "textfmt/Angles.h"
#include "textfmt/Calendar.h"
#include "textfmt/Parse.h"
#include "textfmt/Report.h"

namespace {

const bool kQuiet = (SetMessageHandler([](const std::string&, Icon) {}), true);

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

void BM_DateToJulianDay(benchmark::State& state) {
  JulianDay jd = 0;
  for (auto _ : state) {
    ReadDateTimeAsJulianDay("04/10/1957", "19:26:24", jd);
    benchmark::DoNotOptimize(jd);
  }
}
BENCHMARK(BM_DateToJulianDay);

void BM_Erfa_Cal2jd(benchmark::State& state) {
  double jd0 = 0, jd1 = 0;
  for (auto _ : state) {
    eraCal2jd(1957, 10, 4, &jd0, &jd1);
    benchmark::DoNotOptimize(jd1 += 0.81);
  }
}
BENCHMARK(BM_Erfa_Cal2jd);

void BM_JulianDayToDate(benchmark::State& state) {
  std::string w, d, t;
  for (auto _ : state) {
    FormatJulianDayAsDate(2436116.31, w, d, t);
    benchmark::DoNotOptimize(t.data());
  }
}
BENCHMARK(BM_JulianDayToDate);

void BM_Erfa_Jd2cal(benchmark::State& state) {
  int y, m, d;
  double f;
  for (auto _ : state) {
    eraJd2cal(2436116.31, 0.0, &y, &m, &d, &f);
    benchmark::DoNotOptimize(f);
  }
}
BENCHMARK(BM_Erfa_Jd2cal);

void BM_SiderealTimeAtGreenwich(benchmark::State& state) {
  double jd = 2451545.0;
  for (auto _ : state) benchmark::DoNotOptimize(SiderealTimeAtGreenwich(jd += 0.001));
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

// A form handler through the headless layer: open, type, press, close.
void RunScript(benchmark::State& state, const std::string& script) {
  for (auto _ : state) {
    std::istringstream in(script);
    std::ostringstream out, err;
    benchmark::DoNotOptimize(RunFormScript(in, out, err));
  }
}

void BM_Form_KeplerRecord(benchmark::State& state) {
  RunScript(state,
            "open 164\nclick 1136\nset 1095 1\nset 1121 0,0167\nset 1122 1\nclick 1129\nclick 1\n");
}
BENCHMARK(BM_Form_KeplerRecord);

void BM_Form_GeocCalcul(benchmark::State& state) {
  RunScript(state, "open 129\nset 1007 45:0:0\nset 1009 0\nclick 1017\nclick 1\n");
}
BENCHMARK(BM_Form_GeocCalcul);

void BM_Form_PrecessionCalcul(benchmark::State& state) {
  RunScript(state,
            "open 132\nset 1042 12:0:0\nset 1043 30:0:0\nset 1044 0\nset 1045 0\n"
            "set 1047 J2050\nclick 1017\nclick 1\n");
}
BENCHMARK(BM_Form_PrecessionCalcul);

void BM_Form_SphericalTriangle(benchmark::State& state) {
  RunScript(state,
            "open 144\nclick 1102\nset 1088 40\nset 1096 50\nset 1097 70\nclick 1103\nclick 1\n");
}
BENCHMARK(BM_Form_SphericalTriangle);

void BM_Form_PlaneTriangle(benchmark::State& state) {
  RunScript(state,
            "open 146\nclick 1102\nset 1095 3\nset 1096 4\nset 1088 30\nclick 1114\nclick 1\n");
}
BENCHMARK(BM_Form_PlaneTriangle);

}  // namespace
