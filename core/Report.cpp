#include "Report.h"

#include <utility>

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

void ShowMessage(const std::string& text, Icon icon) {
  if (Handler()) Handler()(text, icon);
}
