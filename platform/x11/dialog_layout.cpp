#include "platform/x11/dialog_layout.h"

#include "platform/x11/dialog_utf8.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace glint::platform::x11 {

namespace {

// Sizes on a 96-dpi desktop, scaled with it.
constexpr int kMargin = 16;
constexpr int kTextToField = 10;
constexpr int kAboveButtons = 18;
constexpr int kButtonHeight = 28;
constexpr int kButtonMinWidth = 80;
constexpr int kButtonPadding = 16;
constexpr int kButtonSpacing = 8;
constexpr int kMinContentWidth = 200;
constexpr int kMinFieldWidth = 240;
constexpr int kWrapWidth = 400;

bool isWide(char32_t c) {
    return (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF) || c == 0x201C ||
           c == 0x201D || c == 0x2018 || c == 0x2019;
}

// Punctuation that never starts a line, and that never ends one.
bool closes(char32_t c) {
    return std::u32string_view(U"，。、；：？！）》」』”’〉】,.;:?!)").find(c) !=
           std::u32string_view::npos;
}
bool opens(char32_t c) {
    return std::u32string_view(U"（《「『“‘〈【(").find(c) != std::u32string_view::npos;
}

bool breaksBetween(char32_t before, char32_t after) {
    if (before == U' ' || after == U' ' || before == U'/') return true;
    if (closes(after) || opens(before)) return false;
    return isWide(before) || isWide(after);
}

std::string_view trimSpaces(std::string_view text, bool front) {
    while (!text.empty() && (front ? text.front() : text.back()) == ' ') {
        text = front ? text.substr(1) : text.substr(0, text.size() - 1);
    }
    return text;
}

void wrapParagraph(std::string_view rest, int maxWidth, const TextWidth& width,
                   std::vector<std::string>& lines) {
    while (width(rest) > maxWidth) {
        std::size_t fit = 0, lastBreak = 0;
        char32_t previous = 0;
        bool written = false;  // a line never ends before its first visible character
        for (std::size_t at = 0; at < rest.size();) {
            const auto [current, length] = utf8CharacterAt(rest, at);
            if (written && breaksBetween(previous, current)) lastBreak = at;
            written = written || current != U' ';
            if (width(rest.substr(0, at + length)) > maxWidth) break;
            fit = at += length;
            previous = current;
        }
        // A single character wider than the line still makes a line of its own.
        if (fit == 0) fit = utf8CharacterAt(rest, 0).length;
        const std::size_t cut = lastBreak > 0 ? lastBreak : fit;
        lines.emplace_back(trimSpaces(rest.substr(0, cut), false));
        rest = trimSpaces(rest.substr(cut), true);
        if (rest.empty()) return;
    }
    lines.emplace_back(rest);
}

}  // namespace

std::vector<std::string> wrapText(std::string_view text, int maxWidth, const TextWidth& width) {
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = text.find('\n');
        wrapParagraph(text.substr(0, end), maxWidth, width, lines);
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + 1);
    }
}

int wrapWidth(double scale) {
    return static_cast<int>(std::lround(kWrapWidth * scale));
}

DialogLayout layOutDialog(const DialogContent& content) {
    const auto scaled = [&](int size) {
        return static_cast<int>(std::lround(size * content.scale));
    };
    const int margin = scaled(kMargin);
    const int buttonHeight = std::max(scaled(kButtonHeight), content.lineHeight + scaled(10));
    std::vector<int> buttonWidths;
    for (const int label : content.buttonLabelWidths) {
        buttonWidths.push_back(
            std::max(scaled(kButtonMinWidth), label + 2 * scaled(kButtonPadding)));
    }
    const int buttonsWidth =
        std::accumulate(buttonWidths.begin(), buttonWidths.end(), 0) +
        scaled(kButtonSpacing) * std::max(0, static_cast<int>(buttonWidths.size()) - 1);
    const int textWidth = content.lineWidths.empty() ? 0
                                                     : *std::max_element(content.lineWidths.begin(),
                                                                         content.lineWidths.end());
    const int contentWidth = std::max({textWidth, buttonsWidth, scaled(kMinContentWidth),
                                       content.hasField ? scaled(kMinFieldWidth) : 0});

    DialogLayout layout;
    layout.width = contentWidth + 2 * margin;
    const int lines = static_cast<int>(content.lineWidths.size());
    layout.text = {margin, margin, textWidth, lines * content.lineHeight};
    int y = margin + layout.text.height;
    if (content.hasField) {
        if (lines > 0) y += scaled(kTextToField);
        layout.field = Box{margin, y, contentWidth, content.lineHeight + scaled(10)};
        y += layout.field->height;
    }
    y += scaled(kAboveButtons);
    int x = layout.width - margin - buttonsWidth;
    for (const int width : buttonWidths) {
        layout.buttons.push_back({x, y, width, buttonHeight});
        x += width + scaled(kButtonSpacing);
    }
    layout.height = y + buttonHeight + margin;
    return layout;
}

}  // namespace glint::platform::x11
