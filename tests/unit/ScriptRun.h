// Running a form script through the headless driver in a test, and a
// fixture that runs each test in a fresh temporary directory (no site file).
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "ScriptHost.h"

struct ScriptRun {
  int status;
  std::string out;
  std::string err;
};

inline ScriptRun RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  int status = RunFormScript(in, out, err);
  return {status, out.str(), err.str()};
}

class ScriptDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    char pattern[] = "/tmp/zenko-script-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path previous_, dir_;
};
