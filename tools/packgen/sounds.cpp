#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace packgen {

namespace {

using Samples = std::vector<double>;

struct Rng {
    std::uint32_t s = 22222;
    double next() { // -1 .. 1
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / double(1 << 23) - 1.0;
    }
};

Samples silence(double seconds) { return Samples(std::size_t(seconds * kSampleRate), 0.0); }

// A bell-like note: a few harmonics with exponential decay.
void note(Samples& out, double at, double freq, double length, double gain, double decay = 6.0) {
    const std::size_t start = std::size_t(at * kSampleRate);
    const std::size_t n = std::size_t(length * kSampleRate);
    if (out.size() < start + n) out.resize(start + n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.004);
        const double env = attack * std::exp(-decay * t);
        const double v = std::sin(2 * M_PI * freq * t) + 0.35 * std::sin(2 * M_PI * freq * 2 * t) * std::exp(-3 * t) +
                         0.12 * std::sin(2 * M_PI * freq * 3.01 * t) * std::exp(-6 * t);
        out[start + i] += gain * env * v;
    }
}

// A card snap: a short burst of noise through a simple band filter.
void snap(Samples& out, double at, double length, double gain, double brightness, Rng& rng) {
    const std::size_t start = std::size_t(at * kSampleRate);
    const std::size_t n = std::size_t(length * kSampleRate);
    if (out.size() < start + n) out.resize(start + n, 0.0);
    double low = 0, band = 0;
    const double f = 2 * std::sin(M_PI * std::min(0.45, brightness * 4000.0 / kSampleRate));
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        const double env = std::min(1.0, t / 0.0015) * std::exp(-t / (length * 0.25));
        const double x = rng.next();
        const double high = x - low - 0.6 * band;
        band += f * high;
        low += f * band;
        out[start + i] += gain * env * band;
    }
}

// A soft rising or falling sweep.
void sweep(Samples& out, double at, double f0, double f1, double length, double gain) {
    const std::size_t start = std::size_t(at * kSampleRate);
    const std::size_t n = std::size_t(length * kSampleRate);
    if (out.size() < start + n) out.resize(start + n, 0.0);
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double k = double(i) / double(n);
        const double freq = f0 * std::pow(f1 / f0, k);
        phase += 2 * M_PI * freq / kSampleRate;
        const double env = std::sin(M_PI * k);
        out[start + i] += gain * env * env * std::sin(phase);
    }
}

void applause(Samples& out, double length, Rng& rng) {
    out.resize(std::size_t(length * kSampleRate), 0.0);
    const int claps = int(length * 60);
    for (int i = 0; i < claps; ++i) {
        const double at = rng.next() * 0.5 + 0.5;
        const double t = at * (length - 0.1);
        // The crowd swells in and dies away.
        const double shape = std::sin(M_PI * std::min(1.0, t / length * 1.1));
        snap(out, t, 0.03 + 0.02 * (rng.next() + 1), 0.35 * shape, 0.5 + 0.4 * (rng.next() + 1), rng);
    }
}

std::vector<std::uint8_t> wave(Samples s) {
    // Fade the ends, then scale so the loudest sample sits at 70 % of full scale.
    const std::size_t fade = std::min<std::size_t>(s.size() / 4, kSampleRate / 200);
    for (std::size_t i = 0; i < fade; ++i) {
        const double k = double(i) / double(fade);
        s[i] *= k;
        s[s.size() - 1 - i] *= k;
    }
    double peak = 1e-9;
    for (double v : s) peak = std::max(peak, std::abs(v));
    const double scale = 0.7 * 32767 / peak;
    std::vector<std::uint8_t> out;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
    };
    auto put16 = [&](std::uint16_t v) {
        out.push_back(std::uint8_t(v));
        out.push_back(std::uint8_t(v >> 8));
    };
    const auto dataSize = std::uint32_t(s.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(36 + dataSize);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kSampleRate);
    put32(kSampleRate * 2);
    put16(2);
    put16(16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(dataSize);
    for (double v : s) put16(std::uint16_t(std::int16_t(std::lround(std::clamp(v * scale, -32767.0, 32767.0)))));
    return out;
}

} // namespace

vellamor::render::Bytes synthesiseSound(std::string_view name) {
    Rng rng;
    Samples s;
    // Note frequencies of a C major scale.
    const double C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.5, A4 = 440.0, G4 = 392.0, E4 = 329.63;
    if (name == "New") { note(s, 0, G4, 0.5, 0.6); note(s, 0.09, C5, 0.5, 0.6); }
    else if (name == "Redo") sweep(s, 0, 500, 900, 0.14, 0.8);
    else if (name == "Undo") sweep(s, 0, 900, 500, 0.14, 0.8);
    else if (name == "Restart") { note(s, 0, E5, 0.3, 0.5, 9); note(s, 0.07, C5, 0.3, 0.5, 9); note(s, 0.14, G4, 0.45, 0.5, 7); }
    else if (name == "Shuffle") { // a riffle, even enough to loop
        s = silence(0.9);
        for (int i = 0; i < 36; ++i) snap(s, 0.02 + i * 0.024, 0.02, 0.5, 0.8 + 0.1 * (i % 3), rng);
    }
    else if (name == "Autoplay") snap(s, 0, 0.05, 0.8, 0.9, rng);
    else if (name == "Card_down") { snap(s, 0, 0.06, 0.9, 0.6, rng); }
    else if (name == "Card_up") snap(s, 0, 0.045, 0.7, 1.1, rng);
    else if (name == "Stock") { snap(s, 0, 0.05, 0.8, 0.8, rng); snap(s, 0.035, 0.04, 0.4, 1.2, rng); }
    else if (name == "Face_up") { snap(s, 0, 0.04, 0.8, 1.3, rng); note(s, 0.02, C6, 0.12, 0.12, 25); }
    else if (name == "Pairing") { note(s, 0, E5, 0.25, 0.5, 12); note(s, 0.08, G5, 0.3, 0.5, 10); }
    else if (name == "Foundation") { snap(s, 0, 0.04, 0.5, 0.8, rng); note(s, 0.01, G5, 0.3, 0.4, 12); }
    else if (name == "Eddy") { snap(s, 0, 0.04, 0.5, 0.8, rng); note(s, 0.01, C5, 0.35, 0.45, 10); }
    else if (name == "Tableau") snap(s, 0, 0.07, 0.9, 0.55, rng);
    else if (name == "Redeal") {
        s = silence(1.0);
        for (int i = 0; i < 30; ++i) snap(s, 0.03 + i * 0.031, 0.025, 0.55, 0.7, rng);
    }
    else if (name == "Red_no_a") { snap(s, 0, 0.12, 0.7, 0.5, rng); sweep(s, 0, 300, 180, 0.25, 0.3); }
    else if (name == "About") { note(s, 0, C5, 1.0, 0.35, 3); note(s, 0, E5, 1.0, 0.3, 3); note(s, 0, G5, 1.0, 0.3, 3); }
    else if (name == "Hi-Scor") { note(s, 0, C5, 0.3, 0.5, 8); note(s, 0.12, E5, 0.3, 0.5, 8); note(s, 0.24, G5, 0.6, 0.5, 5); }
    else if (name == "Scores") { for (int i = 0; i < 6; ++i) note(s, i * 0.06, C6 * std::pow(1.1225, i), 0.3, 0.3, 12); }
    else if (name == "Won") { // applause with a short fanfare in front
        note(s, 0, C5, 0.4, 0.4, 6); note(s, 0.12, E5, 0.4, 0.4, 6); note(s, 0.24, G5, 0.4, 0.4, 6);
        note(s, 0.36, C6, 0.8, 0.45, 4);
        Samples crowd;
        applause(crowd, 2.6, rng);
        const std::size_t at = std::size_t(0.5 * kSampleRate);
        if (s.size() < at + crowd.size()) s.resize(at + crowd.size(), 0.0);
        for (std::size_t i = 0; i < crowd.size(); ++i) s[at + i] += crowd[i];
    }
    else if (name == "Splash") { note(s, 0, E4, 0.9, 0.35, 4); note(s, 0.1, A4, 0.9, 0.35, 4); note(s, 0.2, C5, 0.9, 0.35, 4); note(s, 0.3, E5, 1.0, 0.4, 3); }
    else return {};
    s.resize(s.size() + kSampleRate / 100, 0.0);
    return wave(std::move(s));
}

} // namespace packgen
