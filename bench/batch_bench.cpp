// zenko-batch's throughput: 100 000 rows through forms 130 and 134 in one
// run, against the same rows typed into one zenko-script process each.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Bytes.h"
#include "Printf.h"

namespace {

constexpr int kRows = 100000;

// A temporary directory with a site file, for the whole program.
struct WorkDirectory {
  WorkDirectory() {
    path = std::filesystem::temp_directory_path() /
           ("zenko-batch-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    std::filesystem::current_path(path);
    unsigned char bytes[16];
    StoreDoubleLE(-2.5, bytes);
    StoreDoubleLE(48.8, bytes + 8);
    std::ofstream("Zenko.loc", std::ios::binary).write(reinterpret_cast<char*>(bytes), 16);
  }
  ~WorkDirectory() {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(path);
  }
  std::filesystem::path path;
} work;

// Rows of distinct dates and times; for 134 a star and a site as well.
std::vector<std::vector<std::string>> MakeRows(int form, int count) {
  std::mt19937 rng(static_cast<std::mt19937::result_type>(form));
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < count; ++i) {
    std::string date = Format("%d/%d/%d", pick(1, 28), pick(1, 12), pick(1900, 2100));
    std::string time = Format("%d:%d:%d.%d", pick(0, 23), pick(0, 59), pick(0, 59), pick(0, 9));
    if (form == 130) {
      rows.push_back({date, time});
    } else {
      rows.push_back({Format("%d:%d:%d", pick(0, 23), pick(0, 59), pick(0, 59)),
                      Format("%d:%d:%d", pick(-89, 89), pick(0, 59), pick(0, 59)),
                      Format("%d:%d:0", pick(-179, 179), pick(0, 59)),
                      Format("%d:%d:0", pick(-89, 89), pick(0, 59)), date, time});
    }
  }
  return rows;
}

const char* Header(int form) {
  return form == 130 ? "date;heure\n" : "ad;decl;longitude;latitude;date;heure\n";
}

const int kIds130[] = {1018, 1025};
const int kIds134[] = {1042, 1043, 1057, 1007, 1018, 1025};

void Batch(benchmark::State& state, int form) {
  std::string table = Header(form);
  for (const auto& row : MakeRows(form, kRows)) {
    for (std::size_t i = 0; i < row.size(); ++i) table += (i ? ";" : "") + row[i];
    table += '\n';
  }
  const BatchForm* description = FindBatchForm(form);
  for (auto _ : state) {
    std::istringstream in(table);
    std::ostringstream out, err;
    int status = RunBatchTable(*description, 0, in.rdbuf(), out, err);
    if (status != 0) state.SkipWithError("a row failed");
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

// One zenko-script process per row: what a shell loop over the rows costs.
void ScriptPerRow(benchmark::State& state, int form) {
  auto rows = MakeRows(form, 1000);
  const int* ids = form == 130 ? kIds130 : kIds134;
  std::size_t next = 0;
  for (auto _ : state) {
    const auto& row = rows[next++ % rows.size()];
    FILE* pipe = popen(ZENKO_SCRIPT " > /dev/null", "w");
    std::string script = "open " + std::to_string(form) + "\n";
    for (std::size_t i = 0; i < row.size(); ++i)
      script += "set " + std::to_string(ids[i]) + " " + row[i] + "\n";
    script += "click 1" + std::string(form == 130 ? "019" : "017") + "\nkey escape\n";
    std::fwrite(script.data(), 1, script.size(), pipe);
    if (pclose(pipe) != 0) state.SkipWithError("zenko-script failed");
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Batch, 130_julian_day, 130)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK_CAPTURE(Batch, 134_horizontal, 134)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK_CAPTURE(ScriptPerRow, 130_julian_day, 130)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ScriptPerRow, 134_horizontal, 134)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
