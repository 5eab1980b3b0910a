// While in scope, the program's mouse input and message boxes go to a record, not the system.
#pragma once

#include "platform/MessageBox.h"
#include "platform/MouseInput.h"

#include <string>
#include <utility>
#include <vector>

// A seam's replacement for the scope: the previous one comes back however the test ends, a failed assertion included.
template <typename Replacement>
class ScopedSeam {
public:
    using Replace = Replacement (*)(Replacement);
    ScopedSeam(Replace replace, Replacement replacement) : replace_(replace), previous_(replace(replacement)) {}
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;
    ~ScopedSeam() { replace_(previous_); }

private:
    Replace replace_;
    Replacement previous_;
};

class MouseRecorder {
public:
    MouseRecorder() { calls_.clear(); }
    const std::vector<DWORD>& calls() const { return calls_; }  // the flags: clicks carry no position or wheel

private:
    static inline std::vector<DWORD> calls_;
    ScopedSeam<MouseInput::Sender> seam_{MouseInput::replaceSender,
                                         [](DWORD flags, DWORD, DWORD, DWORD, ULONG_PTR) { calls_.push_back(flags); }};
};

class MessageRecorder {  // each box "closes" at once, as if OK was pressed
public:
    MessageRecorder() { shown_.clear(); }
    std::vector<std::string> take() { return std::exchange(shown_, {}); }  // "title: text" of each since the last

private:
    static inline std::vector<std::string> shown_;
    ScopedSeam<MessageShower> seam_{replaceMessageShower, [](HWND, const std::string& text, const std::string& title) {
                                        shown_.push_back(title + ": " + text);
                                    }};
};
