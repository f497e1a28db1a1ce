#include "platform/posix/xscreensaver_window_id.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace glint::platform::posix {
namespace {

unsigned long fromArguments(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv(arguments);
    return windowIdFromArguments(static_cast<int>(argv.size()), argv.data());
}

TEST(XScreenSaverWindowId, ALauncherMayNameTheWindowAsAnArgument) {
    EXPECT_EQ(fromArguments({"pb.cc", "-window-id", "0x1a00007"}), 0x1a00007UL);
    EXPECT_EQ(fromArguments({"pb.cc", "-root", "--window-id", "27262983"}), 27262983UL);
    EXPECT_EQ(fromArguments({"pb.cc", "--window-id=0x400001"}), 0x400001UL);
    // Named without a window, or with something else: none.
    EXPECT_EQ(fromArguments({"pb.cc", "-window-id"}), 0UL);
    EXPECT_EQ(fromArguments({"pb.cc", "-window-id", "root"}), 0UL);
    EXPECT_EQ(fromArguments({"pb.cc", "0x1a00007"}), 0UL);
}

}  // namespace
}  // namespace glint::platform::posix
