// What the program offers at the telescope, on every form window: tooltips
// giving each input field's format, "Maintenant (TU)" (Ctrl+M) on the forms
// that have it, "Copier les résultats" (Ctrl+Shift+C) and night vision
// (Ctrl+N).
#pragma once
#include <QString>

class FormWindow;
class QLineEdit;
class QMenu;

void InstallTelescopeActions(FormWindow& window);

// The fields' texts as the clipboard gets them: one line per input and
// result field in screen order, its label, a tab, its text.
QString ResultsAsText(const FormWindow& window);
// Puts them on the clipboard.
void CopyResults(const FormWindow& window);

// The context menu of one of the window's fields: the line edit's own
// entries, then "Maintenant (TU)" on the fields that action fills and
// "Copier les résultats" on the result fields. The caller owns it.
QMenu* FieldContextMenu(FormWindow& window, QLineEdit* field);
