#pragma once
// The questions that opening a sound puts to the user, and the alerts it
// shows. The window program asks with the Open Audio File dialog and alert
// boxes; tests answer from a script.
#include <optional>
#include <string>

#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"
#include "resources/CaravelResources.h"

class CABCOpenQuestions {
public:
    virtual ~CABCOpenQuestions() = default;
    // The file is about to open: which channel of a stereo file becomes the
    // document's one channel (mono files answer Left). Nothing cancels.
    virtual std::optional<ChannelChoice> AskChannel(const std::string& path, const SoundFileInfo& info) = 0;
    // argument stands in for ^0 (the file's name).
    virtual void ShowAlert(ResourceId alert, const std::string& argument) = 0;
};
