#include "RegistryTesting.h"

#include "platform/RegKey.h"

namespace {
using Names = std::vector<std::string>;
using Member = bool (cRegistry::*)(Names&, std::int32_t&);

// What the member lists for the path, handed a list and a count with old contents.
Names listed(const ScratchKey& key, const std::string& path, Member member) {
    cRegistry registry;
    registry.ClassKey(key.hive());
    registry.SectionKey(path);
    Names names = {"stale", "old"};
    std::int32_t count = 7;
    EXPECT_TRUE((registry.*member)(names, count));
    EXPECT_EQ(count, static_cast<std::int32_t>(names.size()));
    return names;
}

// Made below the open scratch key: Wine's ANSI calls refuse paths of 260 characters
// or more, which a long name below the scratch path would reach.
void makeSubkey(const ScratchKey& key, const std::string& name) {
    RegKey parent, child;
    ASSERT_EQ(RegCreateKeyExA(key.hiveHandle(), key.path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              parent.receive(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExA(parent.get(), name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, child.receive(),
                              nullptr),
              ERROR_SUCCESS);
}
}  // namespace

TEST(cRegistryEnumerate, ValuesListsEveryNameTheUnnamedOneIncluded) {
    ScratchKey key;
    key.putText("", "unnamed");
    key.putText("Events", "4,10");
    key.putText("Loop", "True");
    makeSubkey(key, "NotAValue");
    EXPECT_EQ(listed(key, key.path(), &cRegistry::EnumerateValues), (Names{"", "Events", "Loop"}));
}

TEST(cRegistryEnumerate, SectionsListsSubkeysInTheSystemsOrder) {
    ScratchKey key;
    for (const char* name : {"One", "Two", "Three", "Two\\Grandchild"}) makeSubkey(key, name);
    key.putText("NotASubkey", "1");
    EXPECT_EQ(listed(key, key.path(), &cRegistry::EnumerateSections), (Names{"One", "Three", "Two"}));  // sorted
}

TEST(cRegistryEnumerate, EmptyAndMissingKeysListNothing) {
    ScratchKey key;
    makeSubkey(key, "Empty");
    for (const Member member : {&cRegistry::EnumerateValues, &cRegistry::EnumerateSections}) {
        EXPECT_EQ(listed(key, key.child("Empty"), member), Names{});
        EXPECT_EQ(listed(key, key.child("Missing"), member), Names{});
    }
}

TEST(cRegistryEnumerate, SectionsReturnsTheLongestNamesWholeAndGoesOn) {
    ScratchKey key;
    const Names expected = {std::string(254, 'a'), std::string(255, 'b'), "zz"};
    for (const auto& name : expected) makeSubkey(key, name);
    EXPECT_EQ(listed(key, key.path(), &cRegistry::EnumerateSections), expected);
}
