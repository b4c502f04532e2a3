// The French texts of the core's statuses, and their showing. The parsers
// and the site file of the core only return statuses; the field readers
// show here the messages that go with them, at the same moment the user
// has always seen them.
#pragma once
#include <string>

#include "Calendar.h"
#include "ParseStatus.h"
#include "SiteFile.h"

// What a form makes of a parse once its message is shown.
enum FieldStatus : int {
  kFieldReported = -1,  // empty, or an error whose message is shown
  kFieldSyntax = 0,     // syntax error: the form shows its own message
  kFieldOk = 1,         // a usable value
  kFieldEpoch = 2,      // a usable Julian epoch date "Jaaaa"
};

// The message of a status that has one of its own (error icon); nullptr
// for Ok, Epoch, Empty and Syntax (the form names the field and format).
const char* StatusText(ParseStatus status);

// Shows the status's own message, if any, and says what it means for the
// form.
FieldStatus ShowStatus(ParseStatus status);

// Shows the date's message, then the time's (the time is read even when
// the date failed, not after a Julian epoch).
void ShowStatus(const DateStatusPair& status);

// The file-error text of an errno value, with %1 left in place.
std::string SiteFileErrorText(int error);

// Shows the failure of a site-file operation (error icon) with the name it
// gives in place of %1; true when the operation succeeded.
bool ShowStatus(const SiteFileResult& result);
