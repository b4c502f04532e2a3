// Message boxes shown by the library and the forms.
// The running host installs the handler that actually shows them.
#pragma once
#include <functional>
#include <string>

enum class Icon { Error, Warning, Information };

using MessageHandler = std::function<void(const std::string& text, Icon icon)>;

// Installs a new handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// Shows a modal box with one OK button; returns when it is acknowledged.
void ShowMessage(const std::string& text, Icon icon);
