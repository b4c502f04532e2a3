// Parsing of the texts typed in input fields.
// Each returns a ParseStatus: kParseOk, kParseSyntax (the caller shows its
// message), or kParseReported (empty text or an error shown here).
#pragma once
#include <string>
#include <string_view>

#include "ParseStatus.h"

ParseStatus ParseDecimalField(const std::string& text, double& value);
ParseStatus ParseSexagesimal(const std::string& text, double& value);
ParseStatus ParseTimeField(const std::string& text, double& hours);

// Whole-number fields (number of points, height in metres): only the first
// 31 characters count; blanks or tabs, an optional sign, digits, blanks or
// tabs. Values past the 32-bit range are clamped. Zero is accepted only
// when its first non-blank character is the digit 0. Returns true and sets
// value on success; shows nothing.
bool ParseWholeNumber(const std::string& text, int& value);

// Reads an unsigned run of decimal digits into a 32-bit int; false when it
// is empty or does not fit.
bool ReadInt32Digits(std::string_view digits, bool negative, int& value);

// Reads [digits][.digits] as a double, independently of the C locale.
// False when no digit is present or the value is not finite.
bool ReadPlainDecimal(std::string_view text, double& value);
