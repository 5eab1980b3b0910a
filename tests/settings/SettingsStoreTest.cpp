// The settings key on scratch keys: defaults and the version marker, the reading
// rules, and where the settings live.
#include "ScratchKey.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::map<std::string, std::string>;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore::chooseLocation(machineKey, userKey); }
    ScratchKey machine{"machine"}, user{"user"};
    const SettingsLocation machineKey{ScratchKey::kHive, machine.path()}, userKey{ScratchKey::kHive, user.path()};
};

}  // namespace

TEST_F(SettingsStoreTest, AnyMarkerButTheCurrentOneResetsExactlyTheSevenDefaults) {
    const Texts defaults = {{"Button", "True"}, {"DetAd", "False"}, {"Events", "4"}, {"Hide", "0"},
                            {"Loop", "True"},   {"Ver", "4.3"},     {"OnTop", "0"},  {"Foreign", "left alone"}};
    EXPECT_EQ(SettingsStore::forRun().events, "");                 // no key yet
    for (const std::string marker : {"", "4.2", " 4.3", "4.3"}) {  // "": none at all
        if (!marker.empty()) machine.putText("Ver", marker);
        machine.putText("Events", "5,10");
        machine.putText("Foreign", "left alone");
        EXPECT_EQ(SettingsStore::resetUnlessCurrentVersion(), marker != "4.3") << marker;
        EXPECT_EQ(machine.texts()["Events"], marker == "4.3" ? "5,10" : "4") << marker;
    }
    machine.putText("Events", "4");
    EXPECT_EQ(machine.texts(), defaults);
    EXPECT_TRUE(user.texts().empty());
}

TEST_F(SettingsStoreTest, OnlyTheExactTextsSelectTheFirstChoiceButTheRunLoopsInAnyCase) {
    const auto loaded = [] {
        const Settings s = SettingsStore::load();
        return std::string(s.primaryButton ? "1" : "0") + (s.adDetectorOn ? "1" : "0") +
               (s.minimizeBesideClock ? "1" : "0") + (s.loop ? "1" : "0") + (s.alwaysOnTop ? "1" : "0") + s.events;
    };
    for (const auto& [name, text] : SettingsStore::kDefaults) machine.putText(std::string(name), std::string(text));
    EXPECT_EQ(loaded(), "100104");  // button, ad detector, beside the clock, loop, on top, then the times
    const std::pair<const char*, std::string> rows[] = {
        {"True", "11111x"}, {"TRUE", "00000x"}, {"true", "00000x"}, {" True", "00000x"}, {"", "00000x"}};
    for (const auto& [text, expected] : rows) {
        for (const char* name : {"Button", "DetAd", "Loop"}) machine.putText(name, text);
        for (const char* name : {"Hide", "OnTop"}) machine.putText(name, std::string(text) == "True" ? "1" : " 1");
        machine.putText("Events", "x");
        EXPECT_EQ(loaded(), expected) << text;
    }
    machine.put("Hide", REG_DWORD, std::string("\x01\0\0\0", 4));  // by hand: counts by its text
    machine.put("OnTop", REG_BINARY, "1");                         // binary data has none
    EXPECT_EQ(loaded(), "00100x");
    SettingsStore::saveDialogSettings({true, false, "7", false, true, true});
    EXPECT_EQ(machine.texts()["Button"] + machine.texts()["DetAd"] + machine.texts()["Events"] +
                  machine.texts()["Hide"] + machine.texts()["Loop"] + machine.texts()["OnTop"].substr(0, 2),
              "TrueFalse70True3:");  // "OnTop" left as it was
    EXPECT_EQ(SettingsStore::forRun().loopText, "True");
    for (const char* text : {"true", "TRUE", "tRuE"}) EXPECT_TRUE(SettingsStore::loopsOnRun(text)) << text;
    for (const char* text : {"1", "yes", "", " True"}) EXPECT_FALSE(SettingsStore::loopsOnRun(text)) << text;
}

TEST_F(SettingsStoreTest, TheMachineKeyIsTakenWhenWritableAndItHidesNoSettingsOfTheUser) {
    const SettingsLocation unwritable{cRegistry::kLocalMachine, "\\" + machine.path()};
    const std::tuple<const char*, const char*, bool, bool> rows[] = {
        // markers of machine and user ("" none)
        {"", "", true, true},        {"4.3", "", true, true},  {"4.3", "4.3", true, true}, {"4.2", "", true, true},
        {"", "4.2", true, true},     {"", "4.3", true, false},  // a first elevated start must hide nothing
        {"4.2", "4.3", true, false}, {"", "", false, false},
    };
    for (const auto& [machineVer, userVer, writable, expectMachine] : rows) {
        RegDeleteTreeA(HKEY_CURRENT_USER, machine.path().c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, user.path().c_str());
        if (*machineVer) machine.putText("Ver", machineVer);
        if (*userVer) user.putText("Ver", userVer);
        SettingsStore::chooseLocation(writable ? machineKey : unwritable, userKey);
        EXPECT_EQ(SettingsStore::location(), expectMachine ? machineKey : userKey) << machineVer << "|" << userVer;
    }
    const SettingsLocation nowhere{static_cast<std::int32_t>(0x80000009), "Software"};
    SettingsStore::chooseLocation(nowhere, nowhere);
    EXPECT_THROW(SettingsStore::resetUnlessCurrentVersion(), RegistryError);
}
