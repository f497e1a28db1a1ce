#include "player/caption_number.h"

#include <charconv>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace glint::player {

double captionNumber(const platform::Label& label) {
    const std::string& text = label.caption();
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) {
        throw std::invalid_argument("Type mismatch: \"" + text + "\" in " + label.name());
    }
    return value;
}

std::string numberText(double value) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) throw std::overflow_error("Overflow");
    return std::string(buffer, result.ptr);
}

void setCaptionNumber(platform::Label& label, double value) { label.setCaption(numberText(value)); }

}  // namespace glint::player
