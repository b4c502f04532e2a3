// zenko-batch: runs one calculator over every row of a table, each row on a
// freshly opened form, through the same form layer as the windows.
#pragma once
#include <functional>
#include <iosfwd>
#include <streambuf>
#include <string>
#include <vector>

#include "FormTemplate.h"

// A form zenko-batch runs: its template id and the columns its template
// gives it.
struct BatchForm : TableColumns {
  int form = 0;
};

// The registered forms whose template names buttons a table may press, by
// template id.
const std::vector<BatchForm>& BatchForms();
// One of them; nullptr for a form batch does not run.
const BatchForm* FindBatchForm(int form);

// Lower case with the accents of French letters dropped, so that "Équinoxe"
// names the column "equinoxe".
std::string FoldName(const std::string& text);

// Exit statuses.
inline constexpr int kBatchAllComputed = 0;
inline constexpr int kBatchSomeMessage = 1;
inline constexpr int kBatchUsage = 2;

// The whole program: arguments without the program name. The table comes
// from the file named, or from the descriptor in (standard input).
int RunBatchCommand(const std::vector<std::string>& args, int in, std::ostream& out,
                    std::ostream& err);

// Where a table comes from, for the message of a failed read: what was
// read ("de l'entrée standard", "du fichier « t.csv »") and the errno of
// the failure, 0 while the reads succeed.
struct TableOrigin {
  std::string what;
  std::function<int()> error;
};

// Runs the table read from in through the form, pressing button (0 for the
// form's default one); writes the result table on out and notes and usage
// errors on err. Stops at the first failed write of out, or at a failed
// read (the rows before it are written). Returns one of the exit statuses.
int RunBatchTable(const BatchForm& form, int button, std::streambuf* in,
                  std::ostream& out, std::ostream& err, const TableOrigin& origin = {});

// The text of --champs FORM.
std::string DescribeBatchForm(const BatchForm& form);
// The text of --aide.
std::string BatchUsage();
// The text of --version.
std::string BatchVersion();
