#include "app/App.h"

App::App() {
    main_ = std::make_unique<frmMain>([this]() -> frmSettings& { return settingsDialog(); },
                                      [this] { unloadDialogs(); });
    main_->Form_Load();
    main_->Show();
}

App::~App() {
    settings_.reset();
    main_.reset();
}

frmSettings& App::settingsDialog() {
    if (!settingsDialogExists()) {
        settings_.reset();
        settings_ = std::make_unique<frmSettings>(*main_);
    }
    return *settings_;
}

void App::unloadDialogs() {
    if (settings_) settings_->Unload();
}
