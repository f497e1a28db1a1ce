#pragma once

#include <unknwn.h>

#include <memory>

namespace glint::platform::win32 {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

// Holds one reference to a COM object and releases it.
template <class Interface>
using ComRef = std::unique_ptr<Interface, ComRelease>;

}  // namespace glint::platform::win32
