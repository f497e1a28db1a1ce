// The slide cycle: the cycle step, the delay that hands control back to it, and the tick of
// Timer1 that runs the current effect.

#include <cmath>
#include <limits>

#include "package/paths.h"
#include "package/quoted_list.h"
#include "player/caption_number.h"
#include "player/effects/effect_table.h"
#include "player/form1.h"

namespace glint::player {

void Form1::diaowenjian() {
    setCaptionNumber(Label1, captionNumber(Label1) + 1);

    // The list is counted without an upper limit, so lists of any length are shown whole. It is
    // read whole, so a malformed line anywhere in it is an error at every step; only the line
    // shown is kept.
    const double position = captionNumber(Label1);
    const bool aLine = position >= 1 && position == std::floor(position) &&
                       position < static_cast<double>(std::numeric_limits<std::int64_t>::max());
    const package::QuotedLine line = package::readQuotedLine(
        ownPath("\\pb.dat"), aLine ? static_cast<std::int64_t>(position) : 0);
    const std::int64_t count = line.count;
    std::string picturePath;
    if (line.text) picturePath = package::namedPath(m_services.ownFolder, *line.text);
    // The shown picture goes before the next one is decoded, so only one is ever held: the box is
    // hidden now, and what a sweep drew lives in the window's own pixels.
    Picture1.setPicture(platform::Image());
    if (!picturePath.empty()) Picture1.setPicture(m_services.pictures.load(picturePath));

    if (captionNumber(Label1) == static_cast<double>(count)) Label1.setCaption("0");

    setCaptionNumber(Label2, captionNumber(Label2) + 1);
    if (captionNumber(Label2) > 13) Label2.setCaption("0");
}

void Form1::delay(std::int16_t& dtime) {
    // A tick of Timer1 that falls due before the cycle step has finished would run the current
    // effect again ahead of it; it is held back until then.
    const platform::TickHold holdCycle(Timer1);
    for (std::int32_t i = 0; i <= dtime; ++i) m_services.events.doEvents();
    diaowenjian();
}

void Form1::Timer1_Timer() {
    const std::int16_t effect = platform::toInt16(captionNumber(Label2));
    refresh();
    effects::runEffect(effect, m_stage);
}

}  // namespace glint::player
