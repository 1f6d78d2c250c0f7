// The sampler dialogs: Found Sampler, Add Sampler, Rename and Sampler Settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "gui/dialogs/CAddSamplerDialog.h"
#include "gui/dialogs/CConfigureSamplerDialog.h"
#include "gui/dialogs/CFoundSamplerInfoDialog.h"
#include "gui/dialogs/CRenameSamplerDialog.h"
#include "gui/dialogs/CSamplerPictureView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "samplers/search/CABCFoundSamplerQuestion.h"
#include "samplers/search/CABCSamplerScanner.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/search/CSamplerVerifier.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/SamplerTestRig.h"

namespace {

class NoScans : public CABCSamplerScanner, public CABCFoundSamplerQuestion {
public:
    std::vector<MIDIFoundRecord> ScanMIDI() override { return {}; }
    std::vector<SCSIFoundRecord> ScanSCSI() override { return {}; }
    bool Ask(const CInstalledSampler&, ResourceId, const CInstalledSamplerList&) override { return true; }
};

class SamplerDialogsTest : public ::testing::Test {
protected:
    FakeIdentification identification;
    CSupportedSamplerRegistry types{identification};
    FakeConnections connections;
    NoScans devices;
    CSamplerFinder finder{types, devices, devices};
    CSamplerVerifier verifier{finder};
    CInstalledSamplerList installed;
    AlertRecorder alerts;

    CConfigureSamplerDialog::Services Services()
    {
        return {installed, types, connections, finder, verifier, true, true};
    }
};

}  // namespace

TEST_F(SamplerDialogsTest, FoundSamplerShowsTheAddressesItsKindUsesAndMarksDoubles)
{
    auto k2000 = MakeSampler(types, 1000);
    k2000->SetMIDIIn(1);
    k2000->SetSysexID(3);
    CFoundSamplerInfoDialog found(*k2000, Res::kStringAddThisSampler, installed, connections);
    EXPECT_FALSE(found.IsDouble());
    EXPECT_EQ(found.Field(CFoundSamplerInfoDialog::kQuestion), "Do you want to add this sampler?");
    EXPECT_EQ(found.Field(CFoundSamplerInfoDialog::kMIDIIn), "In B");
    EXPECT_EQ(found.Field(CFoundSamplerInfoDialog::kSysexID), "3");
    EXPECT_EQ(found.Field(CFoundSamplerInfoDialog::kSCSIBus), "n/a");

    installed.Add(MakeSampler(types, 1000));
    installed.At(0).SetName("Rack K");
    installed.At(0).SetMIDIIn(1);
    installed.At(0).SetSysexID(3);
    CFoundSamplerInfoDialog twice(*k2000, Res::kStringIsThisTheRightSampler, installed, connections);
    EXPECT_TRUE(twice.IsDouble());
    EXPECT_EQ(twice.Title(), "Double sampler found");
    EXPECT_EQ(twice.Field(CFoundSamplerInfoDialog::kQuestion),
              "This sampler seems to be identical to \"Rack K\", which is already installed in your system!");
    EXPECT_EQ(twice.ButtonText(CFoundSamplerInfoDialog::kYes), "Delete");
    EXPECT_EQ(twice.ButtonText(CFoundSamplerInfoDialog::kNo), "Skip");
}

TEST_F(SamplerDialogsTest, AddSamplerListsReachableModelsAndInstallsTheChosenOne)
{
    const auto kinds = [this](bool midi, bool scsi) {
        CAddSamplerDialog dialog(types, midi, scsi, installed, finder);
        std::set<ConnectionKind> seen;
        for (const CABCSupportedSampler* model : dialog.Models())
            seen.insert(model->Kind());
        return seen;
    };
    EXPECT_EQ(kinds(true, false), std::set<ConnectionKind>{ConnectionKind::kMIDI});
    EXPECT_EQ(kinds(false, true), std::set<ConnectionKind>{ConnectionKind::kSCSI});
    EXPECT_EQ(kinds(true, true),
              (std::set<ConnectionKind>{ConnectionKind::kSCSI, ConnectionKind::kMIDI, ConnectionKind::kMIDIAndSCSI}));
    EXPECT_TRUE(kinds(false, false).empty());

    installed.InstallPseudoSamplers(types);
    CAddSamplerDialog dialog(types, true, false, installed, finder);
    EXPECT_EQ(dialog.Models().front()->Name(), "AKAI S1000 via MIDI");
    EXPECT_EQ(dialog.Text(CAddSamplerDialog::kRequiredOS).Text(), "V4.40");
    const auto s760 = std::find_if(dialog.Models().begin(), dialog.Models().end(),
                                   [](const CABCSupportedSampler* model) { return model->TypeId() == 2000; });
    Choose(dialog.ModelPopup(), static_cast<int>(s760 - dialog.Models().begin()));
    EXPECT_EQ(dialog.Picture().Picture(), 15040u);
    EXPECT_EQ(dialog.Text(CAddSamplerDialog::kNotes).Text(),
              "The S-760 must be in Performance mode when you use it with Quillet!");
    Press(dialog, dialog.Button(CAddSamplerDialog::kOK));
    ASSERT_EQ(installed.Count(), 6);
    EXPECT_EQ(installed.Selected()->Name(), "My S-760 via MIDI");
}

TEST_F(SamplerDialogsTest, RenameNeedsAName)
{
    CInstalledSampler sampler(*types.Find(4000));
    CRenameSamplerDialog dialog(sampler);
    dialog.NewName().SetText("");
    Press(dialog, dialog.Button(CRenameSamplerDialog::kOK));
    EXPECT_TRUE(alerts.Shown(Res::kAlertSamplerNameMissing));
    EXPECT_FALSE(dialog.HasEnded());
    dialog.NewName().SetText("Studio S1000");
    Press(dialog, dialog.Button(CRenameSamplerDialog::kOK));
    EXPECT_EQ(sampler.Name(), "Studio S1000");
}

TEST_F(SamplerDialogsTest, SettingsShowTheSamplerAndChangeItsAddresses)
{
    installed.InstallPseudoSamplers(types);
    installed.Add(MakeSampler(types, 4000));
    installed.Add(MakeSampler(types, 1002));
    installed.Select(6);
    installed.At(6).SetVerified(true);
    connections.targets[{1, 7}] = {CABCConnectionDirectory::SCSITarget::State::kHostAdapter, "", ""};
    connections.targets[{1, 2}] = {CABCConnectionDirectory::SCSITarget::State::kReady, "KURZWEIL", "K2000"};
    CConfigureSamplerDialog dialog(Services());
    ASSERT_EQ(dialog.Shown(), &installed.At(6));
    EXPECT_EQ(dialog.Popup(CConfigureSamplerDialog::kSampler).ItemCount(), 2);
    EXPECT_EQ(dialog.Text(CConfigureSamplerDialog::kFoundOS).Text(), "Unknown");
    EXPECT_EQ(dialog.Picture(CConfigureSamplerDialog::kStatus).Picture(), CSamplerPictureView::kVerifiedIcon);
    CPopupButtonView& sysex = dialog.Popup(CConfigureSamplerDialog::kSysexID);
    EXPECT_EQ(sysex.ItemCount(), 16);
    EXPECT_EQ(Entry(sysex, 0), "0");

    Choose(dialog.Popup(CConfigureSamplerDialog::kSCSIID), 4);
    Choose(dialog.Popup(CConfigureSamplerDialog::kSCSIBus), 1);
    EXPECT_EQ(installed.At(6).SCSIBus(), 1);
    EXPECT_EQ(installed.At(6).SCSIID(), 0);
    EXPECT_FALSE(installed.At(6).IsVerified());
    EXPECT_EQ(dialog.Picture(CConfigureSamplerDialog::kStatus).Picture(), CSamplerPictureView::kUnverifiedIcon);
    CPopupButtonView& ids = dialog.Popup(CConfigureSamplerDialog::kSCSIID);
    EXPECT_EQ(Entry(ids, 7), "7: Host Adapter");
    EXPECT_EQ(Entry(ids, 2), "2: \"KURZWEIL K2000\"");
    EXPECT_EQ(Entry(ids, 0), "0: Not Ready");
    EXPECT_EQ(Entry(dialog.Popup(CConfigureSamplerDialog::kSCSIBus), 1), "Adapter 1 [Bus 1]");

    Choose(dialog.Popup(CConfigureSamplerDialog::kSampler), 0);
    EXPECT_EQ(installed.SelectedIndex(), 5);
    EXPECT_EQ(Entry(sysex, 0), "1");  // AKAI counts from 1
    EXPECT_FALSE(dialog.Popup(CConfigureSamplerDialog::kSCSIBus).IsEnabled());

    alerts.answers = {33};  // Yes, remove it
    Press(dialog, dialog.Button(CConfigureSamplerDialog::kDelete));
    EXPECT_EQ(installed.Count(), 6);
    Press(dialog, dialog.Button(CConfigureSamplerDialog::kDelete));
    EXPECT_EQ(dialog.Shown(), nullptr);
    EXPECT_EQ(dialog.Text(CConfigureSamplerDialog::kName).Text(), "No sampler installed.");
    EXPECT_EQ(dialog.Picture(CConfigureSamplerDialog::kPicture).Picture(), CSamplerPictureView::kNoSampler);
    EXPECT_FALSE(dialog.Button(CConfigureSamplerDialog::kDelete).IsEnabled());
}
