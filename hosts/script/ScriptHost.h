// The headless host: runs forms from a form script and prints the events.
#pragma once
#include <functional>
#include <iosfwd>
#include <string>

// Sees every text a form writes into one of its result fields.
using ResultObserver =
    std::function<void(int form, int id, const std::string& text)>;

// Reads the script from in, prints events on out and errors on err.
// Returns the exit status: 0, or 2 after an unknown command or id or a
// failed write of out (the script stops there).
int RunFormScript(std::istream& in, std::ostream& out, std::ostream& err,
                  ResultObserver observer = {});
