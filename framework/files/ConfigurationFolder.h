#pragma once
// The folder that keeps the program's settings between runs:
// $XDG_CONFIG_HOME/Quillet, or ~/.config/Quillet when that variable is unset
// or not an absolute path.
#include <string>

std::string ConfigurationFolder();
// Creates the folder and its parents as needed; XCreateFailed when it cannot.
void CreateConfigurationFolder();
