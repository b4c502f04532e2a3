#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "Batch.h"
#include "StdStreams.h"

int main(int argc, char** argv) {
  HoldStandardDescriptors();
  std::ios::sync_with_stdio(false);
  FdOutput buffer(STDOUT_FILENO);
  std::ostream out(&buffer);
  // Standard output closed from the start: nothing could be written.
  if (!FinishOutput(out, buffer, "zenko-batch", std::cerr)) return kBatchUsage;
  std::vector<std::string> args(argv + 1, argv + argc);
  int status = RunBatchCommand(args, STDIN_FILENO, out, std::cerr);
  if (!FinishOutput(out, buffer, "zenko-batch", std::cerr)) return kBatchUsage;
  return status;
}
