// cRegistry on scratch keys of the real registry: what each stored type reads as,
// what each write stores or raises, the key members and the enumeration.
#include "ScratchKey.h"
#include "registry/cRegistry.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::string_literals;

cRegistry at(const std::string& path, const std::string& valueName = "", std::int32_t valueType = REG_SZ) {
    cRegistry registry;
    registry.ClassKey(ScratchKey::kHive);
    registry.SectionKey(path);
    registry.ValueKey(valueName);
    registry.ValueType(valueType);
    return registry;
}

// "number|source|description" of what the action raises, or "none".
std::string raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const RegistryError& error) {
        return std::to_string(error.number()) + "|" + error.source() + "|" + error.description();
    }
    return "none";
}

}  // namespace

TEST(cRegistry, EachStoredTypeReadsAsItsKindAndWhatCannotBeReadAsTheDefault) {
    ScratchKey key;
    ASSERT_TRUE(SetEnvironmentVariableA("CLIKPAD_TEST_DIR", "C:\\scratch"));
    const std::tuple<const char*, DWORD, std::string, Variant> rows[] = {
        // REG_NONE without bytes: not stored
        {"", REG_SZ, "True\0"s, "True"},
        {"Unterminated", REG_SZ, "abc", "abc"},
        {"Multi", REG_MULTI_SZ, "a\0b\0\0"s, "a\0b\0"s},
        {"Expand", REG_EXPAND_SZ, "%CLIKPAD_TEST_DIR%\\x;%CLIKPAD_UNSET%\0"s, "C:\\scratch\\x;%CLIKPAD_UNSET%"},
        {"Negative", REG_DWORD, "\xFE\xFF\xFF\xFF", std::int32_t{-2}},
        {"Short", REG_DWORD, "\x34\x12", std::int32_t{0x1234}},
        {"Big", REG_DWORD_BIG_ENDIAN, "\0\0\x01\x02"s, std::int32_t{258}},
        {"Odd", 42, "\x10", Variant::Bytes{0x10, 0}},
        {"Absent", REG_NONE, "", "default"},
    };
    for (const auto& [name, type, bytes, value] : rows) key.put(name, type, bytes);
    for (const std::string& path : {key.path(), key.path() + "\\Missing"}) {
        for (const auto& [name, type, bytes, value] : rows) {
            auto registry = at(path, name, REG_LINK);
            registry.Default(Variant("default"));
            const bool readable = path == key.path() && type != REG_NONE;
            EXPECT_EQ(registry.Value(), readable ? value : Variant("default")) << path << " " << name;
            EXPECT_EQ(registry.ValueType(), readable ? static_cast<std::int32_t>(type) : REG_LINK) << name;
        }
    }
}

TEST(cRegistry, EachValueTypeStoresItsFormOrRaisesAndStoresNothing) {
    ScratchKey key;
    const std::string setValue =
        "-2147194455|rules_tests.cRegistry|Failed to set registry value Key: "
        "'-2147483647',Section: '" +
        key.path() + "',Key: 'V' to value: '";
    const std::tuple<std::int32_t, Variant, std::string, std::string> rows[] = {
        // stored as texts() shows it
        {REG_SZ, "%TEMP%\\x", "2:%TEMP%\\x\0"s, "none"},
        {REG_EXPAND_SZ, "50%", "50%", "none"},
        {REG_SZ, true, "True", "none"},
        {REG_SZ, std::int16_t{-1}, "-1", "none"},
        {REG_DWORD_BIG_ENDIAN, std::int16_t{258}, "4:\x02\x01\0\0"s, "none"},
        {REG_DWORD, "5", "-", "none"},
        {REG_BINARY, Variant::Bytes{1, 2, 3}, "3:\x01\x02\x03", "none"},
        {REG_BINARY, "01", "-", "26001||"},
        {REG_MULTI_SZ, true, "-", setValue + "True'"},
        {REG_SZ, Variant::Bytes{0x0A, 0xFF}, "-", setValue + "0A FF'"},
    };
    for (const auto& [valueType, value, stored, error] : rows) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, key.path().c_str(), "V");
        auto registry = at(key.path(), "V", valueType);
        EXPECT_EQ(raised([&] { registry.Value(value); }), error) << value.toText();
        EXPECT_EQ(key.texts().count("V") ? key.texts().at("V") : "-", stored) << value.toText();
    }
}

TEST(cRegistry, KeysAreCreatedTestedAndDeletedOrTheFailureIsNamed) {
    ScratchKey key;
    auto deep = at(key.path() + "\\A\\B", "Deep");
    EXPECT_FALSE(deep.KeyExists());
    deep.Value(Variant("here"));  // a write makes the whole path
    EXPECT_TRUE(deep.KeyExists() && deep.CreateKey() && deep.DeleteValue() && deep.DeleteKey() && !deep.KeyExists());
    const std::string failed = "26001|rules_tests.cRegistry|Failed to ",
                      section = "-2147483647',Section: '" + key.path();
    EXPECT_EQ(raised([&] { deep.DeleteKey(); }), failed + "delete registry Key: '" + section + "\\A\\B");
    EXPECT_EQ(raised([&] { deep.DeleteValue(); }), failed + "open key '" + section + "\\A\\B' for delete access");
    EXPECT_EQ(raised([&] { at(key.path(), "V").DeleteValue(); }),
              failed + "delete registry Key: '" + section + "',Key: 'V");
    EXPECT_EQ(raised([&] { at("\\Leading", "V").Value(Variant("1")); }),
              failed + "set registry value Key: '-2147483647',Section: '\\Leading',Key: 'V' to value: '1'");
}

TEST(cRegistry, EnumerationListsTheNamesAfreshAndOnlyWhatIsThere) {
    ScratchKey key;
    key.putText("", "unnamed");
    const std::vector<std::string> subkeys = {std::string(254, 'a'), std::string(255, 'b')};
    for (const auto& name : subkeys) key.put("", REG_NONE, "", name);
    const auto list = [&](const std::string& path, auto member) {
        std::vector<std::string> names = {"stale"};
        std::int32_t count = 7;
        EXPECT_TRUE((at(path).*member)(names, count) && count == static_cast<std::int32_t>(names.size()));
        return names;
    };
    EXPECT_EQ(list(key.path(), &cRegistry::EnumerateValues), std::vector<std::string>{""});
    EXPECT_EQ(list(key.path(), &cRegistry::EnumerateSections), subkeys);
    EXPECT_TRUE(list(key.path() + "\\Missing", &cRegistry::EnumerateValues).empty());
    EXPECT_TRUE(list(key.path() + "\\" + subkeys[0], &cRegistry::EnumerateSections).empty());
}
