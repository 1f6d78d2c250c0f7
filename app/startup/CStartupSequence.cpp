#include "app/startup/CStartupSequence.h"

#include <new>

#include "framework/exceptions/Exceptions.h"

bool CStartupSequence::Initialise()
{
    bool fileTypesRegistered = false;
    ResourceId alert = 0;
    try {
        Build(fileTypesRegistered);
        return true;
    } catch (const XOSRequirementsNotFilled&) {
        // Alert 401 was shown already.
    } catch (const XInternalError&) {
        alert = kAlertInternalError;
    } catch (const XOutOfMemory&) {
        alert = kAlertTooLittleMemory;
    } catch (const std::bad_alloc&) {
        alert = kAlertTooLittleMemory;
    } catch (...) {
        alert = kAlertCannotRun;
    }
    if (fileTypesRegistered) {
        try {
            services_.TearDown();
        } catch (...) {
            // The program ends either way; the alert below says why.
        }
    }
    if (alert != 0)
        services_.ShowAlert(alert);
    return false;
}

void CStartupSequence::Build(bool& fileTypesRegistered)
{
    services_.CreateOffScreenCaches();
    services_.RegisterFileTypes();
    fileTypesRegistered = true;
    services_.CreateDeviceLists();
    if (!services_.OperatingSystemSupported()) {
        services_.ShowAlert(kAlertOldSystem);
        throw XOSRequirementsNotFilled();
    }
    services_.ShowSplashScreen();
    services_.BuildMenus();
    services_.AllocateScratchBuffers();

    try {
        services_.StartSound();
        availability_.sound = true;
    } catch (const XSoundInit&) {
        // Alert 1 was shown; the program runs without sound.
    } catch (...) {
        services_.ShowAlert(kAlertSoundFailed);
    }
    try {
        availability_.midi = services_.StartMIDI();
    } catch (...) {
        availability_.midi = false;
    }
    try {
        availability_.scsi = services_.StartSCSI();
    } catch (...) {
        availability_.scsi = false;
    }
    services_.CloseSplashScreen();

    if (services_.ReadPreferences() == CABCStartupServices::PreferencesOutcome::kNoUsableFile) {
        services_.SetDefaultPreferences();
        if (services_.ShowAlert(kAlertNoSamplers) == kYes)
            services_.SearchSamplers();
    }
}
