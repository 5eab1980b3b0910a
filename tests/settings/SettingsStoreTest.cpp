// The settings key on scratch keys: defaults, the format marker, the reading rules, the location.
#include "ScratchKey.h"
#include "StateFields.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore::chooseLocation(machineKey, userKey, true); }
    ScratchKey machine{"machine"}, user{"user"};
    const SettingsLocation machineKey{ScratchKey::kHive, machine.path()}, userKey{ScratchKey::kHive, user.path()};
};

TEST_F(SettingsStoreTest, AnyMarkerButTheCurrentOneResetsExactlyTheSevenDefaults) {
    for (const std::string marker : {"", "4.2", " 4.3", "4.3"}) {  // "": none at all
        if (!marker.empty()) machine.putText("Ver", marker);
        machine.putText("Events", "5,10");
        machine.putText("Foreign", "left alone");
        EXPECT_EQ(SettingsStore::resetUnlessCurrentVersion(), marker != "4.3") << marker;
        EXPECT_EQ(machine.texts()["Events"], marker == "4.3" ? "5,10" : "4") << marker;
    }
    const std::map<std::string, std::string> defaults = {
        {"Button", "True"}, {"DetAd", "False"}, {"Events", "5,10"}, {"Hide", "0"},
        {"Loop", "True"},   {"Ver", "4.3"},     {"OnTop", "0"},     {"Foreign", "left alone"}};
    EXPECT_EQ(machine.texts(), defaults);
}

TEST_F(SettingsStoreTest, OnlyTheExactTextsSelectTheFirstChoiceTheRunLoopsInAnyCaseAndHotKeysAreTheirWords) {
    for (const char* name : {"Button", "DetAd", "Loop"}) machine.putText(name, "True");
    machine.put("Hide", REG_DWORD, std::string("\x01\0\0\0", 4));  // by hand: counts by its text
    machine.put("OnTop", REG_BINARY, "1");                         // binary data has none
    // clang-format off
    EXPECT_TRUE(sameState(SettingsStore::load(),
                          {.primaryButton = true, .adDetectorOn = true, .minimizeBesideClock = true, .loop = true}));
    // clang-format on
    for (const char* name : {"Button", "DetAd", "Loop", "Hide"}) machine.putText(name, name[0] == 'H' ? " 1" : "true");
    EXPECT_TRUE(sameState(SettingsStore::load(), Settings{}));  // none of the texts that select the first choice
    EXPECT_TRUE(SettingsStore::loopsOnRun("tRuE") && !SettingsStore::loopsOnRun(" True"));
    machine.putText("HotKeyRun", "0"), machine.putText("HotKeyStop", "65536");  // missing: the next test's rows
    EXPECT_EQ(SettingsStore::hotKeys(), (HotKeys{0, VK_F7}));                   // none at zero, F7 for no word
}

TEST_F(SettingsStoreTest, NormalAndElevatedStartsSeeTheSameSettingsInAnyOrder) {
    // Starts in turn: E elevated (the machine key writable), N normal; a digit is the time then saved.
    // clang-format off
    const std::tuple<const char*, const char*, const char*> rows[] = {  // the times seen at last, in the machine key
        {"E N7 E", "7", "7"}, {"E N7", "7", "4"}, {"N7 E", "7", "7"}, {"E7 N", "7", "7"}, {"N E7 N", "7", "7"},
        {"E N7 E8 N", "8", "8"}, {"N7 N E", "7", "7"}, {"N", "4", ""}};
    // clang-format on
    for (const auto& [starts, seen, inMachineKey] : rows) {
        for (const ScratchKey* key : {&machine, &user}) RegDeleteTreeA(HKEY_CURRENT_USER, key->path().c_str());
        for (const char* step = starts; *step; ++step) {
            if (*step == 'E' || *step == 'N') {
                Sleep(20);  // so that each start writes later than the last by the registry's clock
                SettingsStore::chooseLocation(machineKey, userKey, *step == 'E');
                SettingsStore::resetUnlessCurrentVersion();
            } else if (*step != ' ') {
                SettingsStore::saveDialogSettings({true, false, std::string(1, *step), false, true, false});
                SettingsStore::saveHotKeys({static_cast<std::uint16_t>(*step), 0});  // beside the seven
            }
        }
        EXPECT_EQ(SettingsStore::load().events + "|" + machine.texts()["Events"],
                  std::string(seen) + "|" + inMachineKey)
            << starts;
        EXPECT_EQ(SettingsStore::hotKeys().run, *seen == '4' ? VK_F6 : *seen) << starts;
    }
    const SettingsLocation nowhere{static_cast<std::int32_t>(0x80000009), "Software"};
    SettingsStore::chooseLocation(nowhere, nowhere, true);
    EXPECT_THROW(SettingsStore::resetUnlessCurrentVersion(), RegistryError);
}
