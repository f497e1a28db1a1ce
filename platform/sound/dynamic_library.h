#pragma once

// A shared library loaded at run time, so that a program runs where the library is missing: it
// then goes without what the library gives.

#include <initializer_list>

namespace glint::platform::sound {

class DynamicLibrary {
public:
    // Loads the first of the names the system finds; loaded() says whether one was.
    explicit DynamicLibrary(std::initializer_list<const char*> names);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool loaded() const { return m_handle != nullptr; }

    // Points `function` at the symbol `name` of the library or of those it depends on; false (and
    // null) where there is none.
    template <typename Function>
    bool bind(Function*& function, const char* name) const {
        function = reinterpret_cast<Function*>(symbol(name));
        return function != nullptr;
    }

private:
    void* symbol(const char* name) const;

    void* m_handle = nullptr;
};

}  // namespace glint::platform::sound
