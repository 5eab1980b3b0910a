// Opens a topic of a compiled help file through the HTML Help control, loaded
// when first needed so that the program starts without it.
#pragma once

#include <string>

namespace HtmlHelp {

// HtmlHelpA(no owner, file, HH_DISPLAY_TOPIC, topic); the result is not examined.
void DisplayTopic(const std::string& file, const std::string& topic);

// Tests put their own opener in place and get the old one back.
using Opener = void (*)(const std::string& file, const std::string& topic);
Opener ReplaceOpener(Opener opener);

}  // namespace HtmlHelp
