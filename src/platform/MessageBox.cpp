#include "platform/MessageBox.h"

void ShowMessage(HWND owner, const std::string& text, const std::string& title) {
    MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
}
