#include "Phones.h"

#include <gtest/gtest.h>

using namespace moxlet::wordbase::affixes;

TEST(Phones, EndAndStartPatterns)
{
    const auto wanted = splitPhones("W AO1 N T IH0 D");
    EXPECT_TRUE(phonesEndWith(wanted, "@ D"));
    EXPECT_TRUE(phonesEndWith(wanted, "T|D"));
    EXPECT_FALSE(phonesEndWith(splitPhones("D IH1 D"), "@ D"));
    EXPECT_EQ(startMatchLength(splitPhones("P R IY0 V Y UW2"), "P R AH|P R IY"), 3);
    EXPECT_FALSE(phonesStartWith(splitPhones("AH1 NG K AH0 L"), "AH N"));
}

TEST(Phones, StressedSuffixKeepsTheBaseStress)
{
    EXPECT_TRUE(phonesHaveStressedSuffix(splitPhones("AH0 N HH AE1 P IY0"), splitPhones("HH AE1 P IY0")));
    EXPECT_FALSE(phonesHaveStressedSuffix(splitPhones("P ER1 S AH0 N"), splitPhones("S AH1 N")));
    EXPECT_TRUE(phonesHavePrefix(splitPhones("HH AE1 P IY0 N AH0 S"), splitPhones("HH AE1 P IY0"), true));
    EXPECT_FALSE(phonesHavePrefix(splitPhones("HH OW1 P T"), splitPhones("HH AA1 P")));
}
