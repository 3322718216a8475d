#pragma once
// One QApplication for the whole test program, made before the first test,
// since the widgets under test need one and the tests link gtest_main.

#include <gtest/gtest.h>

#include <QApplication>

namespace tavlo {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "tavlo_language_test";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
  }
};

inline ::testing::Environment* const qtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace tavlo
