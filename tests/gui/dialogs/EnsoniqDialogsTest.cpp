// The Ensoniq transmit and receive dialogs on the simulated ASR-10: an
// empty name refused, the instrument built in the destination chosen at the
// rate chosen, the choices kept, and a wave sample chosen by its layer and
// keys fetched back.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "gui/dialogs/CEnsoniqReceiveDialog.h"
#include "gui/dialogs/CEnsoniqTransmitDialog.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "simulators/CSimulatedEnsoniqSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SamplerTestRig.h"

TEST(EnsoniqDialogs, TransmitBuildsTheInstrumentChosenAndReceiveFetchesAWaveSampleByItsKeys)
{
    InstalledClock clock{1000};
    CMIDIPortLists lists;
    const auto cable = lists.AddLoopbackPair("Ensoniq cable");
    CSimulatedEnsoniqSampler asr10(1);
    asr10.ConnectMIDI(cable);
    asr10.Store(0, "KIT", 1, 4, std::vector<std::int16_t>(300, 77), 44100, 40, 45);
    CEnsoniqTransfer transfer(3020, std::make_unique<CSamplerMIDIConnection>(lists, 0, 0));
    AlertRecorder alerts;
    FakeIdentification identification;
    const CSupportedSamplerRegistry types(identification);
    CInstalledSampler sampler(*types.Find(3020));
    sampler.SetSysexID(1);
    const auto loop = MakeLoop(4000, 22050, {0, 1000, 2500});
    const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());

    CEnsoniqTransmitDialog dialog(sampler, slices, transfer, nullptr);
    EXPECT_EQ(dialog.Title(), "Transmit to " + sampler.Name());
    EXPECT_EQ(dialog.Popup(CEnsoniqTransmitDialog::kSampleRate).Value(), 0);  // 22.05 kHz, the loop's rate
    dialog.Name().SetText("!!");
    Press(dialog, dialog.Button(CEnsoniqTransmitDialog::kTransmit));
    EXPECT_TRUE(alerts.Shown(Res::kAlertEnsoniqNoName));
    EXPECT_FALSE(dialog.HasEnded());

    dialog.Name().SetText("funk kit");
    Choose(dialog.Popup(CEnsoniqTransmitDialog::kDestination), 5);
    Choose(dialog.Popup(CEnsoniqTransmitDialog::kSampleRate), 1);
    Press(dialog, dialog.Button(CEnsoniqTransmitDialog::kTransmit));
    ASSERT_TRUE(dialog.HasEnded());
    const auto built = asr10.InstrumentAt(5);
    ASSERT_TRUE(built);
    EXPECT_EQ(built->parameters.Name(), "FUNK KIT");
    ASSERT_EQ(built->waves.size(), 3u);
    EXPECT_EQ(built->waves.at(2).data.size(), 3000u);  // 1500 frames at twice the rate

    CEnsoniqTransmitDialog again(sampler, slices, transfer, nullptr);
    EXPECT_EQ(again.Name().Text(), "funk kit");
    EXPECT_EQ(again.Popup(CEnsoniqTransmitDialog::kDestination).Value(), 5);
    EXPECT_EQ(again.Popup(CEnsoniqTransmitDialog::kSampleRate).Value(), 1);
    Press(again, again.Button(CEnsoniqTransmitDialog::kCancel));
    EXPECT_TRUE(again.HasEnded());

    CEnsoniqReceiveDialog receive(sampler, transfer, nullptr);
    EXPECT_EQ(receive.Title(), "Receive from " + sampler.Name());
    CPopupButtonView& layers = receive.Popup(CEnsoniqReceiveDialog::kLayer);
    EXPECT_EQ(Entry(layers, 0), "Ins #1: \"KIT\"" + std::string(12, ' ') + "Layer #2");
    EXPECT_EQ(Entry(layers, 1), "Ins #6: \"FUNK KIT\"" + std::string(7, ' ') + "Layer #1");
    EXPECT_EQ(Entry(receive.Popup(CEnsoniqReceiveDialog::kWave), 0), "WS #4   E2-A2");
    Choose(layers, 1);
    receive.CheckControls();
    EXPECT_EQ(Entry(receive.Popup(CEnsoniqReceiveDialog::kWave), 2), "WS #3   D2-D2");
    Choose(receive.Popup(CEnsoniqReceiveDialog::kWave), 2);
    Press(receive, receive.Button(CEnsoniqReceiveDialog::kReceive));
    ASSERT_TRUE(receive.Received());
    EXPECT_EQ(receive.Received()->format.name, "FUNK KIT   3");
    EXPECT_EQ(receive.Received()->format.rate, 44100u);
    EXPECT_EQ(receive.Received()->samples.size(), 3000u);
    EXPECT_EQ(asr10.HoldOffViolations(), 0);
}
