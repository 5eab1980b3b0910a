#include "registry/Variant.h"

#include <gtest/gtest.h>

TEST(VariantText, EachKindHasItsTextForm) {
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_EQ(Variant("4,10").toText(), "4,10");
    EXPECT_EQ(Variant(true).toText(), "True");
    EXPECT_EQ(Variant(false).toText(), "False");
    EXPECT_EQ(Variant(std::int16_t{1}).toText(), "1");
    EXPECT_EQ(Variant(std::int16_t{-32768}).toText(), "-32768");
    EXPECT_EQ(Variant(std::int32_t{-2147483647 - 1}).toText(), "-2147483648");
    EXPECT_EQ(Variant(Variant::Bytes{0x01, 0xA0, 0xFF}).toText(), "01 A0 FF");
    EXPECT_EQ(Variant(Variant::Bytes{}).toText(), "");
}

TEST(VariantKinds, IntegersWidenAndKindsStayApart) {
    EXPECT_EQ(Variant(std::int16_t{-7}).integer(), -7);
    EXPECT_TRUE(Variant(std::int16_t{3}).isInteger());
    EXPECT_TRUE(Variant(std::int32_t{3}).isInteger());
    EXPECT_FALSE(Variant("3").isInteger());
    EXPECT_FALSE(Variant(true).isInteger());
    // A C string must become text, not a Boolean.
    EXPECT_EQ(Variant("x").kind(), Variant::Kind::Text);
    EXPECT_NE(Variant(std::int16_t{1}), Variant(std::int32_t{1}));
}
