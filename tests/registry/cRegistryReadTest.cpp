#include "RegistryTesting.h"

#include <cstdlib>

namespace {
const std::string kZero(1, '\0');
}

TEST(cRegistryRead, StringTypesReadAsTextWithoutTheirTerminator) {
    ScratchKey key;
    key.putText("Plain", "True");
    const char multi[] = {'a', 0, 'b', 0, 0};
    key.put("Multi", REG_MULTI_SZ, multi, sizeof multi);

    auto plain = addressed(key, "Plain", 0);
    EXPECT_EQ(plain.Value(), Variant("True"));
    EXPECT_EQ(plain.ValueType(), REG_SZ);

    auto listed = addressed(key, "Multi", 0);
    EXPECT_EQ(listed.Value(), Variant("a" + kZero + "b" + kZero));
    EXPECT_EQ(listed.ValueType(), REG_MULTI_SZ);
}

TEST(cRegistryRead, StringsStoredWithoutTerminatorKeepEveryCharacter) {
    ScratchKey key;
    key.put("Empty", REG_SZ, "", 0);
    key.put("EmptyExpand", REG_EXPAND_SZ, "", 0);
    key.put("EmptyMulti", REG_MULTI_SZ, "", 0);
    key.put("Unterminated", REG_SZ, "abc", 3);

    for (const char* name : {"Empty", "EmptyExpand", "EmptyMulti"}) {
        auto registry = addressed(key, name, 0);
        EXPECT_EQ(registry.Value(), Variant("")) << name;
        EXPECT_NE(registry.ValueType(), 0) << name;
    }
    EXPECT_EQ(addressed(key, "Unterminated").Value(), Variant("abc"));
}

TEST(cRegistryRead, ExpandableStringsComeBackExpanded) {
    ScratchKey key;
    ASSERT_TRUE(SetEnvironmentVariableA("CLIKPAD_TEST_DIR", "C:\\scratch"));
    const std::string stored = "%CLIKPAD_TEST_DIR%\\x;%CLIKPAD_UNSET_VARIABLE%";
    key.put("Path", REG_EXPAND_SZ, stored.c_str(), static_cast<DWORD>(stored.size() + 1));

    auto registry = addressed(key, "Path", REG_SZ);
    EXPECT_EQ(registry.Value(), Variant("C:\\scratch\\x;%CLIKPAD_UNSET_VARIABLE%"));
    EXPECT_EQ(registry.ValueType(), REG_EXPAND_SZ);
}

TEST(cRegistryRead, DwordsReadAsSignedIntegers) {
    ScratchKey key;
    const DWORD seven = 7, negative = 0xFFFFFFFE;
    key.put("Seven", REG_DWORD, &seven, 4);
    key.put("Negative", REG_DWORD, &negative, 4);
    const unsigned char bigEndian[] = {0x00, 0x00, 0x01, 0x02};
    key.put("Big", REG_DWORD_BIG_ENDIAN, bigEndian, 4);

    auto registry = addressed(key, "Seven", REG_SZ);
    EXPECT_EQ(registry.Value(), Variant(std::int32_t{7}));
    EXPECT_EQ(registry.ValueType(), REG_DWORD);
    EXPECT_EQ(addressed(key, "Negative").Value(), Variant(std::int32_t{-2}));

    auto big = addressed(key, "Big", REG_SZ);
    EXPECT_EQ(big.Value(), Variant(std::int32_t{258}));
    EXPECT_EQ(big.ValueType(), REG_DWORD_BIG_ENDIAN);
}

TEST(cRegistryRead, DwordsOfOddSizesUseTheirFirstFourBytes) {
    ScratchKey key;
    const unsigned char longer[] = {0x05, 0x00, 0x00, 0x00, 0xFF, 0xFF};
    key.put("Longer", REG_DWORD, longer, sizeof longer);
    const unsigned char shorter[] = {0x34, 0x12};
    key.put("Shorter", REG_DWORD, shorter, sizeof shorter);

    EXPECT_EQ(addressed(key, "Longer").Value(), Variant(std::int32_t{5}));
    EXPECT_EQ(addressed(key, "Shorter").Value(), Variant(std::int32_t{0x1234}));
}

TEST(cRegistryRead, OtherTypesReadAsBytesWithOneExtraZero) {
    ScratchKey key;
    const unsigned char three[] = {0x10, 0x20, 0x30};
    key.put("Binary", REG_BINARY, three, 3);
    key.put("None", REG_NONE, three, 2);
    key.put("Odd", 42, three, 1);

    auto binary = addressed(key, "Binary", REG_SZ);
    EXPECT_EQ(binary.Value(), Variant(Variant::Bytes{0x10, 0x20, 0x30, 0x00}));
    EXPECT_EQ(binary.ValueType(), REG_BINARY);

    auto none = addressed(key, "None", REG_SZ);
    EXPECT_EQ(none.Value(), Variant(Variant::Bytes{0x10, 0x20, 0x00}));
    EXPECT_EQ(none.ValueType(), REG_NONE);

    auto odd = addressed(key, "Odd", REG_SZ);
    EXPECT_EQ(odd.Value(), Variant(Variant::Bytes{0x10, 0x00}));
    EXPECT_EQ(odd.ValueType(), 42);
}

TEST(cRegistryRead, MissingValueOrKeyGivesDefaultAndKeepsValueType) {
    ScratchKey key;
    key.putText("Present", "x");

    auto missingValue = addressed(key, "Absent", REG_BINARY);
    EXPECT_EQ(missingValue.Value(), Variant());
    EXPECT_EQ(missingValue.ValueType(), REG_BINARY);

    cRegistry missingKey;
    missingKey.ClassKey(key.hive());
    missingKey.SectionKey(key.child("No\\Such\\Key"));
    missingKey.ValueKey("Present");
    missingKey.ValueType(REG_DWORD);
    missingKey.Default(Variant("fallback"));
    EXPECT_EQ(missingKey.Value(), Variant("fallback"));
    EXPECT_EQ(missingKey.ValueType(), REG_DWORD);
    EXPECT_FALSE(missingKey.KeyExists());
}

TEST(cRegistryRead, UnnamedValueIsAddressedByTheEmptyName) {
    ScratchKey key;
    key.putText("", "default text");
    EXPECT_EQ(addressed(key, "").Value(), Variant("default text"));
}
