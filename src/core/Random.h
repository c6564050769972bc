#pragma once
// Rnd: the one random number source, uniform in [0, 1).  The program seeds a
// ClockRandom at start-up; tests inject a ScriptedRandom or a SeededRandom.

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace moxlet {

class Random {
public:
    virtual ~Random() = default;
    virtual double Rnd() = 0;
    // Int(Rnd * n), the form almost every caller uses.
    int below(int n) { return static_cast<int>(Rnd() * n); }
};

// A reproducible generator, seeded explicitly.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
private:
    std::mt19937_64 engine_;
};

// Seeded from the clock, as the program does at start-up.
std::unique_ptr<Random> makeClockRandom();

// Returns the given values in turn, then starts again; for tests.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    double Rnd() override
    {
        if (values_.empty()) return 0.0;
        double v = values_[next_ % values_.size()];
        ++next_;
        return v;
    }
private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

}  // namespace moxlet
