#include "RegistryTesting.h"

#include "platform/ModuleName.h"

namespace {
std::vector<std::uint8_t> textBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}
}  // namespace

TEST(cRegistryWrite, PercentRuleChoosesTheStoredStringType) {
    ScratchKey key;
    const std::vector<std::pair<std::string, DWORD>> cases = {
        {"50%", REG_SZ}, {"%TEMP%\\x", REG_EXPAND_SZ}, {"a%b%c", REG_EXPAND_SZ}, {"%%", REG_SZ}, {"4,10", REG_SZ}};
    for (const auto& [text, expectedType] : cases) {
        for (const std::int32_t valueType : {REG_SZ, REG_EXPAND_SZ}) {
            auto registry = addressed(key, "V", valueType);
            registry.Value(Variant(text));
            EXPECT_EQ(key.typeOf("V"), expectedType) << text << " as type " << valueType;
            EXPECT_EQ(key.bytesOf("V"), textBytes(text)) << text;
        }
    }
}

TEST(cRegistryWrite, BooleansAndIntegersAreWrittenAsTheirText) {
    ScratchKey key;
    auto registry = addressed(key, "Flag");
    registry.Value(Variant(true));
    EXPECT_EQ(key.bytesOf("Flag"), textBytes("True"));
    registry.Value(Variant(false));
    EXPECT_EQ(key.bytesOf("Flag"), textBytes("False"));
    registry.Value(Variant(std::int16_t{1}));
    EXPECT_EQ(key.bytesOf("Flag"), textBytes("1"));
    EXPECT_EQ(key.typeOf("Flag"), REG_SZ);
    registry.Value(Variant());
    EXPECT_EQ(key.bytesOf("Flag"), textBytes(""));
}

TEST(cRegistryWrite, DwordTypesStoreMachineOrderDword) {
    ScratchKey key;
    const std::vector<std::uint8_t> bytes258 = {0x02, 0x01, 0x00, 0x00};

    auto little = addressed(key, "Little", REG_DWORD);
    little.Value(Variant(std::int32_t{258}));
    EXPECT_EQ(key.typeOf("Little"), REG_DWORD);
    EXPECT_EQ(key.bytesOf("Little"), bytes258);

    auto big = addressed(key, "Big", REG_DWORD_BIG_ENDIAN);
    big.Value(Variant(std::int16_t{258}));
    EXPECT_EQ(key.typeOf("Big"), REG_DWORD);
    EXPECT_EQ(key.bytesOf("Big"), bytes258);
    EXPECT_EQ(big.Value(), Variant(std::int32_t{258}));
    EXPECT_EQ(big.ValueType(), REG_DWORD);
}

TEST(cRegistryWrite, DwordTypeWithTextOrBooleanWritesNothingAndRaisesNothing) {
    ScratchKey key;
    auto registry = addressed(key, "Number", REG_DWORD);
    EXPECT_NO_THROW(registry.Value(Variant("5")));
    EXPECT_NO_THROW(registry.Value(Variant(true)));
    EXPECT_FALSE(key.has("Number"));
}

TEST(cRegistryWrite, BinaryStoresEveryByteOfTheArray) {
    ScratchKey key;
    auto registry = addressed(key, "Blob", REG_BINARY);
    registry.Value(Variant(Variant::Bytes{1, 2, 3}));
    EXPECT_EQ(key.typeOf("Blob"), REG_BINARY);
    EXPECT_EQ(key.bytesOf("Blob"), (std::vector<std::uint8_t>{1, 2, 3}));
    registry.Value(Variant(Variant::Bytes{}));
    EXPECT_TRUE(key.bytesOf("Blob").empty());
}

TEST(cRegistryWrite, BinaryOfAnythingButBytesRaisesBare26001) {
    ScratchKey key;
    auto registry = addressed(key, "Blob", REG_BINARY);
    const auto error = expectRegistryError([&] { registry.Value(Variant("01")); });
    EXPECT_EQ(error.number(), 26001);
    EXPECT_EQ(error.source(), "");
    EXPECT_EQ(error.description(), "");
    EXPECT_FALSE(key.has("Blob"));
}

TEST(cRegistryWrite, UnwritableTypesRaiseTheSetValueError) {
    ScratchKey key;
    cRegistry registry;  // ValueType stays at its initial 0
    registry.ClassKey(key.hive());
    registry.SectionKey(key.path());
    registry.ValueKey("Events");
    const auto error = expectRegistryError([&] { registry.Value(Variant("4")); });
    EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x800469A9));
    EXPECT_EQ(error.number(), -2147194455);
    EXPECT_EQ(error.source(), ExecutableBaseName() + ".cRegistry");
    EXPECT_EQ(error.source(), "registry_tests.cRegistry");
    EXPECT_EQ(error.description(), "Failed to set registry value Key: '-2147483647',Section: '" + key.path() +
                                       "',Key: 'Events' to value: '4'");
    EXPECT_FALSE(key.has("Events"));

    for (const std::int32_t type : {REG_LINK, REG_MULTI_SZ, 8, 11}) {
        registry.ValueType(type);
        EXPECT_EQ(expectRegistryError([&] { registry.Value(Variant(true)); }).description(),
                  "Failed to set registry value Key: '-2147483647',Section: '" + key.path() +
                      "',Key: 'Events' to value: 'True'");
    }
}

TEST(cRegistryWrite, ByteArrayHasNoTextToStoreAsString) {
    ScratchKey key;
    auto registry = addressed(key, "Text", REG_SZ);
    const auto error = expectRegistryError([&] { registry.Value(Variant(Variant::Bytes{0x0A, 0xFF})); });
    EXPECT_EQ(error.number(), -2147194455);
    EXPECT_NE(error.description().find("' to value: '0A FF'"), std::string::npos) << error.description();
    EXPECT_FALSE(key.has("Text"));
}

TEST(cRegistryWrite, WritingUnderMissingKeysCreatesTheWholePath) {
    ScratchKey key;
    cRegistry registry;
    registry.ClassKey(key.hive());
    registry.SectionKey(key.child("One\\Two\\Three"));
    registry.ValueType(REG_SZ);
    registry.ValueKey("Deep");
    registry.Value(Variant("here"));
    EXPECT_TRUE(registry.KeyExists());
    EXPECT_EQ(registry.Value(), Variant("here"));
}

TEST(cRegistryWrite, UnopenableKeyRaises26001WithTheSetValueText) {
    cRegistry registry;
    registry.ClassKey(cRegistry::kLocalMachine);
    registry.SectionKey("\\Leading\\Backslash");
    registry.ValueType(REG_SZ);
    registry.ValueKey("Hide");
    const auto error = expectRegistryError([&] { registry.Value(Variant("1")); });
    EXPECT_EQ(error.number(), 26001);
    EXPECT_EQ(error.description(),
              "Failed to set registry value Key: '-2147483646',Section: '\\Leading\\Backslash',Key: 'Hide' to value: '1'");
}
