#pragma once

// A player package in a folder: the list files the player reads, naming pictures already there.

#include <fstream>
#include <string>
#include <vector>

namespace glint::bench {

inline void writeQuotedList(const std::string& path, const std::vector<std::string>& texts) {
    std::ofstream list(path, std::ios::binary);
    for (const auto& text : texts) list << '"' << text << "\"\r\n";
}

// Music off, so no media backend is needed.
inline void writePlayerPackage(const std::string& folder,
                               const std::vector<std::string>& pictures) {
    writeQuotedList(folder + "/pb.dat", pictures);
    writeQuotedList(folder + "/ms.dat", {"song.wav"});
    writeQuotedList(folder + "/kg.ini", {"0"});
    writeQuotedList(folder + "/timu.dat", {"Glint benchmark"});
}

}  // namespace glint::bench
