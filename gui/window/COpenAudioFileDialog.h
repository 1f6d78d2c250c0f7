#pragma once
// The Open Audio File dialog (template 1001): the file's description, the
// channel choice for a stereo file (Left, Right, Mix), Play and Stop to
// preview the chosen channel, and Auto Play, which previews files of up to
// 30 seconds as soon as the dialog opens and is remembered while the
// program runs.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "formats/sound/ChannelChoice.h"
#include "formats/sound/SoundFileInfo.h"
#include "gui/framework/windows/CModalDialog.h"

class CCheckBoxView;
class CPushButtonView;
class CRadioButtonGroupView;
class CStaticTextView;
class CWavePlayer;
class WAVE_SAMPLE;

class COpenAudioFileDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1001;
    enum ItemId : std::uint16_t {
        kOpen = 1, kCancel = 2, kDescription = 3, kLeft = 4, kRight = 5, kMix = 6,
        kPlay = 7, kStop = 8, kAutoPlay = 9, kChannelBox = 10,
    };

    // player: where previews play; without one Play and Stop stay disabled.
    COpenAudioFileDialog(const std::string& path, const SoundFileInfo& info, CWavePlayer* player);
    ~COpenAudioFileDialog() override;
    // The chosen channel, or nothing when the user cancelled.
    static std::optional<ChannelChoice> Ask(const std::string& path, const SoundFileInfo& info, CWavePlayer* player);

    void Open() override;
    void CheckControls() override;
    ChannelChoice Channel() const;
    const CStaticTextView& Description() const { return *fDescription; }

private:
    void Play();
    void StopPreview();

    std::string fPath;
    SoundFileInfo fInfo;
    CWavePlayer* fPlayer;
    std::unique_ptr<WAVE_SAMPLE> fPreview;
    std::optional<ChannelChoice> fPreviewChannel;
    CStaticTextView* fDescription = nullptr;
    CRadioButtonGroupView* fChannels = nullptr;
    CPushButtonView* fOpen = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fPlay = nullptr;
    CPushButtonView* fStop = nullptr;
    CCheckBoxView* fAutoPlay = nullptr;
    bool fShownAutoPlay = false;
    static bool sAutoPlay;
};
