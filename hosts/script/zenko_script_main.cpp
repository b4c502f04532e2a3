// zenko-script: runs a form script from standard input.
#include <unistd.h>

#include <clocale>
#include <cstring>
#include <iostream>

#include "ScriptHost.h"
#include "StdStreams.h"
#include "ZenkoVersion.h"

int main(int argc, char** argv) {
  HoldStandardDescriptors();
  std::setlocale(LC_ALL, "C");
  FdOutput outBuffer(STDOUT_FILENO);
  std::ostream out(&outBuffer);
  if (!FinishOutput(out, outBuffer, "zenko-script", std::cerr)) return 2;
  if (argc > 1) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
      out << "zenko-script (Zenko) " ZENKO_VERSION "\n";
      return FinishOutput(out, outBuffer, "zenko-script", std::cerr) ? 0 : 2;
    }
    std::cerr << "zenko-script : argument inconnu : « " << Shown(argv[1])
              << " » (le script se lit sur l'entrée standard ; seule option : --version).\n";
    return 2;
  }
  FdInput inBuffer(STDIN_FILENO);
  std::istream in(&inBuffer);
  int status = RunFormScript(in, out, std::cerr);
  if (!FinishOutput(out, outBuffer, "zenko-script", std::cerr)) return 2;
  if (inBuffer.Error() != 0) {
    std::cerr << "zenko-script : erreur de lecture de l'entrée standard : "
              << CauseText(inBuffer.Error()) << ".\n";
    return 2;
  }
  return status;
}
