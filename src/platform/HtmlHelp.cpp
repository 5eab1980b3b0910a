#include "platform/HtmlHelp.h"

#include "platform/SystemFunction.h"

namespace HtmlHelp {

void displayTopic(const std::wstring& file, const std::string& topic) {
    constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
    using HtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    // The system's own control, kept loaded for the rest of the program: the help window lives in it.
    static const auto open = systemFunction<HtmlHelpW>("hhctrl.ocx", "HtmlHelpW");
    const std::wstring wideTopic(topic.begin(), topic.end());  // a topic name is plain ASCII
    if (open) open(nullptr, file.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(wideTopic.c_str()));
}

}  // namespace HtmlHelp
