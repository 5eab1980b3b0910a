// The settings key on scratch keys: defaults, the format marker, the reading rules, the location.
#include "ScratchKey.h"
#include "StateFields.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <sstream>

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore::chooseLocation(machineKey, userKey, false); }
    ScratchKey machine{"machine"}, user{"user"};
    const SettingsLocation machineKey{ScratchKey::kHive, machine.path()}, userKey{ScratchKey::kHive, user.path()};
};

TEST_F(SettingsStoreTest, AnyMarkerButTheCurrentOneResetsExactlyTheSevenDefaults) {
    for (const std::string marker : {"", "4.2", " 4.3", "4.3"}) {  // "": none at all
        if (!marker.empty()) user.putText("Ver", marker);
        user.putText("Events", "5,10"), user.putText("Foreign", "left alone");
        EXPECT_EQ(SettingsStore::resetUnlessCurrentVersion(), marker != "4.3") << marker;
        EXPECT_EQ(user.texts()["Events"], marker == "4.3" ? "5,10" : "4") << marker;
    }
    const std::map<std::string, std::string> defaults = {
        {"Button", "True"}, {"DetAd", "False"}, {"Events", "5,10"}, {"Hide", "0"},
        {"Loop", "True"},   {"Ver", "4.3"},     {"OnTop", "0"},     {"Foreign", "left alone"}};
    EXPECT_EQ(user.texts(), defaults);
}

TEST_F(SettingsStoreTest, OnlyTheExactTextsSelectTheFirstChoice) {
    for (const char* name : {"Button", "DetAd", "Loop"}) user.putText(name, "True");
    user.put("Hide", REG_DWORD, std::string("\x01\0\0\0", 4));  // by hand: counts by its text
    user.put("OnTop", REG_BINARY, "1");                         // binary data has none
    EXPECT_TRUE(
        sameState(SettingsStore::load(),
                  {.primaryButton = true, .adDetectorOn = true, .minimizeToNotificationIcon = true, .loop = true}));
    for (const char* name : {"Button", "DetAd", "Loop", "Hide"}) user.putText(name, name[0] == 'H' ? " 1" : "true");
    EXPECT_TRUE(sameState(SettingsStore::load(), Settings{}));  // none of the texts that select the first choice
    EXPECT_TRUE(SettingsStore::loopsOnRun("tRuE"));
    EXPECT_FALSE(SettingsStore::loopsOnRun(" True"));
    user.putText("HotKeyRun", "0"), user.putText("HotKeyStop", "65536");  // missing: the next test's rows
    EXPECT_EQ(SettingsStore::hotKeys(), (HotKeys{0, VK_F7}));             // none at zero, F7 for no word
    EXPECT_TRUE(sameState(SettingsStore::clickList(), ClickList{}));      // missing: at the pointer, waiting
    user.putText("Points", "1,2;x;3,4"), user.putText("Vary", "7"), user.putText("WaitForUser", "1 ");
    EXPECT_TRUE(sameState(SettingsStore::clickList(), {ClickPoints::parse("1,2;;3,4"), 7, true}));
}

TEST_F(SettingsStoreTest, EachAccountKeepsItsOwnAndTheMachineKeyOnlySeedsThem) {
    // Starts in turn: A:E account A elevated (may write the machine key; B may elevate as A), B:N account B normal.
    // A digit saves that time, T ticks Always On Top, M9 leaves an old install's settings, B:3 a seed cut short.
    ScratchKey otherUser{"otherUser"};
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"B:N 7 A:E B:N", "7", "4"}, {"B:N 7 A:E 5 B:N", "7", "5"}, {"A:E A:N 7 A:E T A:N", "7 top", "4 top"},
        {"M9 B:3 B:N", "9", "9"},    {"A:N 7 A:E", "7", ""},        {"A:N", "4", ""},
        {"M9 B:N", "9", "9"}};
    const auto shown = [](auto texts) { return texts["Events"] + (texts["OnTop"] == "1" ? " top" : ""); };
    for (const auto& [starts, seen, inMachineKey] : rows) {
        for (const ScratchKey* key : {&machine, &user, &otherUser})
            RegDeleteTreeA(HKEY_CURRENT_USER, key->path().c_str());
        std::istringstream steps(starts);
        for (std::string step; steps >> step;) {
            const ScratchKey& account = step[0] == 'B' ? otherUser : user;
            if (step == "M9") {  // 57: '9' as a hot key
                machine.putText("Events", "9"), machine.putText("HotKeyRun", "57"), machine.putText("Ver", "4.3");
            } else if (step.ends_with(":3")) {
                for (const char* name : {"Button", "DetAd", "Events"}) account.putText(name, "3");
            } else if (step[1] == ':') {
                SettingsStore::chooseLocation(machineKey, {ScratchKey::kHive, account.path()}, step[2] == 'E');
                SettingsStore::resetUnlessCurrentVersion();
            } else if (step == "T") {
                SettingsStore::saveAlwaysOnTop(true);
            } else {
                SettingsStore::saveDialogSettings({true, false, step, false, true, false});
                SettingsStore::saveHotKeys({static_cast<std::uint16_t>(step[0]), 0});  // beside the seven
            }
        }
        const Settings settings = SettingsStore::load();
        EXPECT_EQ(settings.events + (settings.alwaysOnTop ? " top" : ""), seen) << starts;
        EXPECT_EQ(shown(machine.texts()), inMachineKey) << starts;
        EXPECT_EQ(SettingsStore::hotKeys().run, *seen == '4' ? VK_F6 : *seen) << starts;
    }
    const SettingsLocation nowhere{static_cast<std::int32_t>(0x80000009), "Software"};  // past the predefined hives
    SettingsStore::chooseLocation(nowhere, nowhere, true);
    EXPECT_THROW(SettingsStore::resetUnlessCurrentVersion(), RegistryError);
}
