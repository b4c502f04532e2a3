// Message boxes of the form layer. The core shows nothing: the layer turns
// its statuses into these boxes (StatusTexts.h), and every box reaches the
// current platform.
#pragma once
#include <string>

enum class Icon { Error, Warning, Information };

// Shows a modal box with one OK button on the current platform (nothing
// without one); returns when it is acknowledged.
void ShowMessage(const std::string& text, Icon icon);
