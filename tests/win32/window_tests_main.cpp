// The Windows window backend's tests. Started with kFailingProgramArgument, the program is instead
// the failing program those tests watch.

#include <gtest/gtest.h>

#include <cstring>

#include "tests/win32/failing_program.h"

int main(int argc, char** argv) {
    namespace testing = glint::platform::win32::testing;
    if (argc == 2 && std::strcmp(argv[1], testing::kFailingProgramArgument) == 0) {
        return testing::runFailingProgram();
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
