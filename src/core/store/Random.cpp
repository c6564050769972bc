#include "core/store/Random.h"

#include <chrono>

namespace moxlet {

std::unique_ptr<Random> makeClockRandom()
{
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                 std::chrono::system_clock::now().time_since_epoch().count();
    return std::make_unique<SeededRandom>(static_cast<std::uint64_t>(ticks));
}

}  // namespace moxlet
