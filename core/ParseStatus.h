// What every parsing operation of the library returns.
#pragma once

enum ParseStatus : int {
  kParseReported = -1,  // empty text, or an error the library has shown itself
  kParseSyntax = 0,     // syntax error: the caller shows its own message
  kParseOk = 1,         // a usable value
  kParseEpoch = 2,      // a usable Julian epoch date "Jaaaa"
};
