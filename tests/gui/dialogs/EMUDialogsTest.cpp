// The E-mu transmit and receive dialogs on the simulated E-mu sampler: the
// choices refused with their alerts, the slices sent at the rate chosen and
// numbered from the start sample, the choices kept, and a sample fetched
// back by its number.
#include <gtest/gtest.h>

#include "gui/dialogs/CEMUReceiveDialog.h"
#include "gui/dialogs/CEMUTransmitDialog.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "samplers/emu/CEMUTransfer.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SMDISamplerRig.h"
#include "tests/support/SamplerTestRig.h"

TEST(EMUDialogs, TransmitChecksTheChoicesSendsAtTheRateAndReceivesBack)
{
    SMDISamplerRig rig;
    AlertRecorder alerts;
    CEMUTransfer transfer(rig.Device());
    FakeIdentification identification;
    const CSupportedSamplerRegistry types(identification);
    CInstalledSampler e4x(*types.Find(5131));
    const auto loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());

    CEMUTransmitDialog dialog(e4x, slices, transfer, nullptr);
    EXPECT_EQ(dialog.Title(), "Transmit to " + e4x.Name());
    EXPECT_EQ(dialog.Field(CEMUTransmitDialog::kSampleName).Text(), "New Sample");
    EXPECT_EQ(dialog.Rate().Value(), 1);  // 44.1 kHz, the loop's rate
    const struct {
        const char* name;
        const char* start;
        ResourceId alert;
    } refused[] = {{"", "1", Res::kAlertEMUNoName}, {"Break", "0", Res::kAlertEMUBadStartNumber}};
    for (const auto& c : refused) {
        dialog.Field(CEMUTransmitDialog::kSampleName).SetText(c.name);
        dialog.Field(CEMUTransmitDialog::kStartNumber).SetText(c.start);
        Press(dialog, dialog.Button(CEMUTransmitDialog::kTransmit));
        EXPECT_TRUE(alerts.Shown(c.alert)) << c.name << c.start;
        EXPECT_FALSE(dialog.HasEnded());
    }
    EXPECT_EQ(rig.sampler.SampleCount(), 0u);

    dialog.Field(CEMUTransmitDialog::kStartNumber).SetText("5");
    dialog.Rate().SetValue(3);  // 22.05 kHz
    Press(dialog, dialog.Button(CEMUTransmitDialog::kTransmit));
    ASSERT_TRUE(dialog.HasEnded());
    ASSERT_EQ(rig.sampler.SampleCount(), 3u);
    const CSimulatedEMUSampler::Sample* second = rig.sampler.Find(6);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->header.name, "Break 2");
    EXPECT_EQ(second->header.period, 1000000000u / 22050);
    EXPECT_EQ(second->header.length, 1502u);  // 3003 frames at half the rate

    CEMUTransmitDialog again(e4x, slices, transfer, nullptr);
    EXPECT_EQ(again.Field(CEMUTransmitDialog::kSampleName).Text(), "Break");
    EXPECT_EQ(again.Field(CEMUTransmitDialog::kStartNumber).Text(), "5");
    EXPECT_EQ(again.Rate().Value(), 3);

    CEMUReceiveDialog receive(e4x, transfer, nullptr);
    EXPECT_EQ(receive.Title(), "Receive from " + e4x.Name());
    receive.Number().SetText("0");
    receive.CheckControls();
    EXPECT_FALSE(receive.Button(CEMUReceiveDialog::kReceive).IsEnabled());
    receive.Number().SetText("6");
    Press(receive, receive.Button(CEMUReceiveDialog::kReceive));
    ASSERT_TRUE(receive.Received());
    EXPECT_EQ(receive.Received()->format.name, "Break 2");
    EXPECT_EQ(receive.Received()->samples, rig.sampler.Frames(6));
}
