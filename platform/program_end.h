#pragma once

namespace glint::platform {

// Thrown by a backend whose endProgram cannot end the process (the headless one): it unwinds the
// running handlers to the backend's main loop. Deliberately not a std::exception, so that nothing
// that catches failures can stop the program's end.
struct ProgramEnded {
    int status = 0;
};

}  // namespace glint::platform
