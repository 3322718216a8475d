#pragma once
// One QApplication for a dialog test, made before the first test and ended
// after the last: ending it at tear-down, not at program exit, keeps it from
// outliving the fonts and devices it uses.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace tavlo {

class DialogTestApplication : public ::testing::Environment {
 public:
  void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[24] = "tavlo_dialog_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

inline ::testing::Environment* const dialogTestApplication =
    ::testing::AddGlobalTestEnvironment(new DialogTestApplication);

}  // namespace tavlo
