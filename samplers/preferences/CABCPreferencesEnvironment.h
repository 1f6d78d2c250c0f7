#pragma once
// What reading and writing the preferences file needs from the program:
// the sound output, which device services started, the supported sampler
// types, the names of the MIDI ports and SCSI buses, and the verification of
// the installed samplers.
class CABCConnectionDirectory;
class CSoundSetup;
class CSupportedSamplerRegistry;

class CABCPreferencesEnvironment {
public:
    virtual ~CABCPreferencesEnvironment() = default;

    // The sound output, or nullptr when the program runs without sound.
    virtual CSoundSetup* Sound() = 0;
    virtual bool IsMIDIAvailable() const = 0;
    virtual bool IsSCSIAvailable() const = 0;
    virtual const CSupportedSamplerRegistry& SupportedSamplers() const = 0;
    virtual const CABCConnectionDirectory& Connections() const = 0;
    // Checks that every installed sampler answers; false when the user
    // cancelled the check.
    virtual bool VerifyInstalledSamplers() = 0;
};
