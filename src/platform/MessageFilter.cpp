#include "platform/MessageFilter.h"

namespace MessageFilter {
namespace {

void allowThroughFilter(HWND window, UINT message) {
    ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

Allower currentAllower = &allowThroughFilter;

}  // namespace

void allow(HWND window, UINT message) { currentAllower(window, message); }

Allower replaceAllower(Allower allower) {
    const Allower previous = currentAllower;
    currentAllower = allower ? allower : &allowThroughFilter;
    return previous;
}

}  // namespace MessageFilter
