// Synthesises the program's four sounds as 16-bit mono PCM WAV files:
// a wooden click for a piece being put down, a low buzz for a refusal, a
// two-note chime for notices, and a calm background loop that repeats
// without a seam. Usage: make_sounds <output directory>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// Write samples in -1..1 as a 16-bit mono PCM WAV file.
bool writeWav(const std::string& path, const Samples& samples, int rate) {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](std::uint16_t v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
    };
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate * 2));
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (double v : samples) {
        long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return static_cast<bool>(out);
}

// Scale so the loudest sample reaches `peak`.
void normalise(Samples& s, double peak) {
    double m = 0;
    for (double v : s) m = std::max(m, std::fabs(v));
    if (m > 0)
        for (double& v : s) v *= peak / m;
}

// Linear fades at both ends so a one-shot sound starts and ends at rest.
void fadeEnds(Samples& s, int rate, double inSeconds, double outSeconds) {
    const std::size_t in = static_cast<std::size_t>(inSeconds * rate);
    const std::size_t out = static_cast<std::size_t>(outSeconds * rate);
    for (std::size_t i = 0; i < in && i < s.size(); ++i) s[i] *= double(i) / in;
    for (std::size_t i = 0; i < out && i < s.size(); ++i) s[s.size() - 1 - i] *= double(i) / out;
}

// A repeatable noise source, so every build writes the same files.
struct Noise {
    std::uint32_t state = 0x2545F491u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24) * 2.0 - 1.0;
    }
};

// Wood block: a short filtered noise strike and a few damped body modes.
Samples click(int rate) {
    const int n = rate * 12 / 100;
    Samples s(n);
    const double modes[][3] = {
        {640, 1.0, 0.028}, {1510, 0.55, 0.016}, {2680, 0.3, 0.009}, {3950, 0.15, 0.005}};
    Noise noise;
    double low = 0;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / rate;
        double v = 0;
        for (const auto& m : modes) v += m[1] * std::exp(-t / m[2]) * std::sin(2 * kPi * m[0] * t);
        low += 0.35 * (noise.next() - low);  // soften the strike's hiss
        v += 0.6 * std::exp(-t / 0.003) * low;
        s[i] = v;
    }
    normalise(s, 0.8);
    fadeEnds(s, rate, 0.0005, 0.01);
    return s;
}

// Low buzz: two slightly detuned band-limited saw waves, beating.
Samples buzz(int rate) {
    const int n = rate * 38 / 100;
    Samples s(n);
    for (int i = 0; i < n; ++i) {
        double t = double(i) / rate;
        double v = 0;
        for (double f : {98.0, 103.0})
            for (int k = 1; k * f < 3000; ++k) v += std::sin(2 * kPi * k * f * t) / k;
        s[i] = v;
    }
    normalise(s, 0.6);
    fadeEnds(s, rate, 0.008, 0.06);
    return s;
}

// Add one bell-like note (inharmonic partials, each decaying) at `at` seconds.
void bell(Samples& s, int rate, double at, double f, double level) {
    const double partials[][3] = {
        {1.0, 1.0, 1.1}, {2.0, 0.35, 0.6}, {2.76, 0.22, 0.35}, {5.4, 0.08, 0.12}};
    const std::size_t from = static_cast<std::size_t>(at * rate);
    for (std::size_t i = from; i < s.size(); ++i) {
        double t = double(i - from) / rate;
        double attack = std::min(1.0, t / 0.002);
        double v = 0;
        for (const auto& p : partials)
            if (p[0] * f < rate / 2.2)
                v += p[1] * std::exp(-t / p[2]) * std::sin(2 * kPi * p[0] * f * t);
        s[i] += level * attack * v;
    }
}

// Two-note chime, high then low.
Samples chime(int rate) {
    Samples s(rate * 16 / 10);
    bell(s, rate, 0.0, 1318.51, 1.0);
    bell(s, rate, 0.32, 1046.50, 0.9);
    normalise(s, 0.7);
    fadeEnds(s, rate, 0.0, 0.08);
    return s;
}

// Background music: a soft drone, slow chords and a plucked melody in a
// pentatonic scale, all rendered onto a circle of `seconds` so that every
// note ringing past the end continues at the start, and the drone's
// frequencies complete whole cycles in the loop: it repeats without a seam.
Samples bgm(int rate, double seconds) {
    const std::size_t n = static_cast<std::size_t>(seconds * rate);
    Samples s(n, 0.0);
    // Sample index of a time on the circle (times before 0 wrap to the end).
    auto at = [&](double t) {
        long long k = std::llround(t * rate) % static_cast<long long>(n);
        return static_cast<std::size_t>(k < 0 ? k + static_cast<long long>(n) : k);
    };
    // A frequency moved to the nearest one with a whole number of cycles per loop.
    auto looped = [&](double f) { return std::round(f * seconds) / seconds; };

    // Drone on D and A with a gentle swell, twice per loop.
    for (std::size_t i = 0; i < n; ++i) {
        double t = double(i) / rate;
        double swell = 0.75 + 0.25 * std::sin(2 * kPi * 2 * t / seconds);
        double v = 0;
        for (auto [f, a] :
             {std::pair{looped(73.42), 0.5}, {looped(110.0), 0.35}, {looped(146.83), 0.25}})
            v += a * (std::sin(2 * kPi * f * t) + 0.2 * std::sin(2 * kPi * 2 * f * t));
        s[i] += 0.5 * swell * v;
    }

    // Slow chord pads, each fading in and out over six seconds.
    const double beat = seconds / 32;
    const std::vector<std::vector<double>> chords = {{293.66, 440.00, 587.33},
                                                     {392.00, 493.88, 587.33},
                                                     {329.63, 440.00, 659.26},
                                                     {293.66, 392.00, 493.88}};
    for (std::size_t c = 0; c < chords.size(); ++c) {
        const double start = c * 8 * beat - 1.0, length = 8 * beat + 2.0;
        const std::size_t len = static_cast<std::size_t>(length * rate);
        for (std::size_t i = 0; i < len; ++i) {
            double t = double(i) / rate;
            double env = std::sin(kPi * t / length);
            env *= env;
            double v = 0;
            for (double f : chords[c])
                v += std::sin(2 * kPi * f * t) + 0.15 * std::sin(4 * kPi * f * t);
            s[(at(start) + i) % n] += 0.09 * env * v;
        }
    }

    // Plucked melody with a soft echo; a beat of 0 is a rest.
    const double scale[] = {0, 293.66, 329.63, 392.00, 440.00, 493.88, 587.33, 659.26, 783.99};
    const int melody[32] = {5, 0, 4, 3, 4, 0, 0, 2, 3, 0, 2, 1, 2, 0, 0, 0,
                            6, 0, 5, 4, 5, 0, 7, 6, 5, 0, 4, 3, 1, 0, 0, 0};
    for (int b = 0; b < 32; ++b) {
        if (melody[b] == 0) continue;
        const double f = scale[melody[b]];
        const std::size_t len = static_cast<std::size_t>(3.0 * rate);
        for (int echo = 0; echo < 3; ++echo) {
            const double gain = 0.5 * std::pow(0.35, echo);
            const std::size_t from = at(b * beat + echo * 1.5 * beat);
            for (std::size_t i = 0; i < len; ++i) {
                double t = double(i) / rate;
                double env =
                    std::min(1.0, t / 0.004) * std::exp(-t / 0.55) * (1.0 - double(i) / len);
                double v = std::sin(2 * kPi * f * t) +
                           0.4 * std::exp(-t / 0.15) * std::sin(4 * kPi * f * t) +
                           0.15 * std::exp(-t / 0.08) * std::sin(6 * kPi * f * t);
                s[(from + i) % n] += gain * env * v;
            }
        }
    }
    normalise(s, 0.45);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <output directory>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = writeWav(dir + "駒打音.wav", click(22050), 22050) &&
              writeWav(dir + "禁止.wav", buzz(22050), 22050) &&
              writeWav(dir + "その他.wav", chime(22050), 22050) &&
              writeWav(dir + "BGM.wav", bgm(11025, 24.0), 11025);
    if (!ok) {
        std::fprintf(stderr, "make_sounds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
