#pragma once
// A card that records what would be heard, into memory and optionally a WAV
// file (rewritten whole at every stop). In fast mode it plays as fast as the
// machine renders and can be held at exact points (see CSoundRecording).
#include "devices/sound/CRegisteredSoundCard.h"
#include "devices/sound/CSoundRecording.h"

class CRegisteredFileSoundCard final : public CRegisteredSoundCard {
public:
    static constexpr const char* kKind = "File";

    // An empty `path` records into memory only.
    explicit CRegisteredFileSoundCard(const std::string& path, bool fast = false);

    CSoundRecording& Recording() { return fRecording; }
    const std::string& Path() const { return fPath; }

protected:
    std::unique_ptr<CSoundOutput> OpenOutput(std::uint32_t rate, std::uint16_t channels) override;

private:
    std::string fPath;
    bool fFast;
    CSoundRecording fRecording;
};
