#pragma once

namespace glint::maker {

// The vendor's web address: shown on the main window, opened from its menu.
inline constexpr const char* kVendorAddress = "https://glint.example.org";

}  // namespace glint::maker
