// Captures the message boxes shown during a test.
#pragma once
#include <string>
#include <vector>

#include "Report.h"

struct ShownMessage {
  std::string text;
  Icon icon;
  bool operator==(const ShownMessage&) const = default;
};

class MessageCapture {
 public:
  MessageCapture() {
    previous_ = SetMessageHandler([this](const std::string& text, Icon icon) {
      shown.push_back({text, icon});
    });
  }
  ~MessageCapture() { SetMessageHandler(previous_); }
  std::vector<ShownMessage> shown;

 private:
  MessageHandler previous_;
};
