#include <gtest/gtest.h>
TEST(AffixGold, Placeholder) {}
