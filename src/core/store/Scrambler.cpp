#include "core/store/Scrambler.h"

#include "core/store/KeyTables.h"

namespace moxlet {

namespace {

std::int16_t key(int row, int column)
{
    return KeyTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int row(std::int16_t seed) { return ((seed % 7) + 7) % 7; }

struct Rows {
    int a, b, c;
};

// The XOR mask of word i (1..24).  Offsets for profiles: c row at i+b+3,
// b row at i+a+2, a row at i+c+1; for plans i+b+1, i+a+2, i+c+3.
std::int16_t wordMask(const Rows& r, int i, int cOff, int bOff, int aOff)
{
    return static_cast<std::int16_t>(key(r.c, i + r.b + cOff) ^ key(r.b, i + r.a + bOff) ^
                                     key(r.a, i + r.c + aOff));
}

struct Offsets {
    int c, b, a;
};
constexpr Offsets kProfileOffsets{3, 2, 1};
constexpr Offsets kPlanOffsets{1, 2, 3};

void scramble(SegmentSet& set, std::int16_t& s1, std::int16_t& s2, std::int16_t& s3,
              std::array<std::int16_t, 13>& noise, const std::array<std::int16_t, 24>& perm,
              const Offsets& off, Random& random)
{
    s1 = static_cast<std::int16_t>(random.below(32000));
    s2 = static_cast<std::int16_t>(random.below(32000));
    s3 = static_cast<std::int16_t>(random.below(32000));
    Rows r{row(s1), row(s2), row(s3)};
    for (int i = 1; i <= 24; ++i)
        set.word(i) = static_cast<std::int16_t>(set.word(i) ^ wordMask(r, i, off.c, off.b, off.a));
    s1 = static_cast<std::int16_t>(s1 ^ key(1, 1));
    s2 = static_cast<std::int16_t>(s2 ^ key(2, 2));
    s3 = static_cast<std::int16_t>(s3 ^ key(3, 3));
    for (int i = 1; i <= 13; ++i)
        noise[static_cast<std::size_t>(i - 1)] =
            static_cast<std::int16_t>(random.below(32000) ^ key(r.a, i + r.b + 4));
    SegmentSet stored;
    for (std::size_t i = 0; i < 24; ++i) stored.words[i] = set.words[static_cast<std::size_t>(perm[i])];
    set = stored;
}

void unscramble(SegmentSet& set, std::int16_t& s1, std::int16_t& s2, std::int16_t& s3,
                std::array<std::int16_t, 13>& noise, const std::array<std::int16_t, 24>& perm,
                const Offsets& off)
{
    Rows r{row(static_cast<std::int16_t>(s1 ^ key(1, 1))), row(static_cast<std::int16_t>(s2 ^ key(2, 2))),
           row(static_cast<std::int16_t>(s3 ^ key(3, 3)))};
    SegmentSet plain;
    for (std::size_t i = 0; i < 24; ++i) plain.words[static_cast<std::size_t>(perm[i])] = set.words[i];
    for (int i = 1; i <= 24; ++i)
        plain.word(i) = static_cast<std::int16_t>(plain.word(i) ^ wordMask(r, i, off.c, off.b, off.a));
    set = plain;
    s1 = s2 = s3 = 0;
    noise.fill(0);
}

}  // namespace

void scrambleProfile(StudentProfile& p, Random& random)
{
    scramble(p.StudiedSegments, p.Seed1, p.Seed2, p.Seed3, p.ProfileNoise, ProfilePermutation,
             kProfileOffsets, random);
}

void unscrambleProfile(StudentProfile& p)
{
    unscramble(p.StudiedSegments, p.Seed1, p.Seed2, p.Seed3, p.ProfileNoise, ProfilePermutation,
               kProfileOffsets);
}

void scramblePlan(LessonPlan& p, Random& random)
{
    scramble(p.PlanStudiedSegments, p.Seed1, p.Seed2, p.Seed3, p.PlanNoise, PlanPermutation, kPlanOffsets,
             random);
}

void unscramblePlan(LessonPlan& p)
{
    unscramble(p.PlanStudiedSegments, p.Seed1, p.Seed2, p.Seed3, p.PlanNoise, PlanPermutation, kPlanOffsets);
}

}  // namespace moxlet
