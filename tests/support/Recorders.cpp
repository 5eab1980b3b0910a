#include "Recorders.h"

#include <utility>

namespace {
std::vector<MouseCall> mouseCalls;
bool forwarding = false;
std::vector<std::string> shownBoxes;
}  // namespace

MouseRecorder::MouseRecorder(bool toSystemToo)
    : previous_(MouseInput::replaceSender([](DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extra) {
          mouseCalls.push_back(
              {flags, static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy), static_cast<std::int32_t>(data)});
          if (forwarding) MouseInput::sendToSystem(flags, dx, dy, data, extra);
      })) {
    mouseCalls.clear();
    forwarding = toSystemToo;
}

const std::vector<MouseCall>& MouseRecorder::calls() const { return mouseCalls; }

MessageRecorder::MessageRecorder()
    : previous_(replaceMessageShower(
          [](HWND, const std::string& text, const std::string& title) { shownBoxes.push_back(title + ": " + text); })) {
    shownBoxes.clear();
}

std::vector<std::string> MessageRecorder::take() { return std::exchange(shownBoxes, {}); }
