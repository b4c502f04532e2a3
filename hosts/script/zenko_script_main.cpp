// zenko-script: runs a form script from standard input.
#include <clocale>
#include <iostream>

#include "ScriptHost.h"

int main() {
  std::setlocale(LC_ALL, "C");
  return RunFormScript(std::cin, std::cout, std::cerr);
}
