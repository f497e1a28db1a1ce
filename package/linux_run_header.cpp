#include "package/linux_run_header.h"

#include <array>
#include <fstream>
#include <stdexcept>

#include "package/file_error.h"
#include "package/paths.h"

namespace glint::package {
namespace {

// The CRC of POSIX cksum: polynomial 0x04C11DB7, most significant bit first, no reflection.
constexpr std::array<std::uint32_t, 256> kCksumTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i << 24;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 0x80000000u) ? (value << 1) ^ 0x04C11DB7u : value << 1;
        }
        table[i] = value;
    }
    return table;
}();

class Cksum {
public:
    void add(const char* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) addByte(static_cast<unsigned char>(data[i]));
        m_length += size;
    }
    // The length's bytes, least significant first and only as many as it has, then inverted.
    std::uint32_t finish() {
        for (std::uint64_t length = m_length; length != 0; length >>= 8) {
            addByte(static_cast<unsigned char>(length & 0xFF));
        }
        return ~m_crc;
    }

private:
    void addByte(unsigned char byte) { m_crc = (m_crc << 8) ^ kCksumTable[(m_crc >> 24) ^ byte]; }

    std::uint32_t m_crc = 0;
    std::uint64_t m_length = 0;
};

// Run as `sh FILE`, `./FILE`, by dash, bash or busybox sh. The shell reads a script as it runs
// it, so it never looks past the last `exit`: the binary parts that follow are never parsed.
// Every tool it uses is on every Linux (head -c is not POSIX, but GNU and busybox have it).
// It speaks before any program of ours runs, so it picks its language itself as the programs do
// (language/language.cpp): Chinese for zh, C, POSIX or no locale, English for every other; each
// message is written in both.
constexpr const char* kScript = R"SCRIPT(#!/bin/sh
# A Glint screensaver in one file. Start it with "sh FILE" to install the show for yourself
# (no root needed). From byte 4096 on: the installer (its size and POSIX cksum below), then
# the show. The installer is copied into a folder of your own, run from there, and removed.
size=@SIZE@
sum=@CKSUM@
self=$0
case $self in ./*) self=${self#./} ;; esac
case $self in /*) ;; *) self=$PWD/$self ;; esac
dir=
# The locale as gettext reads it: LANGUAGE's first entry counts only where it names a language.
l=${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}
case ${l%%[_.@-]*} in '' | C | POSIX) ;; *) l=${LANGUAGE:-$l}; l=${l%%:*} ;; esac
case ${l%%[_.@-]*} in '' | C | POSIX | zh) zh=1 ;; *) zh= ;; esac

# fail CHINESE ENGLISH: the message in the language in use, and the end.
fail() {
  if [ -n "$zh" ]; then
    set -- "$1" 'Glint 屏保安装'
  else
    set -- "$2" 'Glint Setup'
  fi
  printf '%s\n' "$1" >&2
  # Started from a file manager nobody sees stderr.
  if [ ! -t 2 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] &&
    command -v zenity >/dev/null 2>&1; then
    zenity --error --no-markup --title="$2" --text="$1" >/dev/null 2>&1
  fi
  exit 1
}
damaged() {
  fail "文件已损坏或不完整，请重新下载或重新复制一份：$self" \
    "The file is damaged or incomplete. Please download or copy it again: $self"
}
cleanup() {
  if [ -n "$dir" ]; then rm -rf "$dir"; dir=; fi
}
# Split on purpose: cksum prints the CRC, the size, and some a name.
# shellcheck disable=SC2046
whole() {
  set -- $(cksum <"$dir/setup")
  [ "$1" = "$sum" ] && [ "$2" = "$size" ]
}

if [ ! -f "$self" ] || [ ! -r "$self" ]; then
  fail "找不到要安装的文件（请用 sh 文件名 运行）：$self" \
    "Cannot find the file to install (run it as: sh FILE): $self"
fi
total=$(wc -c <"$self" | tr -d ' \t')
case $total in '' | *[!0-9]*) damaged ;; esac
[ "$total" -ge $((4096 + size)) ] || damaged

case ${XDG_DATA_HOME:-} in
/*) data=$XDG_DATA_HOME ;;
*)
  [ -n "${HOME:-}" ] || fail "找不到你的主文件夹（HOME 未设置）" \
    "Cannot find your home folder (HOME is not set)"
  data=$HOME/.local/share
  ;;
esac
# Not /tmp: many systems mount it so that no program runs from it.
trap cleanup EXIT
trap 'cleanup; exit 129' HUP
trap 'cleanup; exit 130' INT
trap 'cleanup; exit 143' TERM
if ! mkdir -p "$data/glint" || ! dir=$(mktemp -d "$data/glint/.setup-XXXXXX") ||
  ! chmod 700 "$dir"; then
  fail "无法建立文件夹：$data/glint" "Cannot create the folder: $data/glint"
fi
dd if="$self" bs=4096 skip=1 count=$(((size + 4095) / 4096)) 2>/dev/null |
  head -c "$size" >"$dir/setup" || fail "无法写入文件：$dir/setup" "Cannot write the file: $dir/setup"
whole || damaged
chmod 700 "$dir/setup" || fail "无法写入文件：$dir/setup" "Cannot write the file: $dir/setup"
"$dir/setup" --install-from "$self" "$@"
status=$?
cleanup
[ "$status" -ne 126 ] || fail "无法运行安装程序：$data/glint 所在的磁盘不允许运行程序" \
  "Cannot run the installer: the disk that holds $data/glint does not let programs run"
exit "$status"
)SCRIPT";

static_assert(kRunHeaderSize == 4096,
              "the script reads the installer in blocks of the header's size");

void replace(std::string& text, const std::string& marker, const std::string& value) {
    text.replace(text.find(marker), marker.size(), value);
}

}  // namespace

std::uint32_t posixCksum(const std::string& bytes) {
    Cksum sum;
    sum.add(bytes.data(), bytes.size());
    return sum.finish();
}

std::uint32_t posixCksumOfFile(const std::string& path) {
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) throw FileError("Cannot open file", path);
    Cksum sum;
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        sum.add(block, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) throw FileError("Cannot read file", path);
    return sum.finish();
}

std::string linuxRunHeader(std::uint64_t installerSize, std::uint32_t installerCksum) {
    std::string header = kScript;
    replace(header, "@SIZE@", std::to_string(installerSize));
    replace(header, "@CKSUM@", std::to_string(installerCksum));
    if (header.size() > kRunHeaderSize) throw std::logic_error("the shell header outgrew its size");
    header.resize(kRunHeaderSize, '\n');
    return header;
}

}  // namespace glint::package
