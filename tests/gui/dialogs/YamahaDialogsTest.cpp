// The Yamaha transmit and receive dialogs on the simulated A3000: the
// templates listed from the sampler, the names refused with their alerts,
// the slices sent as a bank at the rate chosen, the choices kept, and a
// sample fetched back from the sampler's list.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "gui/dialogs/CYamahaReceiveDialog.h"
#include "gui/dialogs/CYamahaTransmitDialog.h"
#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/yamaha/CA3000Transfer.h"
#include "simulators/CSimulatedYamahaSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SamplerTestRig.h"

TEST(YamahaDialogs, TransmitListsTemplatesChecksNamesSendsABankAndReceivesBack)
{
    constexpr std::uint8_t kDevice = 3;
    InstalledClock clock{1000};
    CMIDIPortLists lists;
    CSimulatedYamahaSampler a3000{kDevice, {0, 2, 1, 0}};
    a3000.ConnectMIDI(lists.AddLoopbackPair("A3000 cable"));
    a3000.Store(CSimulatedYamahaSampler::MakeSample("Kit Kick", 44100, std::vector<std::int16_t>(40, 3)));
    CA3000SampleBank kit;
    kit.SetName("Kit");
    kit.AddMember({"Kit Kick", 36, 36, 36, 127});
    a3000.Store(kit);
    CA3000Transfer transfer(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0));
    FakeIdentification identification;
    const CSupportedSamplerRegistry types(identification);
    CInstalledSampler sampler(*types.Find(6000));
    sampler.SetSysexID(kDevice);
    const auto loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());
    AlertRecorder alerts;

    CYamahaTransmitDialog dialog(sampler, slices, transfer, nullptr);
    EXPECT_EQ(dialog.Title(), "Transmit to " + sampler.Name());
    EXPECT_EQ(dialog.Popup(CYamahaTransmitDialog::kSampleRate).Value(), 2);  // 44.1 kHz, the loop's rate
    EXPECT_EQ(dialog.Popup(CYamahaTransmitDialog::kTemplateChoice).ItemCount(), 3);  // [Default], Kit, Kit Kick
    const std::pair<const char*, ResourceId> refused[] = {{"", Res::kAlertA3000NoName},
                                                          {"Kit", Res::kAlertA3000BankExists}};
    for (const auto& [name, alert] : refused) {
        dialog.BankName().SetText(name);
        Press(dialog, dialog.Button(CYamahaTransmitDialog::kTransmit));
        EXPECT_TRUE(alerts.Shown(alert, name)) << name;
        EXPECT_FALSE(dialog.HasEnded());
    }

    dialog.BankName().SetText("Loop");
    dialog.Popup(CYamahaTransmitDialog::kSampleRate).SetValue(0);      // 22.05 kHz
    dialog.Popup(CYamahaTransmitDialog::kTemplateChoice).SetValue(1);  // the bank "Kit"
    Press(dialog, dialog.Button(CYamahaTransmitDialog::kTransmit));
    ASSERT_TRUE(dialog.HasEnded());
    ASSERT_TRUE(a3000.FindBank("Loop"));
    EXPECT_EQ(a3000.FindBank("Loop")->Members().size(), 3u);
    const std::string second = CA3000Transfer::SampleName("Loop", 1);
    ASSERT_TRUE(a3000.FindSample(second));
    EXPECT_EQ(a3000.FindSample(second)->parameters.Format().rate, 22050u);

    CYamahaTransmitDialog again(sampler, slices, transfer, nullptr);
    EXPECT_EQ(again.BankName().Text(), "Loop");
    EXPECT_EQ(again.Popup(CYamahaTransmitDialog::kSampleRate).Value(), 0);
    EXPECT_EQ(again.Popup(CYamahaTransmitDialog::kTemplateChoice).Value(), 1);

    CYamahaReceiveDialog receive(sampler, transfer, nullptr);
    EXPECT_EQ(receive.Title(), "Receive from " + sampler.Name());
    ASSERT_EQ(receive.Sample().ItemCount(), 4);  // Kit Kick and the three slices
    receive.Sample().SetValue(2);
    Press(receive, receive.Button(CYamahaReceiveDialog::kReceive));
    ASSERT_TRUE(receive.Received());
    EXPECT_EQ(receive.Received()->format.name, second);
    EXPECT_EQ(receive.Received()->samples, a3000.FindSample(second)->frames);
}
