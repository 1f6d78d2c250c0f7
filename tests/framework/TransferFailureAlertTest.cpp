#include "framework/exceptions/TransferFailureAlert.h"

#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"

namespace {

template <typename X>
std::optional<ResourceId> AlertFor()
{
    return TransferFailureAlert(std::make_exception_ptr(X()));
}

}  // namespace

TEST(TransferFailureAlert, EachRungOfTheLadderShowsItsAlert)
{
    EXPECT_EQ(AlertFor<XSampleTransmitCancelled>(), std::nullopt);
    EXPECT_EQ(AlertFor<XAKAIDeleteCancelled>(), Res::kAlertAKAILeftoverSamples);
    EXPECT_EQ(AlertFor<XK2000DeleteCancelled>(), Res::kAlertK2000LeftoverKeymaps);
    EXPECT_EQ(AlertFor<XS760DeleteCancelled>(), Res::kAlertS760PatchDamaged);
    EXPECT_EQ(AlertFor<XJPegOutOfMemory>(), Res::kAlertNotEnoughMemory);
    EXPECT_EQ(AlertFor<XKurzweilOutOfMemory>(), Res::kAlertSamplerOutOfMemory);
    EXPECT_EQ(AlertFor<XAKAIReceivedError>(), Res::kAlertOperationRejected);
    EXPECT_EQ(AlertFor<XAKAISCSITimedOut>(), Res::kAlertSCSICommunication);
    EXPECT_EQ(AlertFor<XSysexTooBig>(), Res::kAlertMIDICommunication);
    EXPECT_EQ(AlertFor<XK2000InvalidTag>(), Res::kAlertSamplerCommunication);
    EXPECT_EQ(AlertFor<XBadFormat>(), Res::kAlertInternalError);
    EXPECT_EQ(AlertFor<std::bad_alloc>(), Res::kAlertInternalError);
    // Specific classes win over their bases: an SMDI abort is a refusal, not a communication error.
    EXPECT_EQ(AlertFor<XSMDIAborted>(), Res::kAlertOperationRejected);
    EXPECT_EQ(AlertFor<XSMDIWaitTimedOut>(), Res::kAlertSCSICommunication);
    EXPECT_EQ(AlertFor<XSysexTimedOut>(), Res::kAlertMIDICommunication);
    EXPECT_EQ(AlertFor<XSampleNameNotUnique>(), Res::kAlertSamplerCommunication);
    // Ports failing under a transfer: a port that would not open has said so in its own alert.
    EXPECT_EQ(AlertFor<XFailedOpeningMIDIPort>(), std::nullopt);
    EXPECT_EQ(AlertFor<XMIDIWriteFailed>(), Res::kAlertMIDICommunication);
    EXPECT_EQ(AlertFor<XSCSIAccessDenied>(), Res::kAlertSCSICommunication);
    EXPECT_STREQ(XSysexTimedOut().what(), "XSysexTimedOut");
}
