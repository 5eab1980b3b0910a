#pragma once

#include <string>

// File name of the running executable without folder and extension ("clikpad").
std::string executableBaseName();

// Folder of the running executable, without a trailing separator, in UTF-16: the ANSI
// code page cannot spell every folder (a profile in Cyrillic letters on an English Windows).
std::wstring executableFolder();
