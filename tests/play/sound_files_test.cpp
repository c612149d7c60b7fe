// The generated sound files: format, length, and a seamless background loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "sound.h"

namespace zk {
namespace {

struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int> samples;
    double seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
    return v;
}

// Read a PCM WAV file beside the program, walking its chunks.
Wav readWav(const std::string& name) {
    std::ifstream in(std::filesystem::path(programDirectory()) / name, std::ios::binary);
    std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
    Wav w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        std::string id(b.begin() + at, b.begin() + at + 4);
        std::size_t size = le(b, at + 4, 4);
        if (at + 8 + size > b.size()) break;
        if (id == "fmt ") {
            w.format = le(b, at + 8, 2);
            w.channels = le(b, at + 10, 2);
            w.rate = le(b, at + 12, 4);
            w.bits = le(b, at + 22, 2);
        } else if (id == "data" && w.bits == 16) {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

TEST(SoundFiles, SmallSixteenBitMonoPcmOfTheRightLength) {
    struct Case {
        const char* name;
        double minSeconds, maxSeconds;
    };
    for (const Case& k : std::vector<Case>{{"駒打音.wav", 0.03, 0.3},
                                           {"禁止.wav", 0.15, 0.8},
                                           {"その他.wav", 0.3, 2.5},
                                           {"BGM.wav", 20, 40}}) {
        Wav w = readWav(k.name);
        EXPECT_EQ(w.format, 1) << k.name;
        EXPECT_EQ(w.channels, 1) << k.name;
        EXPECT_EQ(w.bits, 16) << k.name;
        EXPECT_GE(w.rate, 11025) << k.name;
        EXPECT_GE(w.seconds(), k.minSeconds) << k.name;
        EXPECT_LE(w.seconds(), k.maxSeconds) << k.name;
        EXPECT_LT(w.samples.size() * 2, 1u << 20) << k.name;
        EXPECT_GT(*std::max_element(w.samples.begin(), w.samples.end()), 8000) << k.name;
    }
}

TEST(SoundFiles, EffectsStartAndEndAtRest) {
    for (const char* name : {"駒打音.wav", "禁止.wav", "その他.wav"}) {
        Wav w = readWav(name);
        ASSERT_GT(w.samples.size(), 100u) << name;
        EXPECT_LE(std::abs(w.samples.front()), 300) << name;
        EXPECT_LE(std::abs(w.samples.back()), 300) << name;
    }
}

// The sixth difference ending at sample i, reading the samples as a circle. A
// smooth signal has small high differences; a jump or a kink makes them large.
long sixthDifference(const std::vector<int>& s, long i) {
    static const int binomial[7] = {1, 6, 15, 20, 15, 6, 1};
    const long n = static_cast<long>(s.size());
    long d = 0;
    for (int j = 0; j <= 6; ++j) d += (j % 2 ? -1 : 1) * binomial[j] * s[((i - j) % n + n) % n];
    return std::labs(d);
}

TEST(SoundFiles, BackgroundMusicLoopsWithoutAClick) {
    Wav w = readWav("BGM.wav");
    const auto& s = w.samples;
    ASSERT_GT(s.size(), 2000u);
    const long n = static_cast<long>(s.size());
    // Differences whose window holds both the last and the first sample.
    long seam = 0;
    for (long i = n; i < n + 6; ++i) seam = std::max(seam, sixthDifference(s, i));
    // The same measure nearby on both sides, away from the seam.
    long nearby = 0;
    for (long i = n - 800; i < n; ++i) nearby = std::max(nearby, sixthDifference(s, i));
    for (long i = 6; i < 800; ++i) nearby = std::max(nearby, sixthDifference(s, i));
    EXPECT_LE(seam, nearby * 3 / 2 + 4) << "last " << s[n - 1] << ", first " << s[0];
}

TEST(SoundFiles, BackgroundMusicHasNoQuietGapAtTheLoopPoint) {
    Wav w = readWav("BGM.wav");
    const auto& s = w.samples;
    ASSERT_GT(s.size(), static_cast<std::size_t>(w.rate));
    auto rms = [&](long from, long to) {
        const long n = static_cast<long>(s.size());
        double sum = 0;
        for (long i = from; i < to; ++i) {
            double v = s[((i % n) + n) % n];
            sum += v * v;
        }
        return std::sqrt(sum / double(to - from));
    };
    const long n = static_cast<long>(s.size()), half = w.rate / 4;
    EXPECT_GE(rms(n - half, n + half), 0.3 * rms(0, n));
}

}  // namespace
}  // namespace zk
