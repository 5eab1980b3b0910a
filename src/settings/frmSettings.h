// The Settings dialog. While it exists, shown or hidden, its controls are the live
// settings: the click run reads the mouse button and the ad detector from them.
#pragma once

#include "platform/Form.h"
#include "settings/MainWindowLink.h"

#include <string>

class frmSettings : public Form {
public:
    enum Control {
        Frame1, Frame2, Frame3, Frame4, Frame5, Command1, Command2, Label1, Option1, Option2,
        Option3, Option4, Label2, Text1, Option5, Option6, Check1, kControlCount
    };

    // Creates the dialog hidden and runs its load step.
    explicit frmSettings(MainWindowLink& mainWindow);
    // Unloaded while this class is still whole, so that its unload step runs.
    ~frmSettings() override { Unload(); }

    bool adDetectorOn() const { return isChecked(control(Option1)); }
    void setAdDetectorOn(bool on);
    bool primaryButton() const { return isChecked(control(Option3)); }
    void setPrimaryButton(bool primary);
    std::string eventsText() const { return windowText(control(Text1)); }
    void setEventsText(const std::string& text) { setWindowText(control(Text1), text); }
    bool minimizeBesideClock() const { return isChecked(control(Check1)); }
    void setMinimizeBesideClock(bool on) { setChecked(control(Check1), on); }
    bool loop() const { return isChecked(control(Option5)); }
    void setLoop(bool loop);

    // Shows the dialog as it stands (no reload), centred on the screen the first time.
    void Show();

    // Shows the validation message for "invalidchars", "toohigh" or "toolow";
    // any other key does nothing.
    void ErrorFunction(const std::string& key);

    // Closing by any road runs the unload step, then destroys the dialog; the next
    // use makes it afresh.
    void Unload();

protected:
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void save();
    void applyAlwaysOnTop();
    void selectOne(Control selected, Control other);

    MainWindowLink& mainWindow_;
    bool shownBefore_ = false;
};
