// The Preferences dialog: its faders' mapping, changes that take effect at
// once, and Cancel that puts everything back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSlider>

#include "devices/sound/CABCSoundSetupHost.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CSoundChannel.h"
#include "devices/sound/CSoundSetup.h"
#include "formats/preferences/CQuilletApplicationPreferences.h"
#include "gui/dialogs/CQuilletPreferencesDialog.h"
#include "gui/dialogs/CWaveformColourPicker.h"
#include "gui/dialogs/PreferenceFaders.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CFaderView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "tests/support/DialogInput.h"

namespace {

class QuietHost : public CABCSoundSetupHost {
public:
    int ShowAlert(ResourceId, const std::string&) override { return 33; }
    void StopPlayback() override {}
    void ChannelChanged(CSoundChannel*) override {}
};

void Silence(std::int16_t* frames, std::uint32_t count, void*)
{
    std::fill(frames, frames + 2 * count, std::int16_t{0});
}

void Move(CFaderView& fader, int value)
{
    static_cast<QSlider&>(fader.Widget()).setValue(value);
}

void Click(CCheckBoxView& box)
{
    static_cast<QAbstractButton&>(box.Widget()).click();
}

class PreferencesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sound.Registry().Add(std::make_unique<CRegisteredNullSoundCard>());
        sound.Registry().Add(std::make_unique<CRegisteredNullSoundCard>());
        sound.RequireCards();
        sound.OpenCard(0);
        sound.Channel()->SetPlayAheadSetting(4);
    }

    CQuilletPreferencesDialog::Settings Settings(CSoundSetup* withSound)
    {
        return {withSound, documents, application, colours, [this] { ++redraws; }};
    }

    QuietHost host;
    CSoundSetup sound{host, Silence, Silence, nullptr};
    DocumentPreferences documents;
    CQuilletApplicationPreferences application;
    CColorTablePreferences::Table colours;
    int redraws = 0;
};

}  // namespace

TEST(PreferenceFaders, SettingsAndContrastBetweenFaderAndValue)
{
    using namespace PreferenceFaders;
    for (std::uint16_t count : {15, 18}) {
        for (std::uint16_t setting = 0; setting < count; ++setting)
            EXPECT_EQ(SettingAt(PositionOfSetting(setting, count), count), setting) << count << " " << setting;
    }
    EXPECT_EQ(PositionOfSetting(0, 1), 0);
    EXPECT_EQ(SettingAt(999, 1), 0);
    EXPECT_EQ(ContrastAt(PositionOfContrast(50)), 49);  // why the dialog keeps an unmoved contrast
    EXPECT_EQ(ContrastAt(999), 100);
}

TEST(WaveformColourPicker, EightBitComponentsComeBackTimes256)
{
    const QColor shown = CWaveformColourPicker::ToDialog({35453, 32114, 65535});
    EXPECT_EQ(shown, QColor(138, 125, 255));
    EXPECT_EQ(CWaveformColourPicker::FromDialog(QColor(255, 255, 255)), (RGBColor16{65280, 65280, 65280}));
}

TEST_F(PreferencesDialogTest, ChangesTakeEffectAtOnceAndCancelPutsThemBack)
{
    CQuilletPreferencesDialog dialog(Settings(&sound));
    EXPECT_EQ(dialog.Text(CQuilletPreferencesDialog::kDriverType).Text(), "Null");
    EXPECT_EQ(dialog.Text(CQuilletPreferencesDialog::kUnderruns).Text(), "0");

    Choose(dialog.CardPopup(), 1);
    EXPECT_EQ(sound.CardIndex(), 1);
    Move(dialog.PlayAheadFader(), 999);
    EXPECT_EQ(sound.Channel()->GetPlayAheadSetting(), sound.Channel()->GetPlayAheadSettingCount() - 1);
    EXPECT_EQ(dialog.Text(CQuilletPreferencesDialog::kPlayAheadTime).Text(),
              std::to_string(sound.Channel()->GetPlayAheadMilliseconds(sound.Channel()->GetPlayAheadSetting())) +
                  " ms");
    Move(dialog.ContrastFader(), 999);
    EXPECT_EQ(documents.look.contrast, 100);
    Choose(dialog.LookPopup(), 0);
    EXPECT_EQ(documents.look.style, WaveformStyle::kPlain);
    Click(dialog.Check(CQuilletPreferencesDialog::kShowOpen));
    Click(dialog.Check(CQuilletPreferencesDialog::kBarsToOne));
    EXPECT_FALSE(application.ShowOpenDialogOnStartup());
    EXPECT_TRUE(documents.setBarsToOne);
    EXPECT_EQ(redraws, 2);

    Press(dialog, dialog.Button(CQuilletPreferencesDialog::kCancel));
    EXPECT_EQ(sound.CardIndex(), 0);
    EXPECT_EQ(sound.Channel()->GetPlayAheadSetting(), 4);
    EXPECT_EQ(documents.look.contrast, 50);
    EXPECT_EQ(documents.look.style, WaveformStyle::kShaded);
    EXPECT_TRUE(application.ShowOpenDialogOnStartup());
    EXPECT_FALSE(documents.setBarsToOne);
    EXPECT_EQ(redraws, 3);
}

TEST_F(PreferencesDialogTest, OKWithoutMovingTheContrastKeepsIt)
{
    for (int opening = 0; opening < 3; ++opening) {
        CQuilletPreferencesDialog dialog(Settings(&sound));
        Press(dialog, dialog.Button(CQuilletPreferencesDialog::kOK));
    }
    EXPECT_EQ(documents.look.contrast, 50);
}

TEST_F(PreferencesDialogTest, WithoutSoundTheCardListSaysSo)
{
    CQuilletPreferencesDialog dialog(Settings(nullptr));
    EXPECT_EQ(dialog.CardPopup().ItemCount(), 1);
    EXPECT_EQ(Entry(dialog.CardPopup(), 0), "No sound available");
    EXPECT_FALSE(dialog.CardPopup().IsEnabled());
    EXPECT_EQ(dialog.Text(CQuilletPreferencesDialog::kUnderruns).Text(), "n/a");
}
