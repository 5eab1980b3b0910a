// What the Settings dialog and the About box need of the main window, without
// knowing the main window itself.
#pragma once

class MainWindowLink {
public:
    virtual bool alwaysOnTopChecked() const = 0;

protected:
    ~MainWindowLink() = default;
};
