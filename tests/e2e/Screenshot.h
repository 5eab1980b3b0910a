#pragma once

#include <string>

// Saves the whole screen as e2e-shots/<name>.bmp under the current directory.
void SaveScreenshot(const std::string& name);
