#pragma once
// Which channel of a received stereo sample becomes the new document's
// sound (template 1111): Left, Mix or Right.
#include <cstdint>
#include <optional>

#include "gui/framework/windows/CModalDialog.h"
#include "samplers/transfer/ReceivedSample.h"

class CPushButtonView;
class CRadioButtonGroupView;

class CReceiveChannelDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1111;
    enum ItemId : std::uint16_t { kOK = 1, kCancel = 2, kMessage = 3, kLeft = 4, kMix = 5, kRight = 6, kBox = 7 };

    CReceiveChannelDialog();
    // The chosen channel, or nothing when the user cancelled.
    static std::optional<ReceivedChannel> Ask();

    void CheckControls() override;
    ReceivedChannel Channel() const;

private:
    CRadioButtonGroupView* fChannels = nullptr;
    CPushButtonView* fOK = nullptr;
    CPushButtonView* fCancel = nullptr;
};
