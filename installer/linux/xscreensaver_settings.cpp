#include "installer/linux/xscreensaver_settings.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "installer/install_plan.h"
#include "installer/linux/desktop_entry_text.h"
#include "installer/linux/screensaver_launcher.h"

namespace glint::installer {
namespace {

using Lines = std::vector<std::string>;
constexpr std::string_view kBlank = " \t";
constexpr std::size_t kNone = std::string::npos;

Lines splitLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == kNone ? text.size() : end + 1;
        lines.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

std::string joinLines(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

std::string_view contentOf(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    return line;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == kNone) return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

// A line ending in an odd number of backslashes goes on in the next one.
bool continues(std::string_view content) {
    const std::size_t kept = content.find_last_not_of('\\');
    const std::size_t backslashes = content.size() - (kept == kNone ? 0 : kept + 1);
    return backslashes % 2 == 1;
}

std::string_view keyOf(std::string_view content) {
    const std::string_view text = trimmed(content);
    if (text.empty() || text[0] == '#' || text[0] == '!') return {};
    const std::size_t colon = text.find(':');
    return colon == kNone ? std::string_view() : trimmed(text.substr(0, colon));
}

struct Resource {
    std::size_t first = kNone;  // the line with the key
    std::size_t last = kNone;   // the line it ends on
};

// The resource's last definition, the one that counts.
Resource findResource(const Lines& lines, std::string_view key) {
    Resource found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool match = keyOf(contentOf(lines[i])) == key;
        const std::size_t first = i;
        while (continues(contentOf(lines[i])) && i + 1 < lines.size()) ++i;
        if (match) found = {first, i};
    }
    return found;
}

std::string valueOf(const Lines& lines, std::string_view key) {
    const Resource r = findResource(lines, key);
    if (r.first == kNone) return {};
    const std::string_view content = contentOf(lines[r.first]);
    return std::string(trimmed(content.substr(content.find(':') + 1)));
}

// Gives the resource this one-line value, keeping how the line sets it out up to the value.
void setResource(Lines& lines, const std::string& key, const std::string& value) {
    const Resource r = findResource(lines, key);
    if (r.first == kNone) {
        lines.push_back(key + (key.size() < 7 ? ":\t\t" : ":\t") + value + "\n");
        return;
    }
    const std::string_view content = contentOf(lines[r.first]);
    std::size_t start = content.find(':') + 1;
    start = std::min(content.size(), content.find_first_not_of(kBlank, start));
    lines[r.first] = std::string(content.substr(0, start)) + value + "\n";
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(r.first) + 1,
                lines.begin() + static_cast<std::ptrdiff_t>(r.last) + 1);
}

struct Entry {
    std::size_t index;  // the place in the list, as "selected:" counts
    std::size_t line;   // where it starts
    bool alone;         // the only entry on its line, and on that line only
    std::string name;
    std::string command;
};

Entry parseEntry(std::string_view text) {
    Entry entry{};
    if (!text.empty() && text[0] == '-') text = trimmed(text.substr(1));
    // A visual ("GL:") before the name or command.
    const std::size_t word = std::min(text.size(), text.find_first_of(kBlank));
    if (word > 1 && text[word - 1] == ':' && text.substr(0, word).find_first_of("/\"'") == kNone) {
        text = trimmed(text.substr(word));
    }
    if (!text.empty() && text[0] == '"') {
        const std::size_t close = text.find('"', 1);
        if (close != kNone) {
            entry.name = std::string(text.substr(1, close - 1));
            text = trimmed(text.substr(close + 1));
        }
    }
    entry.command = std::string(text);
    return entry;
}

std::vector<Entry> entriesOf(const Lines& lines, const Resource& r) {
    std::string value;
    std::vector<std::size_t> lineStarts;
    for (std::size_t i = r.first; i <= r.last; ++i) {
        std::string_view content = contentOf(lines[i]);
        if (i == r.first) content.remove_prefix(content.find(':') + 1);
        if (continues(content)) content.remove_suffix(1);
        lineStarts.push_back(value.size());
        value += content;
    }
    auto lineAt = [&](std::size_t offset) {
        const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
        return r.first + static_cast<std::size_t>(after - lineStarts.begin()) - 1;
    };
    std::vector<Entry> entries;
    for (std::size_t start = 0; start <= value.size();) {
        std::size_t end = value.find("\\n", start);
        if (end == kNone) end = value.size();
        const std::string_view segment = std::string_view(value).substr(start, end - start);
        const std::size_t first = segment.find_first_not_of(kBlank);
        if (first != kNone) {
            Entry entry = parseEntry(trimmed(segment));
            entry.index = entries.size();
            entry.line = lineAt(start + first);
            entry.alone = lineAt(start + segment.find_last_not_of(kBlank)) == entry.line;
            if (!entries.empty() && entries.back().line == entry.line) {
                entries.back().alone = false;
                entry.alone = false;
            }
            entries.push_back(entry);
        }
        start = end + 2;
    }
    return entries;
}

std::string firstWord(std::string_view command) {
    if (!command.empty() && command[0] == '\'') {
        return std::string(command.substr(1, command.find('\'', 1) - 1));
    }
    return std::string(command.substr(0, command.find_first_of(kBlank)));
}

bool startsLauncher(std::string_view command, const std::string& launcher) {
    const std::string word = shellWord(launcher);
    return command.substr(0, word.size()) == word &&
           (command.size() == word.size() || kBlank.find(command[word.size()]) != kNone);
}

bool isOurLauncher(std::string_view command) {
    const std::string path = firstWord(command);
    const std::string tail = std::string("/") + kLauncherName;
    return path.size() > tail.size() && path.compare(path.size() - tail.size(), kNone, tail) == 0;
}

// The show's line of the list; "continued" when more of the list follows on the next line.
std::string entryLine(const ShowEntry& show, bool continued, bool breakBefore) {
    return std::string(breakBefore ? "\\n" : "") + "\t\t\t\t\"" + entryName(show.name) + "\"\t" +
           shellWord(show.launcher) + " -root \\n" + (continued ? "\\" : "") + "\n";
}

}  // namespace

std::string entryName(const std::string& caption) {
    std::string name;
    for (const char c : caption) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"') {
            name += '\'';
        } else if (c == '\\') {
            name += '/';
        } else {
            name += byte < 0x20 || byte == 0x7f ? ' ' : c;
        }
    }
    name = std::string(trimmed(name));
    return name.empty() ? language::tr(kUnnamedShow) : name;
}

std::string selectShow(const std::optional<std::string>& settings, const ShowEntry& show) {
    if (!settings) {
        return "# XScreenSaver Preferences File\n"
               "mode:\t\tone\n"
               "selected:\t0\n"
               "programs:\t\t\\\n" +
               entryLine(show, true, false) + "\n";
    }
    Lines lines = splitLines(*settings);
    if (!lines.empty() && lines.back().back() != '\n') lines.back() += '\n';
    const Resource list = findResource(lines, "programs");
    std::size_t index = 0;
    if (list.first == kNone) {
        lines.push_back("programs:\t\t\\\n");
        lines.push_back(entryLine(show, true, false));
        lines.push_back("\n");
    } else {
        const std::vector<Entry> entries = entriesOf(lines, list);
        const auto same = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) {
            return e.alone && e.line != list.first &&
                   (startsLauncher(e.command, show.launcher) ||
                    (e.name == entryName(show.name) && isOurLauncher(e.command)));
        });
        const auto onFirstLine = std::count_if(
            entries.begin(), entries.end(), [&](const Entry& e) { return e.line == list.first; });
        const auto at = [&](std::size_t line) {
            return lines.begin() + static_cast<std::ptrdiff_t>(line);
        };
        if (same != entries.end()) {
            const std::string_view old = contentOf(lines[same->line]);
            lines[same->line] = entryLine(show, continues(old), trimmed(old).substr(0, 2) == "\\n");
            index = same->index;
        } else if (continues(contentOf(lines[list.first]))) {
            lines.insert(at(list.first + 1), entryLine(show, true, false));
            index = static_cast<std::size_t>(onFirstLine);
        } else {
            // A list written on one line goes on to the show's line after it.
            lines[list.first] = std::string(contentOf(lines[list.first])) + "\\\n";
            lines.insert(at(list.first + 1), entryLine(show, false, true));
            index = entries.size();
        }
    }
    setResource(lines, "mode", "one");
    setResource(lines, "selected", std::to_string(index));
    return joinLines(lines);
}

std::optional<std::string> withdrawShow(const std::string& settings, const std::string& launcher) {
    Lines lines = splitLines(settings);
    const Resource list = findResource(lines, "programs");
    if (list.first == kNone) return std::nullopt;
    const std::vector<Entry> entries = entriesOf(lines, list);
    const auto ours = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) {
        return e.alone && e.line != list.first && startsLauncher(e.command, launcher);
    });
    if (ours == entries.end()) return std::nullopt;
    if (ours->line == list.last) {
        // The line before ends the list now.
        std::string& before = lines[ours->line - 1];
        const bool newline = before.back() == '\n';
        before = std::string(contentOf(before));
        before.pop_back();
        if (newline) before += '\n';
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(ours->line));
    // A list left empty goes with its lines, so that XScreenSaver falls back to its own list
    // again, as before the show's entry made one.
    const Resource rest = findResource(lines, "programs");
    if (entriesOf(lines, rest).empty()) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(rest.first),
                    lines.begin() + static_cast<std::ptrdiff_t>(rest.last) + 1);
    }

    const std::string selectedText = valueOf(lines, "selected");
    char* end = nullptr;
    const long selected = std::strtol(selectedText.c_str(), &end, 10);
    const long index = static_cast<long>(ours->index);
    if (!selectedText.empty() && *end == '\0') {
        if (selected == index) {
            if (valueOf(lines, "mode") == "one") setResource(lines, "mode", "blank");
            setResource(lines, "selected", "-1");
        } else if (selected > index) {
            setResource(lines, "selected", std::to_string(selected - 1));
        }
    }
    return joinLines(lines);
}

}  // namespace glint::installer
