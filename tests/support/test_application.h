#pragma once
// One application object for a ui test program, made before the first test
// and ended after the last: ui tests link gtest_main, and ending it at
// tear-down rather than at program exit keeps it from outliving the fonts and
// input devices it uses.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string>

namespace tavlo {

template <class Application = QApplication>
class TestApplicationEnvironment final : public ::testing::Environment {
 public:
  explicit TestApplicationEnvironment(std::string name) : name_(std::move(name)) {}
  void SetUp() override { application_ = std::make_unique<Application>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  std::string name_;
  int argc_ = 1;
  char* argv_[2] = {name_.data(), nullptr};
  std::unique_ptr<Application> application_;
};

// Registers the application of a test program; use once per program, as
// `inline auto* const app = AddTestApplication("name");` in its shared header.
template <class Application = QApplication>
::testing::Environment* AddTestApplication(const std::string& name) {
  return ::testing::AddGlobalTestEnvironment(new TestApplicationEnvironment<Application>(name));
}

}  // namespace tavlo
