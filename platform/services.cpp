#include "platform/services.h"

#include "platform/twips.h"

namespace glint::platform {

float Screen::widthTwips() const { return pixelsToTwips(widthPixels()); }
float Screen::heightTwips() const { return pixelsToTwips(heightPixels()); }

}  // namespace glint::platform
