#include "cli/CliFailure.h"

#include <algorithm>
#include <filesystem>

#include "framework/resources/AlertDefinition.h"
#include "framework/resources/ResourceScripts.h"

std::string FailureLine(const std::string& file, ResourceId alert) {
    const CAlertArguments arguments(std::filesystem::path(file).filename().string());
    const AlertDefinition definition = ParseAlertScript(GetAlertScript(alert), arguments);
    std::string text = definition.title.empty() ? definition.message : definition.title + " " + definition.message;
    std::replace(text.begin(), text.end(), '\r', ' ');
    return file + ": " + text;
}
