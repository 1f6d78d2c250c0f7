#pragma once
// Showing alerts from the alert scripts; each answers the code of the button
// chosen: 33 for the button written last in the script, 34 for the one
// before it, 35 for the first of three.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CAlertArguments.h"
#include "resources/CaravelResources.h"

std::int32_t ShowAlert(ResourceId id);
// With `text` in place of ^0.
std::int32_t ShowAlertWithArgument(ResourceId id, std::string_view text);
// With the arguments in place of ^0 to ^3.
std::int32_t ShowAlertWithArguments(ResourceId id, const CAlertArguments& arguments);
// From a script held in memory (already formatted by the caller).
std::int32_t ShowAlertText(std::string_view script);
std::int32_t ShowAlertDefinition(const AlertDefinition& alert);

// The alert's title and message on one line, its markers filled: how a tool
// without a display reports it.
std::string AlertLine(ResourceId id, const CAlertArguments& arguments);

// The answer when the user closes an alert without a button, or when nobody
// can ask: the code of a button labelled "Cancel" if there is one, else that
// of the button written last (33), which every alert has.
std::int32_t AlertCloseAnswer(const AlertDefinition& alert);
