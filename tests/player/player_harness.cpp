#include "tests/player/player_harness.h"

#include "package/quoted_list.h"
#include "player/caption_number.h"

namespace glint::testing {

platform::Image solidPicture(int width, int height, platform::Rgb color) {
    return platform::Image(width, height, color);
}

platform::Image gridPicture(int width, int height) {
    platform::Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, platform::rgb(x, y, 7));
    }
    return image;
}

PlayerHarness::PlayerHarness(int screenWidth, int screenHeight)
    : screen(screenWidth, screenHeight),
      runtime(clock, timers, screen),
      services{folder.path(), timers, runtime, screen, metrics, pictures, media, cursor, runtime} {}

void PlayerHarness::writeList(const std::string& name, const std::vector<std::string>& texts) {
    folder.write(name, "");
    for (const auto& text : texts) package::appendQuotedLine(folder.file(name), text);
}

void PlayerHarness::addPicture(const std::string& name, platform::Image image) {
    folder.write(name, "picture");
    pictures.add(folder.file(name), std::move(image));
}

void PlayerHarness::writePackage(const std::vector<std::string>& pictureNames,
                                 const std::string& musicSwitch, const std::string& caption) {
    writeList("pb.dat", pictureNames);
    writeList("ms.dat", {"song.wav"});
    writeList("kg.ini", {musicSwitch});
    writeList("timu.dat", {caption});
}

player::Form1& PlayerHarness::form() {
    if (!m_form) m_form = std::make_unique<player::Form1>(services);
    return *m_form;
}

platform::headless::RunResult PlayerHarness::run(std::int64_t untilMs) {
    return runtime.run(form(), untilMs);
}

const std::vector<PlayerHarness::TickRecord>& PlayerHarness::recordTicks() {
    player::Form1& f = form();
    auto tick = f.Timer1.onTick;
    f.Timer1.onTick = [this, &f, tick] {
        m_ticks.push_back({static_cast<int>(player::captionNumber(f.Label2)),
                           f.Picture1.picture().pixel(0, 0), clock.nowMs()});
        tick();
    };
    return m_ticks;
}

}  // namespace glint::testing
