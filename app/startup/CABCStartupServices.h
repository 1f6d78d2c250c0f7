#pragma once
// What start-up builds, in the order it builds it. The window program
// supplies the real parts; a part that is not in the program yet answers as
// the missing service does (no sound card, no MIDI ports, no SCSI library,
// no preferences file).
#include <cstdint>

#include "resources/CaravelResources.h"

class CABCStartupServices {
public:
    enum class PreferencesOutcome {
        kRead,            // read, perhaps with sections left at their defaults
        kNoUsableFile,    // missing, unreadable or not a preferences file
    };

    virtual ~CABCStartupServices() = default;

    virtual void CreateOffScreenCaches() = 0;
    virtual void RegisterFileTypes() = 0;
    virtual void CreateDeviceLists() = 0;
    virtual bool OperatingSystemSupported() = 0;
    virtual void ShowSplashScreen() = 0;
    virtual void BuildMenus() = 0;
    virtual void AllocateScratchBuffers() = 0;
    // Finds usable sound cards; XSoundInit (after alert 1) when there are none.
    virtual void StartSound() = 0;
    // Whether both a MIDI input and a MIDI output port exist.
    virtual bool StartMIDI() = 0;
    // Whether the SCSI buses could be scanned.
    virtual bool StartSCSI() = 0;
    virtual void CloseSplashScreen() = 0;
    // Reads every section of the preferences file, showing alerts 8 and 10
    // as they apply, and verifies the installed samplers it lists.
    virtual PreferencesOutcome ReadPreferences() = 0;
    // Default sound card and the four pseudo-samplers.
    virtual void SetDefaultPreferences() = 0;
    // The sampler search; selects the sampler it returns.
    virtual void SearchSamplers() = 0;
    // Tears down what start-up built, without writing the preferences.
    virtual void TearDown() = 0;

    // Shows an alert and answers its button code (33, 34 or 35).
    virtual int ShowAlert(ResourceId alert) = 0;
};
