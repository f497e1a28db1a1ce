#include "platform/twips.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace glint::platform {

std::int32_t roundHalfEvenChecked(double value) {
    if (!std::isfinite(value)) throw std::overflow_error("Overflow: coordinate is not a number");
    // std::nearbyint rounds in the current mode, which is to-nearest-even unless changed.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        throw std::overflow_error("Overflow: coordinate out of range");
    }
    return static_cast<std::int32_t>(rounded);
}

std::int16_t toInt16(double value) {
    if (!std::isfinite(value)) throw std::overflow_error("Overflow: not a number");
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) throw std::overflow_error("Overflow");
    return static_cast<std::int16_t>(rounded);
}

}  // namespace glint::platform
