// Rows are streamed, never held: after a 1 000-row run, a 300 000-row run
// raises the process's peak memory by less than 1 MB.
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "Batch.h"

namespace {

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The bytes written for a table of count rows (made in a file first), or -1.
long Run(long count) {
  {
    std::ofstream table("memory.csv");
    table << "date;heure\n";
    for (long i = 0; i < count; ++i)
      table << i % 28 + 1 << '/' << i % 12 + 1 << '/' << 1900 + i % 200 << ';' << i % 24 << ':'
            << i % 60 << ':' << i % 59 << '\n';
  }
  std::filebuf in;
  in.open("memory.csv", std::ios::in);
  std::ofstream out("memory.out");
  int status = RunBatchTable(*FindBatchForm(130), 0, &in, out, std::cerr);
  return status == 0 ? long(out.tellp()) : -1;
}

}  // namespace

int main() {
  if (Run(1000) <= 0) return 1;
  long small = PeakKilobytes();
  long bytes = Run(300000);
  long large = PeakKilobytes();
  std::remove("memory.csv");
  std::remove("memory.out");
  std::cout << "peak memory after 1 000 rows " << small << " KB, after 300 000 rows " << large
            << " KB; " << bytes << " bytes written\n";
  return bytes > 300000L * 60 && large - small < 1024 ? 0 : 1;
}
