// Opens a topic of a compiled help file through the HTML Help control, loaded
// when first needed so that the program starts without it.
#pragma once

#include <string>

namespace HtmlHelp {

// HtmlHelpA(no owner, file, HH_DISPLAY_TOPIC, topic); the result is not examined.
void displayTopic(const std::string& file, const std::string& topic);

}  // namespace HtmlHelp
