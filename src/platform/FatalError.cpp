#include "platform/FatalError.h"

#include "platform/HotKey.h"
#include "platform/KeepAwake.h"
#include "platform/NotificationIcons.h"
#include "platform/WindowTimer.h"
#include "rules/NumberedError.h"
#include "version.h"

namespace {

void showAndExit(const std::string& text) {
    // Above every window, a topmost one of the program's own that no longer answers
    // included, so that the program never looks hung behind its own message. With no
    // owner the system-modal box disables nothing; unlike MB_TOPMOST alone, Wine honours it too.
    MessageBoxA(nullptr, text.c_str(), CLIKPAD_PRODUCT_NAME, MB_OK | MB_SYSTEMMODAL | MB_TOPMOST | MB_SETFOREGROUND);
    ExitProcess(1);
}

FatalErrorEnding currentEnding = &showAndExit;
bool reported = false;

}  // namespace

std::string fatalErrorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const NumberedError& numbered) {
        std::string text = "Run-time error '" + std::to_string(numbered.number()) + "'";
        if (!numbered.source().empty()) text += " in " + numbered.source();
        text += ":\n\n" + (numbered.description().empty() ? std::string("Application-defined or object-defined error")
                                                          : numbered.description());
        return text;
    } catch (const std::exception& other) {
        return std::string("Unexpected error:\n\n") + other.what();
    } catch (...) {
        return "Unexpected error.";
    }
}

void endWithFatalError(const std::exception_ptr& error) {
    if (reported) return;
    reported = true;
    // A running click run must not click on behind the message, nor keep the PC awake
    // or other programs' keys taken while the message waits for the user.
    WindowTimer::stopAll();
    removeAllNotificationIcons();
    HotKey::unregisterAll();
    KeepAwake::set(false);
    currentEnding(fatalErrorText(error));
}

bool fatalErrorReported() { return reported; }

FatalErrorEnding replaceFatalErrorEnding(FatalErrorEnding ending) {
    reported = false;
    const FatalErrorEnding previous = currentEnding;
    currentEnding = ending ? ending : &showAndExit;
    return previous;
}
