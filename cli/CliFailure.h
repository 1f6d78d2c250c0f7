#pragma once
// The one line the batch tool prints for a failure: the file, then the
// problem in the words of the program's alert, without its tags and buttons.
#include <string>

#include "resources/CaravelResources.h"

// "FILE: title message" for the alert id, its ^0 filled with the file's name.
std::string FailureLine(const std::string& file, ResourceId alert);
