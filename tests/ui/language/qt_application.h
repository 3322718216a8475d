#pragma once
// The application object of the language tests.

#include "test_application.h"

namespace tavlo {

inline ::testing::Environment* const qtApplication = AddTestApplication("tavlo_language_test");

}  // namespace tavlo
