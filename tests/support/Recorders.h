// While in scope, the program's mouse input and message boxes go to a record
// instead of the system (mouse input may go on to the system as well).
#pragma once

#include "platform/MessageBox.h"
#include "platform/MouseInput.h"

#include <cstdint>
#include <string>
#include <vector>

struct MouseCall {
    DWORD flags;
    std::int32_t dx, dy, data;
    bool operator==(const MouseCall&) const = default;
};

class MouseRecorder {
public:
    explicit MouseRecorder(bool toSystemToo = false);
    MouseRecorder(const MouseRecorder&) = delete;
    MouseRecorder& operator=(const MouseRecorder&) = delete;
    ~MouseRecorder() { MouseInput::replaceSender(previous_); }
    const std::vector<MouseCall>& calls() const;

private:
    MouseInput::Sender previous_;
};

// Each box "closes" at once, as if OK was pressed; take() gives "title: text" of
// each shown since the last call.
class MessageRecorder {
public:
    MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    ~MessageRecorder() { replaceMessageShower(previous_); }
    std::vector<std::string> take();

private:
    MessageShower previous_;
};
