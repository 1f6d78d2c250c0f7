#pragma once
// What every document window of the program shares: the one sample player,
// the document preferences, whether a sound channel is open, the menu bar's
// records, and who is told of the files documents come from and go to.
// Windows hold it with shared ownership, so it outlives the last of them
// whatever order the program ends in.
#include <functional>
#include <memory>
#include <utility>

#include "document/export/SamplerFileExportSettings.h"
#include "document/playback/CWavePlayer.h"
#include "document/window/DocumentPreferences.h"

class CFileSpec;
class CInstalledSampler;
class CMenuBar;
class CSliceRenderSet;
class WAVE_SAMPLE;

struct DocumentSession {
    // `shared`: the application's sample player (a session of its own without one).
    DocumentSession(std::function<bool()> available, std::function<CMenuBar*()> menus,
                    std::shared_ptr<CWavePlayer> shared = std::make_shared<CWavePlayer>())
        : sharedPlayer(std::move(shared)), player(*sharedPlayer), soundAvailable(std::move(available)),
          menuBar(std::move(menus))
    {
    }

    std::shared_ptr<CWavePlayer> sharedPlayer;
    CWavePlayer& player;
    DocumentPreferences preferences;
    std::function<bool()> soundAvailable;
    // The menu records the windows enable and check their commands in.
    std::function<CMenuBar*()> menuBar;
    // Told of every file a window was opened from or saved to (may be empty).
    std::function<void(const CFileSpec&)> fileUsed;
    // The sampler Transmit sends to (nullptr: none).
    std::function<CInstalledSampler*()> transmitTarget;
    // Opens a sound made in the program in a new document window.
    std::function<void(std::unique_ptr<WAVE_SAMPLE>)> openSoundWindow;
    // The names and template the sampler-file export dialogs offer.
    SamplerFileExportSettings samplerFiles;
    // The transmit dialog of a sampler's family on a window's slices.
    std::function<void(CInstalledSampler&, const CSliceRenderSet&)> transmitToSampler;
};
