#include "platform/sound/dynamic_library.h"

#include <dlfcn.h>

namespace glint::platform::sound {

DynamicLibrary::DynamicLibrary(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        // Never unmapped: the sound libraries start threads and register types that may outlive
        // our use of them (GLib's, PulseAudio's).
        m_handle = ::dlopen(name, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (m_handle) return;
    }
}

DynamicLibrary::~DynamicLibrary() {
    if (m_handle) ::dlclose(m_handle);
}

void* DynamicLibrary::symbol(const char* name) const {
    return m_handle ? ::dlsym(m_handle, name) : nullptr;
}

}  // namespace glint::platform::sound
