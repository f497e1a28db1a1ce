#pragma once

// What every benchmark shares: a steady stopwatch, medians, the process's peak memory, and the
// one line format run_benchmarks.sh collects: "BENCH <key> <value> <unit>".

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace glint::bench {

class Stopwatch {
public:
    Stopwatch() : m_start(Clock::now()) {}
    double elapsedMs() const {
        return std::chrono::duration<double, std::milli>(Clock::now() - m_start).count();
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_start;
};

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// The 0..100th percentile, nearest rank.
inline double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(p / 100 * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(rank, values.size() - 1)];
}

// Peak resident memory of this process in MB (VmHWM), 0 where the system does not say.
inline double peakRssMb() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024;
        }
    }
    return 0;
}

// A file of random-ish bytes, so nothing along the way can shortcut them.
inline void writeRandomFile(const std::string& path, std::size_t bytes, std::uint64_t seed) {
    std::vector<std::uint64_t> words(bytes / sizeof(std::uint64_t));
    for (auto& word : words) {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        word = seed;
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(words.data()),
               static_cast<std::streamsize>(words.size() * sizeof(std::uint64_t)));
}

inline void report(const std::string& key, double value, const std::string& unit) {
    std::printf("BENCH %s %.4g %s\n", key.c_str(), value, unit.c_str());
    std::fflush(stdout);
}

}  // namespace glint::bench
