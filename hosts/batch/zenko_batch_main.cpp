#include <iostream>
#include <string>
#include <vector>

#include "Batch.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  int status = RunBatchCommand(args, std::cin, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
