#pragma once

#include <string>

// File name of the running executable without folder and extension ("clikpad").
std::string executableBaseName();

// Folder of the running executable, without a trailing separator.
std::string executableFolder();
