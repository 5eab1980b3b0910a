// The Settings dialog. While it exists, shown or hidden, its controls are the live
// settings: the click run reads the mouse button and the ad detector from them.
// Closing it by any road destroys it; the next use makes it afresh.
#pragma once

#include "platform/Dialog.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsStore.h"

#include <string>

class frmSettings : public Dialog {
public:
    enum Control {
        Frame1,
        Frame2,
        Frame3,
        Frame4,
        Frame5,
        Command1,
        Command2,
        Label1,
        Option1,
        Option2,
        Option3,
        Option4,
        Label2,
        Text1,
        Option5,
        Option6,
        Check1,
        kControlCount
    };

    // Creates the dialog hidden and runs its load step.
    explicit frmSettings(MainWindowLink& mainWindow);

    bool adDetectorOn() const { return isChecked(control(Option1)); }
    void setAdDetectorOn(bool on);
    bool primaryButton() const { return isChecked(control(Option3)); }
    void setPrimaryButton(bool primary);
    std::string eventsText() const { return windowText(control(Text1)); }
    void setEventsText(const std::string& text) { setWindowText(control(Text1), text); }
    bool minimizeToNotificationIcon() const { return isChecked(control(Check1)); }
    void setMinimizeToNotificationIcon(bool on) { setChecked(control(Check1), on); }
    bool loop() const { return isChecked(control(Option5)); }
    void setLoop(bool loop);
    // All five at once: what the store holds, or what the dialog shows.
    void apply(const Settings& settings);
    Settings shown() const;

    // Shows the validation message for "invalidchars", "toohigh" or "toolow";
    // any other key does nothing.
    void ErrorFunction(const std::string& key);

protected:
    void beforeShowing() override { applyAlwaysOnTop(); }
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void applyAlwaysOnTop();
    void selectOne(Control selected, Control other);

    MainWindowLink& mainWindow_;
};
