#include "cli/CliFailure.h"

#include <filesystem>

#include "framework/alerts/Alerts.h"

std::string FailureLine(const std::string& file, ResourceId alert) {
    return file + ": " + AlertLine(alert, CAlertArguments(std::filesystem::path(file).filename().string()));
}
