// Semicolon-separated tables, one record a line: a field in double quotes may
// hold semicolons, and a doubled double quote stands for one.
#pragma once
#include <cstddef>
#include <streambuf>
#include <string>
#include <vector>

#include "LineReader.h"

// Longest line kept; the rest of a longer line is skipped.
inline constexpr std::size_t kMaxLineBytes = 4u << 20;
// Longest field handed to a form.
inline constexpr std::size_t kMaxFieldBytes = 1000;

// Why a line is not a good record; kNone when it is.
enum class LineFault { kNone, kNulByte, kBadUtf8, kOpenQuote, kAfterQuote };

// Checks the bytes of a line (NUL, UTF-8).
LineFault CheckLineBytes(const std::string& line);
// Splits a line into fields; on a fault the fields read so far are kept.
LineFault SplitFields(const std::string& line, std::vector<std::string>& fields);

// Appends one field as written in a table: quoted when it holds a
// semicolon, a quote or a line end, or when it is the first field and
// begins with '#' (the line would read as a comment).
void AppendField(std::string& out, const std::string& field, bool first);
