#pragma once

// A program whose handler fails, run as a process of its own (this test program started again
// with kFailingProgramArgument), and what a user sees of its end.

#include <windows.h>

#include <string>

namespace glint::platform::win32::testing {

inline constexpr const char* kFailingProgramArgument = "--failing-program";

// The program: a window titled "Glint test" whose key handler fails with
// "pb.dat is broken: 照片.jpg"; a key reaches it soon after it starts. Returns its status, which a
// program that ends with the error report never does.
int runFailingProgram();

struct FailureReport {
    bool started = false;
    bool boxShown = false;
    std::wstring boxTitle;
    std::wstring boxText;
    // Whether the program's window could still be seen while the message box was up.
    bool windowVisibleUnderBox = true;
    DWORD exitCode = 0;
    std::string errorOutput;
};

// Starts the program, waits for its message box, reads it and answers OK, then waits for the end.
FailureReport watchFailingProgram();

}  // namespace glint::platform::win32::testing
