#pragma once
// What every document window of the program shares: the one sample player,
// the document preferences, whether a sound channel is open, and the menu
// bar's records. Windows
// hold it with shared ownership, so it outlives the last of them whatever
// order the program ends in.
#include <functional>
#include <utility>

#include "document/playback/CWavePlayer.h"
#include "document/window/model/DocumentPreferences.h"

class CMenuBar;

struct DocumentSession {
    DocumentSession(std::function<bool()> available, std::function<CMenuBar*()> menus)
        : soundAvailable(std::move(available)), menuBar(std::move(menus))
    {
    }

    CWavePlayer player;
    DocumentPreferences preferences;
    std::function<bool()> soundAvailable;
    // The menu records the windows enable and check their commands in.
    std::function<CMenuBar*()> menuBar;
};
