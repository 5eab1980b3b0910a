// Opens a topic of a compiled help file through the HTML Help control, loaded
// when first needed so that the program starts without it.
#pragma once

#include <string>

namespace HtmlHelp {

// HtmlHelp(no owner, file, HH_DISPLAY_TOPIC, topic); the result is not examined. The
// file's path is UTF-16, as the folder the program was saved in may need.
void displayTopic(const std::wstring& file, const std::string& topic);

}  // namespace HtmlHelp
