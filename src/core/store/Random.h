#pragma once
// The one source of randomness: seeds and noise of stored records, thinning
// offsets and the start of every picked word list.  The program seeds one
// from the clock at start-up; moxlet-cli seeds one on request (--seed).

#include <cstdint>
#include <memory>
#include <random>

namespace moxlet {

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
    // A random integer in [0, n): the fraction scaled by n and truncated, so
    // that a scripted fraction gives a known integer.
    int below(int n) { return static_cast<int>(next() * n); }
};

// A reproducible generator, seeded explicitly.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_;
};

// Seeded from the clock, as the program does at start-up.
std::unique_ptr<Random> makeClockRandom();

}  // namespace moxlet
