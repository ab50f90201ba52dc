// Runs the tests inside the toolkit's application object, so that dialogs and windows
// are the real widgets. Without a display they use Qt's offscreen platform (with the
// screens that the program's COLVERO_OFFSCREEN names, if any).
#include "platform/Program.h"
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
#ifdef COLVERO_OFFSCREEN
    setenv("QT_QPA_PLATFORM", COLVERO_OFFSCREEN, 1);
#endif
    // A test whose program folder takes no file would otherwise save into the user's real
    // configuration folder; under /dev/null no folder can be made, so such a save fails as
    // it would in a folder that takes nothing. Tests of that folder set their own. So for
    // the recovery files in the state folder.
    setenv("XDG_CONFIG_HOME", "/dev/null/colvero-tests", 1);
    setenv("XDG_STATE_HOME", "/dev/null/colvero-tests", 1);
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no application object, and so no display.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    return RunProgram(argc, argv, [] { return RUN_ALL_TESTS(); });
}
