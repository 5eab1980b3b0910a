#include "app/App.h"

App::App() {
    main_ = std::make_unique<frmMain>(*this);
    main_->Form_Load();
    main_->Show();
}

App::~App() {
    clickList_.reset();
    hotKeys_.reset();
    about_.reset();
    settings_.reset();
    main_.reset();
}

frmSettings& App::liveSettings() {
    if (!settingsDialogExists()) {
        settings_.reset();
        settings_ = std::make_unique<frmSettings>(*main_);
    }
    return *settings_;
}

void App::showAbout(Dialog::Holds holds) {
    if (!aboutBoxExists()) {
        about_.reset();
        about_ = std::make_unique<frmAbout>(*main_);
    }
    about_->Show(holds);
}

void App::showHotKeys(Dialog::Holds holds) {
    if (!hotKeysDialog()) hotKeys_ = std::make_unique<frmHotKeys>(*main_);
    hotKeys_->Show(holds);
}

void App::showClickList(Dialog::Holds holds) {
    if (!clickListDialog()) clickList_ = std::make_unique<frmClickList>(*main_);
    clickList_->Show(holds);
}

void App::unloadDialogs() {
    if (clickList_) clickList_->Unload();
    if (hotKeys_) hotKeys_->Unload();
    if (about_) about_->Unload();
    if (settings_) settings_->Unload();
}
