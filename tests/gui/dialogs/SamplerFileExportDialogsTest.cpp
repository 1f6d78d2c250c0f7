// The export dialogs of the file pseudo-samplers: the names they propose and
// keep, the questions and alerts on the way to the file, the MIDI file after
// the export, and the SampleCell template choice.
#include <gtest/gtest.h>

#include "document/export/SamplerFileExportSettings.h"
#include "framework/files/CFileType.h"
#include "gui/dialogs/CSampleCellExportDialog.h"
#include "gui/dialogs/CSoundFontExportDialog.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/window/CAlertExportFeedback.h"
#include "gui/window/CWindowTransmitHost.h"
#include "samplers/model/CInstalledSampler.h"
#include "samplers/model/CPseudoSamplerClass.h"
#include "samplers/model/SupportedSamplerTable.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/ExportRig.h"
#include "tests/support/SoundFontReader.h"

namespace {

constexpr std::int32_t kOK = 33;
constexpr std::int32_t kCancel = 34;

// A loop named "Beat.loop.aif" and the dialogs' job on it, with the
// questions asked by alerts and the file dialogs answered from lists and
// their titles noted.
struct DialogRig {
    explicit DialogRig(const std::vector<std::uint32_t>& slices) : rig(9300, slices)
    {
        rig.doc->Sound().SetName("Beat.loop.aif");
    }
    SamplerFileExportJob Job()
    {
        return {rig.set,
                rig.doc->Sound().Name(),
                120000,
                settings,
                feedback,
                [this](ResourceId title, const std::string& name, const CFileType& type) -> std::optional<CFileSpec> {
                    asked.push_back(GetResourceString(title) + " " + name + " " + type.ExtensionList().front());
                    if (saveAs.empty())
                        return std::nullopt;
                    const std::string file = saveAs.front();
                    saveAs.erase(saveAs.begin());
                    return FileAt(rig.folder / file);
                },
                [this](ResourceId, const CFileType&) { return open; }};
    }

    ExportRig rig;
    SamplerFileExportSettings settings;
    CAlertExportFeedback feedback;
    std::vector<std::string> saveAs;
    std::optional<std::string> open;
    std::vector<std::string> asked;
    AlertRecorder alerts;
};

} // namespace

TEST(SamplerFileExportDialogs, SoundFontNameIsProposedKeptAndFollowedByTheMIDIFile)
{
    DialogRig d({0, 3000, 6000});
    SamplerFileExportJob job = d.Job();
    {
        CSoundFontExportDialog dialog(job);
        EXPECT_EQ(dialog.NameField()->Text(), "Beat");
        dialog.NameField()->SetText("Breaks");
        d.saveAs = {"Bank.sf2", "Bank.mid"};
        Press(dialog, *dialog.MIDIAndExportButton());
        EXPECT_TRUE(dialog.HasEnded());
    }
    EXPECT_EQ(d.asked, (std::vector<std::string>{"Export SoundFont Bank As: Breaks .sf2",
                                                 "Export MIDI File Beat.loop .mid"}));
    EXPECT_EQ(ReadSoundFontBank(ReadFileBytes(d.rig.folder / "Bank.sf2")).presets, std::vector<std::string>{"Breaks"});
    EXPECT_NE(RunCommand("midicsv '" + (d.rig.folder / "Bank.mid").string() + "'").find("Note_on_c, 0, 38, 127"),
              std::string::npos);
    // The same document again: the name as the user left it.
    CSoundFontExportDialog again(job);
    EXPECT_EQ(again.NameField()->Text(), "Breaks");
}

TEST(SamplerFileExportDialogs, QuestionsAndFailuresKeepTheDialogOpen)
{
    std::vector<std::uint32_t> positions;
    for (std::uint32_t i = 0; i < 93; ++i)
        positions.push_back(i * 100);
    DialogRig d(positions);
    SamplerFileExportJob job = d.Job();
    CSoundFontExportDialog dialog(job);
    d.alerts.answers = {kCancel};
    Press(dialog, dialog.ExportButton());
    ASSERT_EQ(d.alerts.shown.size(), 1u);
    EXPECT_NE(d.alerts.shown[0].find("You've got 93 slices, but the limit for a SoundFont bank created by Quillet! is "
                                     "92. Would you like to export the first 92 slices?"),
              std::string::npos)
        << d.alerts.shown[0];
    EXPECT_TRUE(d.asked.empty());
    EXPECT_FALSE(dialog.HasEnded());

    d.alerts.answers = {kOK};
    d.saveAs = {"missing/Bank.sf2"};
    Press(dialog, dialog.ExportButton());
    EXPECT_TRUE(d.alerts.Shown(Res::kAlertSoundFontExportFailed));
    EXPECT_FALSE(dialog.HasEnded());
    Press(dialog, dialog.CancelButton());
    EXPECT_TRUE(dialog.HasEnded());
}

TEST(SamplerFileExportDialogs, MixmanWantsFourFourTime)
{
    DialogRig d({0, 3000});
    d.rig.doc->Settings().signature = 1;  // 3/4
    CSliceRenderSet threeFour(d.rig.doc->Sound(), d.rig.doc->Slices(), d.rig.doc->Settings());
    SamplerFileExportJob job = d.Job();
    CWindowTransmitHost host({threeFour, "Beat", 0, d.settings, d.feedback, job.askFileToWrite, job.askFileToOpen},
                             {});
    const CPseudoSamplerClass mixman(kSupportedSamplerTable[3]);
    CInstalledSampler sampler(mixman);
    mixman.Transmit(sampler, host);
    EXPECT_TRUE(d.alerts.Shown(Res::kAlertMixmanNot44));
    EXPECT_TRUE(d.asked.empty());
}

TEST(SamplerFileExportDialogs, SampleCellTemplateChoice)
{
    DialogRig d({0, 3000, 6000});
    SamplerFileExportJob job = d.Job();
    CSampleCellExportDialog dialog(job);
    EXPECT_EQ(dialog.TemplateName().Text(), "n/a");
    EXPECT_FALSE(dialog.BrowseButton().IsEnabled());

    // Turned on without a file: browsing that chooses nothing leaves it off.
    dialog.UseTemplateBox().SetChecked(true);
    dialog.CheckControls();
    EXPECT_FALSE(d.settings.useTemplate);
    EXPECT_FALSE(dialog.UseTemplateBox().IsChecked());

    WriteFileBytes(d.rig.folder / "Damaged.ins", {'R', 'I', 'F', 'F', 1});
    d.open = (d.rig.folder / "Damaged.ins").string();
    dialog.UseTemplateBox().SetChecked(true);
    dialog.CheckControls();
    EXPECT_TRUE(d.settings.useTemplate);
    EXPECT_EQ(dialog.TemplateName().Text(), "Damaged.ins");
    EXPECT_TRUE(dialog.BrowseButton().IsEnabled());

    d.saveAs = {"Beat.ins"};
    Press(dialog, dialog.ExportButton());
    EXPECT_TRUE(d.alerts.Shown(Res::kAlertSampleCellTemplateUnreadable));
    EXPECT_FALSE(std::filesystem::exists(d.rig.folder / "Beat.ins"));
    EXPECT_FALSE(dialog.HasEnded());

    // Without the template the defaults serve, and the MIDI file follows.
    dialog.UseTemplateBox().SetChecked(false);
    dialog.CheckControls();
    d.saveAs = {"Beat.ins", "Beat.mid"};
    Press(dialog, *dialog.MIDIAndExportButton());
    EXPECT_TRUE(dialog.HasEnded());
    for (const char* name : {"Beat.ins", "Beat001.wav", "Beat003.wav", "Beat.mid"})
        EXPECT_TRUE(std::filesystem::exists(d.rig.folder / name)) << name;
}
