#pragma once
// What the application's menu update looks at: the services, the installed
// samplers, the default document settings and the document windows.
#include <cstdint>
#include <string>
#include <vector>


struct MenuState {
    bool midiAvailable = false;
    bool scsiAvailable = false;
    bool browserInstalled = false;

    // Which application commands the program can carry out at all.
    bool canOpen = false;
    bool canEditPreferences = false;
    bool canEditSamplerSettings = false;
    bool canReceive = false;
    bool canShowSystemInformation = false;

    std::vector<std::string> installedSamplers;
    // The names File > Open Recent lists, most recent first.
    std::vector<std::string> recentDocuments;
    std::uint16_t selectedSampler = 0;  // 65535 selects the first
    // The Transmit item's text for the selected sampler.
    std::string transmitLabel;

    // Default document settings, shown while no document is open.
    bool defaultPitchToNewTempo = false;
    bool defaultSeparateSamples = false;
    bool defaultNormalize = false;
    bool defaultSilenceSelected = false;

    // The document windows.
    int documentCount = 0;
    int visibleNormalDocuments = 0;  // visible and not minimized
    bool anyDocumentMaximized = false;
    bool frameMaximized = false;
};
