#include "RegistryTesting.h"
#include "settings/SettingsStore.h"

#include <map>

namespace {

const std::map<std::string, std::string> kExpectedDefaults = {
    {"Button", "True"}, {"DetAd", "False"}, {"Events", "4"}, {"Hide", "0"},
    {"Loop", "True"},   {"Ver", "4.3"},     {"OnTop", "0"}};

std::map<std::string, std::string> storedTexts(const ScratchKey& key) {
    std::map<std::string, std::string> texts;
    for (const auto& name : key.valueNames()) texts[name] = key.textOf(name);
    return texts;
}

// Settings kept in a scratch key of the machine hive, with another as the user fallback.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore::chooseLocation({machine.hive(), machine.path()}, {user.hive(), user.path()});
        ASSERT_EQ(SettingsStore::location().path, machine.path());
    }
    ScratchKey machine{cRegistry::kLocalMachine};
    ScratchKey user{cRegistry::kCurrentUser};
};

}  // namespace

TEST_F(SettingsStoreTest, FirstStartWritesExactlyTheSevenDefaults) {
    RegDeleteTreeA(machine.hiveHandle(), machine.path().c_str());  // no key at all
    EXPECT_TRUE(SettingsStore().resetUnlessCurrentVersion());
    EXPECT_EQ(storedTexts(machine), kExpectedDefaults);
    for (const auto& [name, text] : kExpectedDefaults) EXPECT_EQ(machine.typeOf(name), REG_SZ) << name;
    EXPECT_TRUE(user.valueNames().empty());
}

TEST_F(SettingsStoreTest, SecondStartWritesNothing) {
    SettingsStore().resetUnlessCurrentVersion();
    machine.putText("Events", "5,10");
    machine.putText("Hide", "1");
    EXPECT_FALSE(SettingsStore().resetUnlessCurrentVersion());
    auto expected = kExpectedDefaults;
    expected["Events"] = "5,10";
    expected["Hide"] = "1";
    EXPECT_EQ(storedTexts(machine), expected);
}

TEST_F(SettingsStoreTest, AnyOtherMarkerResetsAllSevenAndLeavesForeignValues) {
    for (const std::string marker : {"4.2", "4.30", " 4.3", "4.3 ", ""}) {
        machine.putText("Ver", marker);
        machine.putText("Events", "9");
        machine.putText("OnTop", "1");
        machine.putText("Foreign", "left alone");
        EXPECT_TRUE(SettingsStore().resetUnlessCurrentVersion()) << "'" << marker << "'";
        auto expected = kExpectedDefaults;
        expected["Foreign"] = "left alone";
        EXPECT_EQ(storedTexts(machine), expected) << "'" << marker << "'";
    }
}

TEST_F(SettingsStoreTest, ReadsGiveStoredTextAndEmptyWhenMissing) {
    SettingsStore store;
    EXPECT_EQ(store.read(SettingName::kEvents), "");  // no key yet
    store.write(SettingName::kEvents, "3,10");
    machine.putText("Loop", "true");
    EXPECT_EQ(store.read(SettingName::kEvents), "3,10");
    EXPECT_EQ(store.read(SettingName::kLoop), "true");
    EXPECT_EQ(store.read(SettingName::kHide), "");
}

TEST_F(SettingsStoreTest, HandStoredValuesOfOtherTypesCountByTheirText) {
    const DWORD one = 1;
    machine.put("Hide", REG_DWORD, &one, 4);
    const unsigned char blob[] = {'1', 0};
    machine.put("OnTop", REG_BINARY, blob, 2);
    SettingsStore store;
    EXPECT_EQ(store.read(SettingName::kHide), "1");
    EXPECT_EQ(store.read(SettingName::kOnTop), "");
    // The object goes on writing plain strings after reading another type.
    store.write(SettingName::kLoop, "False");
    EXPECT_EQ(machine.typeOf("Loop"), REG_SZ);
}

TEST_F(SettingsStoreTest, UnwritableMachineLocationFallsBackToTheUser) {
    for (const SettingsLocation& unwritable : {SettingsLocation{cRegistry::kLocalMachine, "\\" + machine.path()},
                                              SettingsLocation{static_cast<std::int32_t>(0x80000009), "Software"}}) {
        RegDeleteTreeA(user.hiveHandle(), user.path().c_str());
        SettingsStore::chooseLocation(unwritable, {user.hive(), user.path()});
        EXPECT_EQ(SettingsStore::location(), (SettingsLocation{user.hive(), user.path()}));
        EXPECT_TRUE(SettingsStore().resetUnlessCurrentVersion());
        EXPECT_EQ(storedTexts(user), kExpectedDefaults);
        EXPECT_FALSE(SettingsStore().resetUnlessCurrentVersion());
    }
    EXPECT_FALSE(machine.has("Ver"));
}

TEST_F(SettingsStoreTest, TheMachineKeyIsTakenOnlyWhenItHidesNoSettingsOfTheUser) {
    const SettingsLocation userKey{user.hive(), user.path()};
    const SettingsLocation machineKey{machine.hive(), machine.path()};
    const struct {
        const char* machineVer;  // nullptr: no marker
        const char* userVer;
        bool expectMachine;
    } rows[] = {
        {nullptr, nullptr, true},  // the first start ever
        {"4.3", nullptr, true},    {"4.3", "4.3", true}, {"4.2", nullptr, true},
        {nullptr, "4.3", false},  // a first elevated start must not hide the user's settings
        {"4.2", "4.3", false},     {nullptr, "4.2", true},
    };
    for (const auto& row : rows) {
        RegDeleteTreeA(machine.hiveHandle(), machine.path().c_str());
        RegDeleteTreeA(user.hiveHandle(), user.path().c_str());
        if (row.machineVer) machine.putText("Ver", row.machineVer);
        if (row.userVer) user.putText("Ver", row.userVer);
        SettingsStore::chooseLocation(machineKey, userKey);
        EXPECT_EQ(SettingsStore::location(), row.expectMachine ? machineKey : userKey)
            << "machine " << (row.machineVer ? row.machineVer : "-") << ", user " << (row.userVer ? row.userVer : "-");
    }
}

TEST_F(SettingsStoreTest, WhenBothLocationsFailTheFirstWriteRaises) {
    const SettingsLocation nowhere{static_cast<std::int32_t>(0x80000009), "Software"};
    SettingsStore::chooseLocation(nowhere, nowhere);
    const auto error = expectRegistryError([] { SettingsStore().resetUnlessCurrentVersion(); });
    EXPECT_EQ(error.number(), 26001);
    EXPECT_EQ(error.description(), "Failed to set registry value Key: '-2147483639',Section: 'Software',Key: "
                                   "'Button' to value: 'True'");
}

TEST(SettingsReadingRules, OnlyTheExactTextsSelectTheFirstChoice) {
    EXPECT_TRUE(SettingsStore::isTrue("True"));
    for (const char* other : {"TRUE", "true", " True", "True ", "1", "", "False"})
        EXPECT_FALSE(SettingsStore::isTrue(other)) << other;
    EXPECT_TRUE(SettingsStore::isOne("1"));
    for (const char* other : {" 1", "01", "True", "", "0"}) EXPECT_FALSE(SettingsStore::isOne(other)) << other;
}

TEST(SettingsReadingRules, TheRunLoopsOnTrueInAnyCase) {
    for (const char* loops : {"True", "true", "TRUE", "tRuE"}) EXPECT_TRUE(SettingsStore::loopsOnRun(loops)) << loops;
    for (const char* once : {"False", "1", "yes", "", " True"}) EXPECT_FALSE(SettingsStore::loopsOnRun(once)) << once;
}

TEST(SettingsLocationChoice, ProductionUsesTheMachineKeyWhenWritable) {
    // Wine runs programs with administrator rights, so the machine key is taken.
    cRegistry real;
    real.ClassKey(cRegistry::kLocalMachine);
    real.SectionKey("SOFTWARE\\Talvick Software\\Clikpad");
    const bool existedBefore = real.KeyExists();
    SettingsStore::chooseLocation();
    if (!existedBefore) RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Talvick Software\\Clikpad");
    EXPECT_EQ(SettingsStore::location(), SettingsStore::machineLocation());
    EXPECT_EQ(SettingsStore::machineLocation().path, "SOFTWARE\\Talvick Software\\Clikpad");
    EXPECT_EQ(SettingsStore::userLocation().hive, cRegistry::kCurrentUser);
}
