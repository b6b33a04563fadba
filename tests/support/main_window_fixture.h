// The main window rig as a GoogleTest fixture.
#pragma once

#include <gtest/gtest.h>

#include "support/main_window_rig.h"

namespace sc::testing {

class MainWindowTest : public ::testing::Test, public MainWindowRig {};

}  // namespace sc::testing
