#include "cli/CliFailure.h"

#include <cstring>
#include <system_error>

#include "formats/sound/SoundFileExceptions.h"
#include "formats/sound/SoundFileOpen.h"
#include "framework/alerts/Alerts.h"

namespace {

// The line names the file already: alerts that name it again give way to
// their twins without the name.
ResourceId WithoutFileName(ResourceId alert) {
    if (alert == Res::kAlertCouldNotLoadSoundFile) return Res::kAlertSoundFileUnreadable;
    if (alert == Res::kAlertFileNotFound) return Res::kAlertFileNotFoundShort;
    return alert;
}

std::string Reason(const std::exception_ptr& failure) {
    if (!failure) return "";
    try {
        std::rethrow_exception(failure);
    } catch (const XUnsupportedRate&) {
        return "sample rates from " + std::to_string(kMinSoundRate) + " to " + std::to_string(kMaxSoundRate) +
               " Hz only";
    } catch (const XBase& error) {
        return error.SystemError() != 0 ? std::strerror(error.SystemError()) : "";
    } catch (const std::system_error& error) {
        return error.code().message();
    } catch (...) {
        return "";
    }
}

}  // namespace

std::string FailureLine(const std::string& file, ResourceId alert, const std::exception_ptr& failure) {
    const std::string text = AlertLine(WithoutFileName(alert), CAlertArguments(file));
    const std::string reason = Reason(failure);
    return file + ": " + text + (reason.empty() ? "" : " (" + reason + ")");
}
