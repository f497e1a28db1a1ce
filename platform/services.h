#pragma once

// What a program's logic asks of the platform beyond its controls. Backends implement these;
// one Services value hands them to a program, so tests can run many programs side by side.

#include <stdexcept>
#include <string>

#include "platform/image.h"
#include "platform/text_metrics.h"

namespace glint::platform {

class TimerScheduler;

// The hold: a pause that handles no events and does not burn the processor.
inline constexpr int kHoldMs = 2000;
// A sweep's pace: each of its passes takes at least this long, so a sweep builds up visibly.
inline constexpr int kSweepPassMs = 1;

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // One event pass: presents what was drawn, dispatches every pending event (input, paints,
    // due ticks of timers that are not running), then returns.
    virtual void doEvents() = 0;
    // A sweep's pass: waits until kSweepPassMs have gone by since the previous one, then makes
    // one event pass.
    virtual void pacedEventPass() = 0;
    // The hold: kHoldMs during which no event is handled.
    virtual void hold() = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The primary screen's size in logical pixels.
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
    // The same in twips.
    float widthTwips() const;
    float heightTwips() const;
};

// The format of a picture file as a loader recognised it by its content. The players read BMP,
// JPEG and PNG; Other is any further format the authoring program's loader decodes (HEIC, AVIF,
// WebP, TIFF, GIF...); Unknown when the loader cannot say.
enum class PictureFormat { Unknown, Bmp, Jpeg, Png, Other };

struct LoadedPicture {
    Image picture;
    PictureFormat format = PictureFormat::Unknown;
};

// The platform's picture loader.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Decodes the picture file. Throws package::FileError when the file is missing and
    // PictureError when it cannot be decoded.
    virtual Image load(const std::string& path) = 0;
    // Decodes as load does, and says the format of the file it decoded (Unknown from a loader
    // that cannot tell).
    virtual LoadedPicture loadWithFormat(const std::string& path) { return {load(path)}; }
};

class PictureError : public std::runtime_error {
public:
    explicit PictureError(const std::string& path)
        : std::runtime_error("Invalid picture: " + path) {}
};

// An audio player with no visible part: one file, played once, started and halted on request.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void setFileName(const std::string& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};

class Cursor {
public:
    virtual ~Cursor() = default;
    // Hides or shows the pointer over the program's windows.
    virtual void showCursor(bool show) = 0;
};

class Process {
public:
    virtual ~Process() = default;
    // Ends the program at once, from inside whatever handler runs; no further event is handled.
    [[noreturn]] virtual void endProgram() = 0;
};

struct Services {
    std::string ownFolder;
    TimerScheduler& timers;
    EventLoop& events;
    const Screen& screen;
    const TextMetrics& textMetrics;
    PictureLoader& pictures;
    MediaPlayer& media;
    Cursor& cursor;
    Process& process;
};

}  // namespace glint::platform
