#include "app/App.h"

App::App() {
    main_ = std::make_unique<frmMain>(*this);
    main_->Form_Load();
    main_->Show();
}

App::~App() {
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

void App::showAbout() {
    if (!aboutBoxExists()) {
        about_.reset();
        about_ = std::make_unique<frmAbout>(*main_);
    }
    about_->Show();
}

void App::unloadDialogs() {
    if (about_) about_->Unload();
    if (settings_) settings_->Unload();
}
