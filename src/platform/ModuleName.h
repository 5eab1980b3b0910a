#pragma once

#include <string>

// File name of the running executable without folder and extension ("clikpad").
std::string ExecutableBaseName();

// Folder of the running executable, without a trailing separator.
std::string ExecutableFolder();
