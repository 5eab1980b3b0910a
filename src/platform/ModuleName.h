#pragma once

#include <string>

// File name of the running executable without folder and extension ("clikpad").
std::string ExecutableBaseName();
