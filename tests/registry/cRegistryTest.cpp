// cRegistry on scratch keys of the real registry: reads, writes, keys, enumeration, file types.
#include "Recorders.h"
#include "ScratchKey.h"
#include "StateFields.h"
#include "registry/cRegistry.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

cRegistry at(const std::string& path, const std::string& valueName = "", std::int32_t valueType = REG_SZ) {
    cRegistry registry;
    registry.ClassKey(ScratchKey::kHive), registry.SectionKey(path), registry.ValueKey(valueName);
    registry.ValueType(valueType);
    return registry;
}

std::string raised(const std::function<void()>& action) try {  // "number|source|description", or "none"
    action();
    return "none";
} catch (const RegistryError& error) {
    return std::to_string(error.number()) + "|" + error.source() + "|" + error.description();
}

}  // namespace

TEST(cRegistry, EachStoredTypeReadsAsItsKindAndWhatCannotBeReadAsTheDefault) {
    ScratchKey key;
    ASSERT_TRUE(SetEnvironmentVariableA("CLIKPAD_TEST_DIR", "C:\\x"));
    // clang-format off
    const std::tuple<const char*, DWORD, std::string, Variant> rows[] = {  // REG_NONE without bytes: not stored
        {"", REG_SZ, "True\0"s, "True"}, {"Unterminated", REG_SZ, "abc", "abc"},
        {"Multi", REG_MULTI_SZ, "a\0b\0\0"s, "a\0b\0"s}, {"Expand", REG_EXPAND_SZ, "%CLIKPAD_TEST_DIR%;%NONE%\0"s, "C:\\x;%NONE%"},
        {"Negative", REG_DWORD, "\xFE\xFF\xFF\xFF", std::int32_t{-2}}, {"Short", REG_DWORD, "\x34\x12", std::int32_t{0x1234}},
        {"Big", REG_DWORD_BIG_ENDIAN, "\0\0\x01\x02"s, std::int32_t{258}}, {"Odd", 42, "\x10", Variant::Bytes{0x10, 0}},
        {"Absent", REG_NONE, "", "default"}};
    // clang-format on
    for (const auto& [name, type, bytes, value] : rows) key.put(name, type, bytes);
    for (const std::string& path : {key.path(), key.path() + "\\Missing"})
        for (const auto& [name, type, bytes, value] : rows) {
            auto registry = at(path, name, REG_LINK);
            registry.Default(Variant("default"));
            const bool readable = path == key.path() && type != REG_NONE;
            EXPECT_EQ(registry.Value(), readable ? value : Variant("default")) << path << " " << name;
            EXPECT_EQ(registry.ValueType(), readable ? static_cast<std::int32_t>(type) : REG_LINK) << name;
        }
}

TEST(cRegistry, EachValueTypeStoresItsFormOfTheValueOrRaises) {
    ScratchKey key;
    const std::string hive = std::to_string(ScratchKey::kHive), keyFailure = std::to_string(RegistryError::kKeyFailure);
    const std::string setValue = std::to_string(RegistryError::kSetValueFailure) +
                                 "|rules_tests.cRegistry|Failed to set registry value Key: '" + hive + "'," +
                                 ("Section: '" + key.path()) + "',Key: 'V' to value: '";
    // clang-format off
    const std::tuple<std::int32_t, Variant, std::string, std::string> writes[] = {  // stored as texts() shows it
        {REG_SZ, "%TEMP%\\x", "2:%TEMP%\\x\0"s, "none"}, {REG_EXPAND_SZ, "50%", "50%", "none"},
        {REG_SZ, true, "True", "none"}, {REG_SZ, std::int16_t{-1}, "-1", "none"},
        {REG_DWORD_BIG_ENDIAN, std::int16_t{258}, "4:\x02\x01\0\0"s, "none"}, {REG_DWORD, "5", "-", "none"},
        {REG_BINARY, Variant::Bytes{1, 2, 3}, "3:\x01\x02\x03", "none"}, {REG_BINARY, "01", "-", keyFailure + "||"},
        {REG_MULTI_SZ, true, "-", setValue + "True'"}, {REG_SZ, Variant::Bytes{0x0A, 0xFF}, "-", setValue + "0A FF'"}};
    // clang-format on
    for (const auto& [valueType, value, stored, error] : writes) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, key.path().c_str(), "V");
        EXPECT_EQ(raised([&] { at(key.path(), "V", valueType).Value(value); }), error) << value.toText();
        EXPECT_EQ(key.texts().count("V") ? key.texts().at("V") : "-", stored) << value.toText();
    }
}

TEST(cRegistry, KeysAreMadeFoundListedAndDeletedOrTheFailureIsNamed) {
    ScratchKey key;
    key.put("", REG_NONE, "", std::string(255, 'b'));  // the longest name a key may have
    auto deep = at(key.path() + "\\A", "Deep");
    deep.Value(Variant("here"));  // a write makes the whole path
    EXPECT_TRUE(allHold({FACT(deep.KeyExists()), FACT(deep.CreateKey()), FACT(deep.DeleteValue()),
                         FACT(deep.DeleteKey()), FACT(!deep.KeyExists())}));
    const std::string section = std::to_string(ScratchKey::kHive) + "',Section: '" + key.path() + "\\A";
    EXPECT_EQ(raised([&] { deep.DeleteValue(); }), std::to_string(RegistryError::kKeyFailure) +
                                                       "|rules_tests.cRegistry|Failed to open key '" + section +
                                                       "' for delete access");
    std::vector<std::string> names = {"stale"};
    std::int32_t count = 7;
    EXPECT_TRUE(at(key.path()).EnumerateSections(names, count));
    EXPECT_THAT(names, ElementsAre(std::string(255, 'b')));
    EXPECT_TRUE(at(key.path() + "\\Missing").EnumerateValues(names, count));
    EXPECT_THAT(names, IsEmpty());
    EXPECT_EQ(count, 0);
}

TEST(cRegistry, AFileTypeIsRegisteredUnderBothRootsFromCopiesOfTheArguments) {
    // Scratch keys for HKEY_CLASSES_ROOT and HKLM\SOFTWARE\Classes, one key under Wine: a misplaced write would hide.
    const ScratchKey first{"root1"}, second{"root2"};
    const ScopedSeam<cRegistry::ClassesRoots> roots(
        cRegistry::replaceClassesRoots,
        {{{ScratchKey::kHive, first.path() + "\\"}, {ScratchKey::kHive, second.path() + "\\"}}});
    cRegistry registry;
    registry.SectionKey("Cls"), registry.ValueKey("Doc");  // its own fields as arguments: the member works on copies
    registry.CreateEXEAssociation("  \"C:\\a.exe ", registry.SectionKey(), registry.ValueKey(), ".t", "", true, "",
                                  false, "", true, "", 0);
    registry.ClassKey(ScratchKey::kHive);
    registry.CreateAdditionalEXEAssociations(first.path() + "\\Cls", std::vector<Variant>{"v", "&V", "c", "w"});
    EXPECT_EQ(registry.LastError()->number(), RegistryError::kInvalidItemList);  // not in triples: nothing written
    registry.CreateAdditionalEXEAssociations(first.path() + "\\Cls", std::vector<Variant>{"v", "&V", "c"});
    const std::string exe = "\"C:\\a.exe\"";  // trimmed, quoted once
    // clang-format off
    const std::map<std::string, std::string> expected = {{"..t", "Cls"}, {"Cls", "Doc"}, {"Cls\\shell\\open", "&Open"},
        {"Cls\\shell\\open\\command", exe + " \"%1\""}, {"Cls\\shell\\print", "&Print"},
        {"Cls\\shell\\print\\command", exe + " /p \"%1\""}, {"Cls\\shell\\add", "&Install .t"},
        {"Cls\\shell\\add\\command", exe + " /a \"%1\""}, {"Cls\\DefaultIcon", exe + ",0"}};
    // clang-format on
    for (const ScratchKey* root : {&first, &second}) {
        for (const auto& [path, text] : expected)
            EXPECT_EQ(at(root->path() + "\\" + path).Value(), Variant(text)) << path;
        EXPECT_FALSE(at(root->path() + "\\Cls\\shell\\new").KeyExists());
        EXPECT_EQ(at(root->path() + "\\" + first.path() + "\\Cls\\shell\\v\\command").Value(), Variant("c"));
    }
}
