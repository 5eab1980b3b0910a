#include "RegistryTesting.h"

namespace {
cRegistry at(std::int32_t hive, const std::string& path) {
    cRegistry registry;
    registry.ClassKey(hive);
    registry.SectionKey(path);
    return registry;
}
}  // namespace

TEST(cRegistryKeys, CreateKeyMakesThePathAndKeyExistsSeesIt) {
    ScratchKey key;
    auto registry = at(key.hive(), key.child("A\\B"));
    EXPECT_FALSE(registry.KeyExists());
    EXPECT_TRUE(registry.CreateKey());
    EXPECT_TRUE(registry.KeyExists());
    EXPECT_TRUE(registry.CreateKey());  // opening an existing key succeeds too
}

TEST(cRegistryKeys, KeyExistsNeverRaises) {
    EXPECT_FALSE(at(cRegistry::kLocalMachine, "\\Leading").KeyExists());
    EXPECT_FALSE(at(static_cast<std::int32_t>(0x80000009), "Software").KeyExists());
    EXPECT_TRUE(at(cRegistry::kLocalMachine, "Software").KeyExists());
}

TEST(cRegistryKeys, CreateKeyFailureNamesTheSection) {
    auto registry = at(static_cast<std::int32_t>(0x80000009), "Software\\Nowhere");
    const auto error = expectRegistryError([&] { registry.CreateKey(); });
    EXPECT_EQ(error.number(), 26001);
    EXPECT_EQ(error.description(), "Failed to create registry Key: 'Software\\Nowhere");
}

TEST(cRegistryKeys, DeleteKeyRemovesAnEmptyKeyAndReportsAMissingOne) {
    ScratchKey key;
    auto registry = at(key.hive(), key.child("Gone"));
    registry.CreateKey();
    EXPECT_TRUE(registry.DeleteKey());
    EXPECT_FALSE(registry.KeyExists());

    auto missing = at(cRegistry::kLocalMachine, "SOFTWARE\\ClikpadTests\\Never\\There");
    const auto error = expectRegistryError([&] { missing.DeleteKey(); });
    EXPECT_EQ(error.number(), 26001);
    EXPECT_EQ(error.source(), "registry_tests.cRegistry");
    EXPECT_EQ(error.description(),
              "Failed to delete registry Key: '-2147483646',Section: 'SOFTWARE\\ClikpadTests\\Never\\There");
}

TEST(cRegistryKeys, DeleteValueRemovesOnlyThatValue) {
    ScratchKey key;
    key.putText("Keep", "1");
    key.putText("Drop", "2");
    auto registry = addressed(key, "Drop");
    EXPECT_TRUE(registry.DeleteValue());
    EXPECT_FALSE(key.has("Drop"));
    EXPECT_TRUE(key.has("Keep"));
}

TEST(cRegistryKeys, DeleteValueFailuresSayWhatFailed) {
    ScratchKey key;
    key.putText("Keep", "1");
    auto missingValue = addressed(key, "Absent");
    const auto deleteError = expectRegistryError([&] { missingValue.DeleteValue(); });
    EXPECT_EQ(deleteError.number(), 26001);
    EXPECT_EQ(deleteError.description(),
              "Failed to delete registry Key: '-2147483647',Section: '" + key.path() + "',Key: 'Absent");

    auto missingKey = at(key.hive(), key.child("Nope"));
    missingKey.ValueKey("Keep");
    const auto openError = expectRegistryError([&] { missingKey.DeleteValue(); });
    EXPECT_EQ(openError.number(), 26001);
    EXPECT_EQ(openError.description(),
              "Failed to open key '-2147483647',Section: '" + key.child("Nope") + "' for delete access");
}
