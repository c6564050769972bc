#pragma once
// A Random for tests that returns given values in turn.

#include <vector>

#include "core/store/Random.h"

namespace moxlet {

// Returns the given values in turn, then starts again; for tests.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    double next() override
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
