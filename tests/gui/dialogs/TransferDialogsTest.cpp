// The transmit and receive dialogs of the Sample Dump Standard on a family's
// transfers: titles, number fields that refuse what the sampler cannot
// address, playback paused during the transfer, the ladder's alert with the
// dialog left open, and the received sample named after the sampler.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "gui/dialogs/CSDSReceiveDialog.h"
#include "gui/dialogs/CSDSTransmitDialog.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "samplers/model/SamplerFamily.h"
#include "samplers/transfer/CABCPlaybackPause.h"
#include "samplers/transfer/CABCSamplerTransfer.h"
#include "slicing/CSliceList.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/CSlicingSettings.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/SamplerTestRig.h"

namespace {

// Notes what it was asked, and fails with `failure` while one is set.
class CFakeTransfer : public CABCSamplerTransfer, public CABCPlaybackPause {
public:
    int SliceLimit() const override { return 100; }
    std::uint32_t FirstSampleNumber() const override { return 0; }
    std::uint32_t LastSampleNumber() const override { return 16383; }
    void Transmit(const CSliceRenderSet&, const TransmitRequest& request, CLengthyOperation&) override
    {
        pausedDuringTransfer = paused;
        if (failure)
            std::rethrow_exception(failure);
        transmitted = request;
    }
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation&) override
    {
        if (failure)
            std::rethrow_exception(failure);
        asked = request;
        ReceivedSample sample;
        sample.samples = {1, 2, 3};
        return sample;
    }
    void PausePlayback() override { ++paused; }
    void ResumePlayback() override { --paused; }

    std::exception_ptr failure;
    std::optional<TransmitRequest> transmitted;
    std::optional<ReceiveRequest> asked;
    int paused = 0;
    int pausedDuringTransfer = 0;
};

class TransferDialogsTest : public testing::Test {
protected:
    TransferDialogsTest() : slices(sound, sliceList, settings)
    {
        sampler.SetName("Rack");
        sampler.SetSysexID(5);
    }

    FakeIdentification identification;
    CSupportedSamplerRegistry types{identification};
    CInstalledSampler sampler{*types.Find(kSDSTypeId)};
    WAVE_SAMPLE sound{"Loop", 44100, 1000};
    CSliceList sliceList;
    CSlicingSettings settings;
    CSliceRenderSet slices;
    CFakeTransfer transfer;
    AlertRecorder alerts;
};

}  // namespace

TEST_F(TransferDialogsTest, TransmitSendsFromTheNumbersGivenAndStaysOpenOnFailure)
{
    CSDSTransmitDialog dialog(sampler, slices, transfer, &transfer);
    EXPECT_EQ(dialog.Title(), "Transmit to Rack");
    EXPECT_EQ(dialog.Field(CSDSTransmitDialog::kSysexId).Text(), "5");
    for (const char* bad : {"", "16384"}) {
        dialog.Field(CSDSTransmitDialog::kFirstNumber).SetText(bad);
        dialog.CheckControls();
        EXPECT_FALSE(dialog.Button(CSDSTransmitDialog::kTransmit).IsEnabled()) << bad;
    }
    dialog.Field(CSDSTransmitDialog::kFirstNumber).SetText("12");
    dialog.Field(CSDSTransmitDialog::kSysexId).SetText("128");
    dialog.CheckControls();
    EXPECT_FALSE(dialog.Button(CSDSTransmitDialog::kTransmit).IsEnabled());
    dialog.Field(CSDSTransmitDialog::kSysexId).SetText("7");

    transfer.failure = std::make_exception_ptr(XSysexTimedOut());
    Press(dialog, dialog.Button(CSDSTransmitDialog::kTransmit));
    EXPECT_TRUE(alerts.Shown(Res::kAlertMIDICommunication));
    EXPECT_FALSE(dialog.HasEnded());

    transfer.failure = nullptr;
    Press(dialog, dialog.Button(CSDSTransmitDialog::kTransmit));
    EXPECT_TRUE(dialog.HasEnded());
    ASSERT_TRUE(transfer.transmitted);
    EXPECT_EQ(transfer.transmitted->sysexId, 7);
    EXPECT_EQ(transfer.transmitted->firstSampleNumber, 12u);
    EXPECT_EQ(transfer.pausedDuringTransfer, 1);
    EXPECT_EQ(transfer.paused, 0);
}

TEST_F(TransferDialogsTest, ReceiveFetchesTheNumberedSampleAndNamesIt)
{
    CSDSReceiveDialog dialog(sampler, transfer, &transfer);
    EXPECT_EQ(dialog.Title(), "Receive from Rack");
    dialog.Field(CSDSReceiveDialog::kNumber).SetText("42");
    transfer.failure = std::make_exception_ptr(XSDSCancelled());
    Press(dialog, dialog.Button(CSDSReceiveDialog::kReceive));
    EXPECT_TRUE(alerts.Shown(Res::kAlertOperationRejected));
    EXPECT_FALSE(dialog.Received());
    EXPECT_FALSE(dialog.HasEnded());

    transfer.failure = nullptr;
    Press(dialog, dialog.Button(CSDSReceiveDialog::kReceive));
    EXPECT_TRUE(dialog.HasEnded());
    ASSERT_TRUE(dialog.Received());
    EXPECT_EQ(dialog.Received()->format.name, "Rack #42");
    EXPECT_EQ(transfer.asked->sampleNumber, 42u);
    EXPECT_EQ(transfer.asked->sysexId, 5);
}
