// The S-760 transmit and receive dialogs on the simulated S-760: the
// templates read from the sampler, an empty patch name refused, the patch
// built at the rate and on the template chosen, the choices kept, and a
// sample chosen from the sampler's list fetched back.
#include <gtest/gtest.h>

#include "devices/midi/CMIDIPortLists.h"
#include "gui/dialogs/CS760ReceiveDialog.h"
#include "gui/dialogs/CS760TransmitDialog.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/roland/CS760Transfer.h"
#include "simulators/CSimulatedRolandSampler.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SamplerTestRig.h"

TEST(S760Dialogs, TransmitOnATemplateAtTheRateChosenAndReceiveBack)
{
    InstalledClock clock(1000);
    CMIDIPortLists lists;
    std::shared_ptr<CLoopbackCable> cable = lists.AddLoopbackPair("S-760 cable");
    CSimulatedRolandSampler s760(0);
    s760.ConnectMIDI(cable);
    S760::Patch bass = S760::Patch::Default();
    bass.SetName("TPL:Bass");
    bass.SetKey(40 - S760::kLowestKey, {0, 0});  // slices from key 40 on
    s760.StorePatch(2, bass);
    CS760Transfer transfer(std::make_unique<CSamplerMIDIConnection>(lists, 0, 0), 0);
    AlertRecorder alerts;
    FakeIdentification identification;
    const CSupportedSamplerRegistry types(identification);
    CInstalledSampler sampler(*types.Find(2000));
    const auto loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());

    CS760TransmitDialog dialog(sampler, slices, transfer, nullptr);
    EXPECT_EQ(dialog.Title(), "Transmit to " + sampler.Name());
    EXPECT_EQ(dialog.Name().Text(), "QLT:Funky");
    EXPECT_EQ(dialog.Popup(CS760TransmitDialog::kSampleRate).Value(), 1);  // 44.1 kHz, the loop's rate
    ASSERT_EQ(dialog.Popup(CS760TransmitDialog::kTemplatePatch).ItemCount(), 2);
    EXPECT_EQ(Entry(dialog.Popup(CS760TransmitDialog::kTemplatePatch), 0), "[Default]");
    EXPECT_EQ(Entry(dialog.Popup(CS760TransmitDialog::kTemplatePatch), 1), "TPL:Bass");

    dialog.Name().SetText("");
    Press(dialog, dialog.ButtonOn(CS760TransmitDialog::kTransmit));
    EXPECT_TRUE(alerts.Shown(Res::kAlertS760NoName));
    EXPECT_FALSE(dialog.HasEnded());

    dialog.Name().SetText("Beat");
    Choose(dialog.Popup(CS760TransmitDialog::kSampleRate), 5);  // 22.05 kHz
    Choose(dialog.Popup(CS760TransmitDialog::kTemplatePatch), 1);
    Press(dialog, dialog.ButtonOn(CS760TransmitDialog::kTransmit));
    ASSERT_TRUE(dialog.HasEnded());
    const CSimulatedS760Memory held = s760.Memory();
    EXPECT_EQ(held.patches[0].Name(), "QLT:Beat");
    const S760::KeyEntry second = held.patches[0].Key(41 - S760::kLowestKey);
    ASSERT_NE(second.partial, S760::kNoPartial);
    const std::uint16_t number = held.partials[second.partial].ZoneSample(0);
    EXPECT_EQ(S760::RateOfIndex(held.samples[number].rateIndex), 22050u);

    CS760TransmitDialog again(sampler, slices, transfer, nullptr);
    EXPECT_EQ(again.Name().Text(), "QLT:Beat");
    EXPECT_EQ(again.Popup(CS760TransmitDialog::kSampleRate).Value(), 5);
    EXPECT_EQ(again.Popup(CS760TransmitDialog::kTemplatePatch).Value(), 1);

    CS760ReceiveDialog receive(sampler, transfer, nullptr);
    EXPECT_EQ(receive.Title(), "Receive from " + sampler.Name());
    ASSERT_EQ(receive.Samples().ItemCount(), 3);
    EXPECT_EQ(Entry(receive.Samples(), 1), "  " + std::to_string(number) + ": QLT:Beat       2");
    Choose(receive.Samples(), 1);
    Press(receive, receive.Button(CS760ReceiveDialog::kReceive));
    ASSERT_TRUE(receive.Received());
    EXPECT_EQ(receive.Received()->format.name, "QLT:Beat       2");
    const std::vector<std::int16_t> stored = s760.Samples16(number);
    EXPECT_TRUE(std::equal(receive.Received()->samples.begin(), receive.Received()->samples.end(), stored.begin()));
}
