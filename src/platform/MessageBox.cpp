#include "platform/MessageBox.h"

namespace {

void showMessageBox(HWND owner, const std::string& text, const std::string& title) {
    MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
}

MessageShower currentShower = &showMessageBox;
int messagesShown = 0;

}  // namespace

void showMessage(HWND owner, const std::string& text, const std::string& title) {
    ++messagesShown;
    currentShower(owner, text, title);
    --messagesShown;
}

bool messageShown() { return messagesShown > 0; }

MessageShower replaceMessageShower(MessageShower shower) {
    const MessageShower previous = currentShower;
    currentShower = shower ? shower : &showMessageBox;
    return previous;
}
