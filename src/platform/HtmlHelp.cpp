#include "platform/HtmlHelp.h"

#include "platform/Win32.h"

namespace HtmlHelp {

void displayTopic(const std::wstring& file, const std::string& topic) {
    constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
    using HtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    // Only the system's own control, never a file of that name beside the program.
    // Kept loaded for the rest of the program: the help window lives in it.
    static HMODULE control = LoadLibraryExA("hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!control) return;
    const auto open = reinterpret_cast<HtmlHelpW>(reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpW")));
    const std::wstring wideTopic(topic.begin(), topic.end());  // a topic name is plain ASCII
    if (open) open(nullptr, file.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(wideTopic.c_str()));
}

}  // namespace HtmlHelp
