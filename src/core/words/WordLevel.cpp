#include "core/words/WordLevel.h"

#include "core/store/KeyTables.h"

namespace moxlet {

std::int16_t seedWithLevel(std::uint32_t hash, WordLevel level)
{
    const auto low = hash & ((1U << kLevelSeedShift) - 1);
    return static_cast<std::int16_t>(low | (static_cast<std::uint32_t>(level) << kLevelSeedShift));
}

WordLevel levelOfSeed(std::int16_t seed)
{
    const int bits = (seed >> kLevelSeedShift) & 3;
    return bits >= 2 ? WordLevel::Wider : static_cast<WordLevel>(bits);
}

WordLevel levelOfRecord(const std::uint8_t* raw)
{
    const auto stored = static_cast<std::int16_t>(raw[0] | (raw[1] << 8));
    const auto seed = static_cast<std::int16_t>(stored ^ KeyTable[0][0]);
    return seed < 0 ? WordLevel::Wider : levelOfSeed(seed);
}

std::string_view levelName(WordLevel level)
{
    switch (level) {
    case WordLevel::Everyday: return "everyday";
    case WordLevel::Common: return "common";
    case WordLevel::Wider: break;
    }
    return "wider";
}

std::optional<WordLevel> parseWordLevel(std::string_view name)
{
    for (auto level : {WordLevel::Everyday, WordLevel::Common, WordLevel::Wider})
        if (levelName(level) == name) return level;
    return std::nullopt;
}

}  // namespace moxlet
