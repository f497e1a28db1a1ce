#pragma once

// The show keeps its counters as decimal text in label captions. Reading a caption as a number
// converts its text to a double; writing a number writes its shortest decimal text ("1", "14").

#include <string>

#include "platform/label.h"

namespace glint::player {

double captionNumber(const platform::Label& label);
std::string numberText(double value);
void setCaptionNumber(platform::Label& label, double value);

}  // namespace glint::player
