// The click run against a stand-in for the main window: what each tick counts,
// clicks and loads. What the commands show is the main window's test.
#include "Recorders.h"
#include "ScratchKey.h"
#include "TestWindow.h"
#include "app/ClickRun.h"
#include "platform/ClickTarget.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

struct FakeMainWindow : RunControls, ClickChoices {
    void setStartEnabled(bool) override {}
    void setPauseEnabled(bool) override {}
    void setStopEnabled(bool) override {}
    void setPauseCaption(const std::string& text) override { caption = text; }
    std::string pauseCaption() const override { return caption; }
    void setRunStatus(const std::string&) override {}
    void setTimerPanel(const std::string& text) override { panels = text.substr(7) + panels.substr(panels.find('/')); }
    void setClicksPanel(const std::string& text) override {
        panels = panels.substr(0, panels.find('/') + 1) + text.substr(8);
    }
    void enableTimer(bool on) override { timer = on; }
    void reportUnusableTimes() override { ++reports; }
    void reportBlockedClicks() override { ++blockedReports; }
    bool adDetectorOn() override { return adDetector; }
    bool primaryButton() override { return false; }

    bool timer = false, adDetector = false;
    std::string caption = "Pause", panels = "0/0";  // "timer/clicks"
    int reports = 0, blockedReports = 0;
};

class ClickRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore::chooseLocation({ScratchKey::kHive, key.path()}, {ScratchKey::kHive, key.path()});
    }
    void startWith(const std::string& events, const std::string& loop = "True") {
        key.putText("Events", events);
        key.putText("Loop", loop);
        run.Start();
    }
    // The panels after each of n ticks, "stopped" once the run has ended.
    std::string ticks(int count) {
        std::string seen;
        for (int i = 0; i < count; ++i) {
            run.Tick();
            seen += (i ? " " : "") + (window.timer ? window.panels : "stopped");
        }
        return seen;
    }

    ScratchKey key;
    MouseRecorder mouse;
    FakeMainWindow window;
    ClickRun run{window, window};
};

}  // namespace

TEST_F(ClickRunTest, TicksCountDownClickAndMoveThroughTheList) {
    const std::tuple<const char*, const char*, int, std::string, std::size_t> rows[] = {
        {"2", "True", 4, "1/0 2/1 1/1 2/2", 2},
        {"1,3", "False", 4, "3/1 2/1 1/1 stopped", 2},
        {"1", "true", 2, "1/1 1/2", 2},
        {"1", "TRUE", 1, "1/1", 1},
        {"1", "1", 1, "stopped", 1},
        {"1", "", 1, "stopped", 1},
        {"1,,3", "True", 3, "0/1 -1/1 -2/1", 1},  // an empty element counts 0 and falls without a click
    };
    for (const auto& [events, loop, count, panels, clicks] : rows) {
        const std::size_t before = mouse.calls().size();
        startWith(events, loop);
        EXPECT_EQ(ticks(count), panels) << events << " loop " << loop;
        EXPECT_EQ(mouse.calls().size() - before, 2 * clicks) << events << " loop " << loop;
        EXPECT_TRUE(window.timer || run.state().EventIndex == 0) << events;
    }
    EXPECT_EQ(mouse.calls().back(), (MouseCall{0x0010, 0, 0, 0}));  // the chosen, secondary, button
}

TEST_F(ClickRunTest, PauseKeepsTheCountdownTheClicksWrapAfter32766AndUncountableListsDoNotStart) {
    startWith("5,7");
    ticks(2);
    run.PauseContinue();
    EXPECT_FALSE(window.timer);
    run.PauseContinue();
    EXPECT_EQ(ticks(3), "2/0 1/0 7/1");
    startWith("1");
    for (int i = 0; i < 32765; ++i) run.Tick();
    EXPECT_EQ(ticks(2), "1/32766 1/1");
    run.Stop();
    for (const std::string events : {"", "2147483648", "5,1e10"}) startWith(events);
    EXPECT_TRUE(!window.timer && window.reports == 3);
}

TEST_F(ClickRunTest, TheAdDetectorClicksOnlyWhileThePixelKeepsTheColourOfTheFirstClick) {
    TestWindow canvas({400, 300, 600, 450}, RGB(0, 0, 255));
    SetCursorPos(canvas.centre().x, canvas.centre().y);
    pumpFor(30);
    startWith("1,1", "False");
    ticks(1);                  // off: no reference yet
    window.adDetector = true;  // switched on in the open dialog: the next click captures
    EXPECT_EQ(ticks(1), "stopped");
    EXPECT_EQ(run.state().AdReferenceColor, 0x00FF0000u);  // 0x00BBGGRR, as GetPixel gives it
    EXPECT_FALSE(run.state().AdReferenceCaptured);         // Stop clears it
    startWith("1", "True");
    ticks(1);
    canvas.repaint(RGB(255, 255, 255));
    EXPECT_EQ(ticks(2), "1/1 1/1");  // held back while the colour differs, the list goes on
    canvas.repaint(RGB(0, 0, 255));
    EXPECT_EQ(ticks(1), "1/2");
    startWith("1,1", "False");
    ticks(1);
    canvas.repaint(RGB(255, 255, 255));
    EXPECT_EQ(ticks(1), "stopped");  // held back at the last element, and stopped all the same
    EXPECT_EQ(mouse.calls().size(), 10u);
}

TEST_F(ClickRunTest, AClickIntoAProgramOfHigherRightsIsNeitherSentNorCountedAndSaidOncePerRun) {
    static bool higher = true;
    const auto previous = ClickTarget::replaceJudge([] { return higher; });
    startWith("1");
    EXPECT_EQ(ticks(3), "1/0 1/0 1/0");  // the run goes on
    EXPECT_TRUE(mouse.calls().empty());
    higher = false;
    EXPECT_EQ(ticks(1), "1/1");  // and clicks once the target allows it
    higher = true;
    ticks(1);
    EXPECT_EQ(window.blockedReports, 1);
    startWith("1");
    ticks(1);
    EXPECT_EQ(window.blockedReports, 2);
    ClickTarget::replaceJudge(previous);
}
