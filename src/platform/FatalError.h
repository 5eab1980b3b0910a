// No C++ exception may unwind through Windows code. Window procedures catch
// everything and hand it here: the message is shown and the program ends.
#pragma once

#include <exception>
#include <string>

// Text shown for an exception: number, source and description of a numbered
// error, otherwise what() of the exception.
std::string fatalErrorText(const std::exception_ptr& error);

// Stops every timer, takes the program's icons out of the notification area, gives
// back its hot keys and lets the PC sleep, then shows the text in a message box titled
// with the program's name and ends the process. The box's own message loop goes on dispatching: from the first report
// on, the window procedures do nothing of the program's own.
void endWithFatalError(const std::exception_ptr& error);
bool fatalErrorReported();

// Tests put their own ending in place (it records and returns) and get the old one
// back; putting one in place also lets the program's handlers run again.
using FatalErrorEnding = void (*)(const std::string& text);
FatalErrorEnding replaceFatalErrorEnding(FatalErrorEnding ending);
