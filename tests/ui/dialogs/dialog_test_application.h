#pragma once
// The application object of the dialog tests.

#include "test_application.h"

namespace tavlo {

inline ::testing::Environment* const dialogTestApplication =
    AddTestApplication("tavlo_dialog_test");

}  // namespace tavlo
