// zenko-batch: runs one calculator over every row of a table, each row on a
// freshly opened form, through the same form layer as the windows.
#pragma once
#include <iosfwd>
#include <streambuf>
#include <string>
#include <vector>

#include "BatchForms.h"

// Exit statuses.
inline constexpr int kBatchAllComputed = 0;
inline constexpr int kBatchSomeMessage = 1;
inline constexpr int kBatchUsage = 2;

// The whole program: arguments without the program name.
int RunBatchCommand(const std::vector<std::string>& args, std::istream& in,
                    std::ostream& out, std::ostream& err);

// Runs the table read from in through the form, pressing button (0 for the
// form's default one); writes the result table on out and notes and usage
// errors on err. Returns one of the exit statuses.
int RunBatchTable(const BatchForm& form, int button, std::streambuf* in,
                  std::ostream& out, std::ostream& err);

// The text of --champs FORM.
std::string DescribeBatchForm(const BatchForm& form);
// The text of --aide.
std::string BatchUsage();
