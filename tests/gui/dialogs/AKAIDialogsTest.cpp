// The AKAI transmit and receive dialogs on a simulated S3000: the program
// name's keys, the rate and template offered, an empty name refused, a
// program built on the template chosen with the groove MIDI file beside it,
// the choices kept, a failure leaving the dialog open, and a sample fetched
// back from the sampler's list.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QValidator>

#include "gui/dialogs/CAKAIReceiveDialog.h"
#include "gui/dialogs/CAKAITransmitDialog.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "samplers/akai/AKAIBlocks.h"
#include "slicing/CSliceRenderSet.h"
#include "tests/support/AKAISamplerRig.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/DialogInput.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/LoopFixture.h"
#include "tests/support/SamplerTestRig.h"

TEST(AKAIDialogs, TransmitBuildsTheProgramOnTheTemplateAndReceivesBack)
{
    AKAISamplerRig rig;
    AlertRecorder alerts;
    RecordingPresenter presenter;
    const std::size_t size = rig.sampler.BlockSize();
    rig.sampler.StoreProgram({AKAIBlock::DefaultProgram(size, "TEMPL"), {AKAIBlock::DefaultKeygroup(size)}});
    FakeIdentification identification;
    const CSupportedSamplerRegistry types(identification);
    CInstalledSampler s3000(*types.Find(4100));
    const auto loop = MakeLoop(9000, 44100, {0, 2000, 5003});
    const CSliceRenderSet slices(loop->Sound(), loop->Slices(), loop->Settings());
    CTempFolder folder;

    CAKAITransmitDialog dialog(s3000, slices, *rig.transfer, nullptr);
    EXPECT_EQ(dialog.Title(), "Transmit to " + s3000.Name());
    EXPECT_EQ(dialog.Rate().Value(), 1);  // 44.1 kHz, the loop's rate
    EXPECT_EQ(Entry(dialog.Templates(), 0), "[Default]");
    EXPECT_EQ(Entry(dialog.Templates(), 1), "TEMPL");
    EXPECT_GT(presenter.waitCursors, 0);
    const QValidator& keys = *static_cast<QLineEdit&>(dialog.Name().Widget()).validator();
    const std::pair<const char*, QValidator::State> typed[] = {
        {"loop #1.", QValidator::Acceptable}, {"LOOP_1", QValidator::Invalid}, {"l\xC3\xBCp", QValidator::Invalid}};
    for (const auto& [text, state] : typed) {
        QString input = QString::fromUtf8(text);
        int at = 0;
        EXPECT_EQ(keys.validate(input, at), state) << text;
    }
    EXPECT_EQ(presenter.beeps, 2);

    Press(dialog, dialog.Button(CAKAITransmitDialog::kTransmit));
    EXPECT_TRUE(alerts.Shown(Res::kAlertAKAINoName));
    EXPECT_FALSE(dialog.HasEnded());

    dialog.Name().SetText("loop");
    Choose(dialog.Rate(), 0);  // 22.05 kHz
    Choose(dialog.Templates(), 1);
    dialog.SetAskMIDIFile([&](const std::string& name) { return CFileSpec((folder / name).string()); });
    Press(dialog, dialog.Button(CAKAITransmitDialog::kMIDIAndTransmit));
    ASSERT_TRUE(dialog.HasEnded());
    ASSERT_EQ(rig.sampler.Programs().size(), 2u);
    const CSimulatedAKAISampler::Program built = rig.sampler.Programs()[1];
    EXPECT_EQ(AKAIBlock::ProgramName(built.header), "LOOP        ");
    EXPECT_EQ(built.keygroups.size(), 3u);
    EXPECT_EQ(AKAIBlock::SampleRate(rig.sampler.SampleHeader("LOOP       2")), 22050u);
    EXPECT_EQ(rig.sampler.SampleFrames("LOOP       2").size(), 1502u);  // 3003 frames at half the rate
    const std::vector<std::uint8_t> midi = ReadFileBytes(folder / "LOOP.mid");
    ASSERT_GE(midi.size(), 4u);
    EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");

    rig.sampler.SetAKAIFaults({.errorReplyOperation = 0x0B});
    CAKAITransmitDialog again(s3000, slices, *rig.transfer, nullptr);
    EXPECT_EQ(again.Name().Text(), "LOOP");
    EXPECT_EQ(again.Rate().Value(), 0);
    EXPECT_EQ(again.Templates().Value(), 1);
    again.Name().SetText("other");
    Press(again, again.Button(CAKAITransmitDialog::kTransmit));
    EXPECT_TRUE(alerts.Shown(Res::kAlertOperationRejected));
    EXPECT_FALSE(again.HasEnded());
    EXPECT_EQ(Entry(again.Templates(), 2), "LOOP");

    CAKAIReceiveDialog receive(s3000, *rig.transfer, nullptr);
    EXPECT_EQ(receive.Title(), "Receive from " + s3000.Name());
    EXPECT_EQ(Entry(receive.Samples(), 1), "LOOP       2");
    Choose(receive.Samples(), 1);
    Press(receive, receive.Button(CAKAIReceiveDialog::kReceive));
    ASSERT_TRUE(receive.Received());
    EXPECT_EQ(receive.Received()->format.name, "LOOP       2");
    EXPECT_EQ(receive.Received()->samples, rig.sampler.SampleFrames("LOOP       2"));
}
