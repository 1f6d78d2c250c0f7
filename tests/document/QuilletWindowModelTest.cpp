// A document window's state and commands, without a display.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "document/history/CDocumentSnapshot.h"
#include "document/window/ToolbarValues.h"
#include "framework/files/FileTypes.h"
#include "resources/QuilletCommands.h"
#include "tests/support/KeyEvents.h"
#include "tests/support/WindowFixture.h"

namespace {

class QuilletWindowModelTest : public ::testing::Test, public WindowFixture {
protected:
    const CQuilletWindowModel::MenuItemStatus& Item(std::uint32_t command)
    {
        status = model->MenuStatus();
        for (const auto& item : status)
            if (item.command == command)
                return item;
        throw std::out_of_range("no such menu item");
    }

    std::vector<CQuilletWindowModel::MenuItemStatus> status;
};

TEST_F(QuilletWindowModelTest, TempoFollowsBarsBeatsSignatureAndLocators)
{
    CQuilletWindowModel& window = Window();
    EXPECT_EQ(window.TempoText(), "  0.000 BPM");
    ASSERT_TRUE(window.SetBarsText("2"));
    EXPECT_EQ(window.TempoText(), "240.000 BPM");
    window.SetSignature(4);  // 6/8: 12 eighths over two seconds
    EXPECT_EQ(window.TempoText(), "180.000 BPM");
    ASSERT_TRUE(window.MoveRightLocator(44100));
    EXPECT_EQ(window.TempoText(), "360.000 BPM");
}

TEST_F(QuilletWindowModelTest, SlidersMapOntoSensitivityAndStretch)
{
    CQuilletWindowModel& window = Window();
    window.SetSensitivitySlider(555);
    EXPECT_EQ(window.Settings().sensitivity, 550);
    EXPECT_EQ(window.SensitivityLabel(), "55");
    window.SetStretchSlider(999);
    EXPECT_EQ(window.Settings().stretch, 13);
    EXPECT_EQ(window.StretchLabel(), "100%");
    window.SetStretchSlider(76);
    EXPECT_EQ(window.StretchLabel(), "Off");
    window.SetStretchSlider(77);
    EXPECT_EQ(window.StretchLabel(), "5%");
    for (int index = 0; index < 14; ++index) {
        EXPECT_EQ(StretchIndexFromSlider(SliderFromStretchIndex(index)), index);
        EXPECT_EQ(StretchIndexFromSlider(SliderFromStretchIndex(index) - 1), std::max(index - 1, 0));
    }
}

TEST_F(QuilletWindowModelTest, BarsAndNewTempoFieldsTakeOnlyTheirCharacters)
{
    CQuilletWindowModel& window = Window();
    EXPECT_TRUE(window.SetBarsText("12"));
    EXPECT_FALSE(window.SetBarsText("1a"));
    EXPECT_FALSE(window.SetBarsText("-3"));
    EXPECT_EQ(window.Settings().bars, 12);
    EXPECT_TRUE(window.SetBarsText("99999999999999999999"));
    EXPECT_EQ(window.BarsText(), "666");

    EXPECT_FALSE(window.NewTempoEnabled());
    EXPECT_TRUE(window.SetNewTempoText("98.5"));
    EXPECT_EQ(window.Settings().newTempo, 98500);
    EXPECT_EQ(window.NewTempoText(), "98.500");
    EXPECT_FALSE(window.SetNewTempoText("9x"));
    EXPECT_TRUE(window.SetNewTempoText("0"));
    EXPECT_EQ(window.NewTempoText(), "0.001");
    window.DoCommand(Cmd::kPitchToNewTempo);
    EXPECT_TRUE(window.NewTempoEnabled());
}

TEST_F(QuilletWindowModelTest, SensitivityKeysStepWithinTheRangeAndShowDetectedPoints)
{
    CQuilletWindowModel& window = Window();
    CSlice* weak = window.Slices().Insert(5000);
    weak->level = 1000;  // shown above sensitivity 970 (threshold 1000 and below)
    EXPECT_TRUE(window.HandleKey(MainKey('5')).handled);
    EXPECT_EQ(window.Settings().sensitivity, 550);
    EXPECT_EQ(window.SensitivityLabel(), "55");
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_FALSE(weak->shown);
    window.HandleKey(MainKey('9'));
    window.HandleKey(MainKey('+'));
    EXPECT_EQ(window.Settings().sensitivity, 990);
    EXPECT_TRUE(weak->shown);
    window.HandleKey(MainKey('0'));
    window.HandleKey(MainKey('-'));
    EXPECT_EQ(window.Settings().sensitivity, 0);
    window.HandleKey(MainKey('+'));
    EXPECT_EQ(window.Settings().sensitivity, 10);
}

TEST_F(QuilletWindowModelTest, ViewKeysToggleFollowingZoomAndMoveThePositionToTheLocators)
{
    CQuilletWindowModel& window = Window();
    window.HandleKey(MainKey('F'));
    EXPECT_FALSE(host.scrollDuringPlayback);
    window.HandleKey(MainKey('+', CDocumentKeyMap::kControlModifier));
    EXPECT_EQ(window.Range().Start(), 22050);
    EXPECT_EQ(window.Range().End(), 66150);
    window.HandleKey(MainKey('-', CDocumentKeyMap::kControlModifier));
    EXPECT_EQ(window.Range().Length(), 88200);
    window.Sound().SetLoop(2000, 9000, true);
    window.HandleKey(CodeKey(CDocumentKeyMap::kKeypad2, '2'));
    EXPECT_EQ(window.PlayState().PlayPosition(), 9000);
    window.HandleKey(CodeKey(CDocumentKeyMap::kKeypad1, '1'));
    EXPECT_EQ(window.PlayState().PlayPosition(), 2000);
    window.DoCommand(Cmd::kMagnifyToFitLoop);
    EXPECT_EQ(window.Range().Start(), 2000);
    EXPECT_EQ(window.Range().End(), 9000);
    window.DoCommand(Cmd::kMagnifyToFit);
    EXPECT_EQ(window.Range().Length(), 88200);
}

TEST_F(QuilletWindowModelTest, ArrowKeysWalkTheCountedSlices)
{
    CQuilletWindowModel& window = Window({1000, 3000, 5000});
    const auto right = CodeKey(CDocumentKeyMap::kRightArrow);
    const auto left = CodeKey(CDocumentKeyMap::kLeftArrow);
    window.HandleKey(right);
    EXPECT_EQ(window.PlayState().CurrentSlice(), 0);
    EXPECT_EQ(window.PlayState().PlayPosition(), 1000);
    window.HandleKey(right);
    window.HandleKey(right);
    EXPECT_EQ(window.PlayState().PlayPosition(), 5000);
    window.HandleKey(right);
    EXPECT_EQ(window.PlayState().PlayPosition(), 1000);
    window.HandleKey(left);
    EXPECT_EQ(window.PlayState().CurrentSlice(), CDocumentPlayState::kNoSlice);
    EXPECT_EQ(window.PlayState().PlayPosition(), 0);
    window.HandleKey(left);
    EXPECT_EQ(window.PlayState().CurrentSlice(), 2);
}

TEST_F(QuilletWindowModelTest, MenuFollowsSlicesSamplerAndToggles)
{
    Window();
    EXPECT_TRUE(Item(Cmd::kExportSLX).enabled);
    EXPECT_TRUE(Item(Cmd::kMagnifyToFitLoop).enabled);
    EXPECT_FALSE(Item(Cmd::kSelectAll).enabled);
    EXPECT_FALSE(Item(Cmd::kInvertSelection).enabled);
    EXPECT_FALSE(Item(Cmd::kTransmit).enabled);
    EXPECT_FALSE(Item(Cmd::kTransmitAsOneSample).checked);

    Window({4000});
    EXPECT_TRUE(Item(Cmd::kSelectAll).enabled);
    EXPECT_FALSE(Item(Cmd::kInvertSelection).enabled);
    model->DoCommand(Cmd::kSelectAll);
    EXPECT_TRUE(Item(Cmd::kInvertSelection).enabled);
    host.canTransmit = true;
    EXPECT_TRUE(Item(Cmd::kTransmit).enabled);
    for (const std::uint32_t toggle :
         {Cmd::kPitchToNewTempo, Cmd::kTransmitAsOneSample, Cmd::kNormalize, Cmd::kSilenceSelected}) {
        EXPECT_FALSE(Item(toggle).checked);
        model->DoCommand(toggle);
        EXPECT_TRUE(Item(toggle).checked);
    }
    EXPECT_FALSE(model->Settings().separateSamples);
}

TEST_F(QuilletWindowModelTest, LeftLocatorMovesToTheFirstPointOnYesOrByPreference)
{
    struct Case {
        std::initializer_list<std::uint32_t> points;
        bool always;
        bool answer;
        int questions;
        std::int64_t loopStart;
    };
    const Case cases[] = {{{500, 3000}, false, false, 1, 0}, {{500, 3000}, false, true, 1, 500},
                          {{700}, true, false, 0, 700},      {{0, 700}, true, false, 0, 0},
                          {{}, true, false, 0, 0}};
    for (const Case& c : cases) {
        host.locatorQuestions = 0;
        host.alwaysMoveLeftLocator = c.always;
        host.moveLeftLocatorAnswer = c.answer;
        Window(c.points).FinishOpening();
        EXPECT_EQ(host.locatorQuestions, c.questions) << c.loopStart;
        EXPECT_EQ(model->Sound().LoopStart(), c.loopStart);
        EXPECT_EQ(model->PlayState().PlayPosition(), c.loopStart);
        EXPECT_EQ(model->Title(), "Beat (44.1kHz)");
    }
}

TEST_F(QuilletWindowModelTest, ExportWithoutLoopLengthAsksForBarsFirstExceptForTheSound)
{
    CQuilletWindowModel& window = Window({1000});
    window.DoCommand(Cmd::kExportSound);
    EXPECT_EQ(host.loopLengthQuestions, 0);
    ASSERT_EQ(host.askedFiles.size(), 1u);
    EXPECT_EQ(host.askedFiles[0], CABCQuilletWindowHost::FileKind::kSlices);
    host.askedFiles.clear();

    window.DoCommand(Cmd::kExportGrooveMIDI);
    EXPECT_EQ(host.loopLengthQuestions, 1);
    EXPECT_TRUE(host.askedFiles.empty());

    host.loopLengthAnswer = 3;
    window.DoCommand(Cmd::kExportSLX);
    EXPECT_EQ(window.Settings().bars, 3);
    EXPECT_EQ(host.refreshes, 1);
    ASSERT_EQ(host.askedFiles.size(), 1u);
    EXPECT_EQ(host.askedFiles[0], CABCQuilletWindowHost::FileKind::kSLX);

    window.DoCommand(Cmd::kExportGrooveMIDI);
    EXPECT_EQ(host.loopLengthQuestions, 2);
}

TEST_F(QuilletWindowModelTest, ExportFailuresShowTheirAlerts)
{
    host.fileAnswer = CABCQuilletWindowHost::ChosenFile{CFileSpec("/nonexistent-folder/loop.slx"), &kWaveFileType};
    CQuilletWindowModel& window = Window({1000});
    window.SetBarsText("1");
    window.DoCommand(Cmd::kExportSLX);
    window.DoCommand(Cmd::kExportGrooveMIDI);
    window.DoCommand(Cmd::kExportSound);
    window.DoCommand(Cmd::kSaveAs);
    EXPECT_EQ(host.alerts, (std::vector<ResourceId>{Res::kAlertSLXExportFailed, Res::kAlertMIDIFileFailed,
                                                    Res::kAlertSliceExportFailed, Res::kAlertDocumentSaveFailed}));
    EXPECT_TRUE(host.saved.empty());
}

TEST_F(QuilletWindowModelTest, SaveClearsTheUnsavedMarkAndSavesAgainWithoutAsking)
{
    const auto path = ScratchPath("loop.qlt");
    host.fileAnswer = CABCQuilletWindowHost::ChosenFile{CFileSpec(path.string()), nullptr};
    CQuilletWindowModel& window = Window({1000});
    window.FinishOpening();
    window.SetBeats(2);
    EXPECT_EQ(window.Title(), "Beat (44.1kHz) *");
    window.DoCommand(Cmd::kSave);
    EXPECT_EQ(window.Title(), "Beat (44.1kHz)");
    EXPECT_TRUE(std::filesystem::exists(path));
    window.SetBeats(3);
    window.DoCommand(Cmd::kSave);
    EXPECT_EQ(host.askedFiles.size(), 1u);
    EXPECT_TRUE(host.alerts.empty());
    EXPECT_EQ(host.saved, (std::vector<std::string>{path.string(), path.string()}));
}

TEST_F(QuilletWindowModelTest, TransmitOnlyWithASamplerAndALoopLength)
{
    CQuilletWindowModel& window = Window();
    EXPECT_FALSE(window.DoCommand(Cmd::kTransmit));
    host.canTransmit = true;
    EXPECT_TRUE(window.DoCommand(Cmd::kTransmit));
    EXPECT_EQ(host.transmissions, 0);
    window.SetBeats(1);
    window.DoCommand(Cmd::kTransmit);
    EXPECT_EQ(host.transmissions, 1);
}

TEST_F(QuilletWindowModelTest, PenDrawsAtZeroCrossingsAndOtherToolsDoNot)
{
    CQuilletWindowModel& window = Window();
    window.ClickWaveform(1050, false);
    EXPECT_EQ(window.Slices().Count(), 0);
    window.SetTool(DocumentTool::kPen);
    window.ClickWaveform(1050, false);
    ASSERT_EQ(window.Slices().Count(), 1);
    const std::uint32_t drawn = window.Slices().Entry(0).position;
    EXPECT_TRUE(NextToSignChange(window.Sound(), drawn)) << drawn;
    EXPECT_LE(std::abs(static_cast<int>(drawn) - 1050), 51);
    EXPECT_EQ(window.Slices().Entry(0).state, CSlice::kLocked);
    window.ClickWaveform(2050, true);
    ASSERT_EQ(window.Slices().Count(), 2);
    EXPECT_EQ(window.Slices().Entry(1).position, 2050u);
}

TEST_F(QuilletWindowModelTest, MarkerClicksFollowTheTool)
{
    CQuilletWindowModel& window = Window({1000, 3000});
    window.ClickMarker(0, false);
    EXPECT_TRUE(window.Slices().Entry(0).selected);
    window.SetTool(DocumentTool::kLock);
    window.ClickMarker(1, false);  // locked already: becomes normal, and so not shown at sensitivity 0
    EXPECT_EQ(window.Slices().Entry(1).state, CSlice::kNormal);
    EXPECT_FALSE(window.Slices().Entry(0).selected);
    window.ClickMarker(7, false);
}

TEST_F(QuilletWindowModelTest, LocatorsKeepTheirDistance)
{
    CQuilletWindowModel& window = Window();
    EXPECT_TRUE(window.MoveRightLocator(10000));
    EXPECT_FALSE(window.MoveLeftLocator(9745));
    EXPECT_TRUE(window.MoveLeftLocator(9744));
    EXPECT_FALSE(window.MoveRightLocator(9999));
    EXPECT_EQ(window.Sound().LoopEnd(), 10000);
}

TEST_F(QuilletWindowModelTest, ActivationStoresTheTogglesAsDefaults)
{
    CQuilletWindowModel& window = Window();
    window.SetNormalize(true);
    window.SetStretchSlider(999);
    window.Activated();
    ASSERT_TRUE(host.storedDefaults);
    EXPECT_TRUE(host.storedDefaults->normalize);
    EXPECT_EQ(host.storedDefaults->stretch, 13);
}

}  // namespace

// Every edit is undone to the state before it and redone to the state after.
TEST_F(QuilletWindowModelTest, EveryEditUndoesAndRedoes)
{
    struct Case {
        const char* edit;
        std::function<void(CQuilletWindowModel&)> apply;
    };
    const auto withTool = [](DocumentTool tool, int marker) {
        return [tool, marker](CQuilletWindowModel& w) {
            w.SetTool(tool);
            w.ClickMarker(marker, false);
        };
    };
    const Case cases[] = {
        {"move a point", [](CQuilletWindowModel& w) { w.DragMarker(1, 3400, true); }},
        {"draw a point", [](CQuilletWindowModel& w) { w.SetTool(DocumentTool::kPen); w.ClickWaveform(2000, false); }},
        {"hide a point", withTool(DocumentTool::kHide, 0)},
        {"unlock a point", withTool(DocumentTool::kLock, 2)},
        {"select a point", withTool(DocumentTool::kArrow, 1)},
        {"select a range", [](CQuilletWindowModel& w) { w.SelectMarkers(0, 4000); }},
        {"select all", [](CQuilletWindowModel& w) { w.DoCommand(Cmd::kSelectAll); }},
        {"sensitivity slider", [](CQuilletWindowModel& w) { w.SetSensitivitySlider(700); }},
        {"sensitivity key", [](CQuilletWindowModel& w) { w.HandleKey(MainKey('7')); }},
        {"bars", [](CQuilletWindowModel& w) { w.SetBarsText("4"); }},
        {"beats", [](CQuilletWindowModel& w) { w.SetBeats(3); }},
        {"signature", [](CQuilletWindowModel& w) { w.SetSignature(4); }},
        {"left locator", [](CQuilletWindowModel& w) { w.MoveLeftLocator(2000); }},
        {"right locator", [](CQuilletWindowModel& w) { w.MoveRightLocator(60000); }},
        {"new tempo", [](CQuilletWindowModel& w) { w.SetNewTempoText("97.5"); }},
        {"stretch", [](CQuilletWindowModel& w) { w.SetStretchSlider(500); }},
        {"pitch mode", [](CQuilletWindowModel& w) { w.DoCommand(Cmd::kPitchToNewTempo); }},
        {"one sample", [](CQuilletWindowModel& w) { w.DoCommand(Cmd::kTransmitAsOneSample); }},
        {"normalize", [](CQuilletWindowModel& w) { w.DoCommand(Cmd::kNormalize); }},
        {"silence selected", [](CQuilletWindowModel& w) { w.DoCommand(Cmd::kSilenceSelected); }},
    };
    for (const Case& c : cases) {
        CQuilletWindowModel& window = Window({1000, 3000, 5000});
        window.FinishOpening();
        const CDocumentSnapshot before = CDocumentSnapshot::Of(window.Document());
        EXPECT_FALSE(Item(Cmd::kUndo).enabled) << c.edit;
        c.apply(window);
        const CDocumentSnapshot after = CDocumentSnapshot::Of(window.Document());
        ASSERT_FALSE(after == before) << c.edit << " changed nothing";
        EXPECT_TRUE(Item(Cmd::kUndo).enabled) << c.edit;
        EXPECT_TRUE(window.DoCommand(Cmd::kUndo));
        EXPECT_TRUE(CDocumentSnapshot::Of(window.Document()) == before) << c.edit;
        EXPECT_EQ(window.Title(), "Beat (44.1kHz)") << c.edit;
        EXPECT_TRUE(Item(Cmd::kRedo).enabled) << c.edit;
        window.HandleKey(MainKey('Y', CDocumentKeyMap::kControlModifier));
        EXPECT_TRUE(CDocumentSnapshot::Of(window.Document()) == after) << c.edit;
        EXPECT_FALSE(window.Redo()) << c.edit;
        window.HandleKey(MainKey('Z', CDocumentKeyMap::kControlModifier));
        window.HandleKey(MainKey('Z', CDocumentKeyMap::kControlModifier | CDocumentKeyMap::kShiftModifier));
        EXPECT_TRUE(CDocumentSnapshot::Of(window.Document()) == after) << c.edit;
    }
}

TEST_F(QuilletWindowModelTest, OneGestureIsOneStepAndNewEditsDropTheRedoneSteps)
{
    CQuilletWindowModel& window = Window({1000, 3000, 5000});
    window.FinishOpening();
    window.ClickMarker(1, false);
    for (const std::int64_t frame : {3100, 3200, 3300})
        window.DragMarker(1, frame, true);
    window.EndGesture();
    window.DragMarker(1, 3500, true);
    window.EndGesture();
    window.SetBarsText("1");
    window.SetBarsText("12");
    for (const int slider : {100, 200, 300})
        window.SetSensitivitySlider(slider);
    window.SlidersReleased();
    window.SetSensitivitySlider(400);

    const auto undo = [&window] { return window.Undo(); };
    ASSERT_TRUE(undo());
    EXPECT_EQ(window.Settings().sensitivity, 300);
    ASSERT_TRUE(undo());
    EXPECT_EQ(window.Settings().sensitivity, 0);
    ASSERT_TRUE(undo());
    EXPECT_EQ(window.Settings().bars, 0);
    ASSERT_TRUE(undo());
    EXPECT_EQ(window.Slices().Entry(1).position, 3300u);
    ASSERT_TRUE(undo());
    EXPECT_EQ(window.Slices().Entry(1).position, 3000u);
    EXPECT_FALSE(window.Slices().Entry(1).selected);
    EXPECT_FALSE(undo());

    window.Redo();
    window.SetBeats(2);
    EXPECT_FALSE(window.Redo());
    ASSERT_TRUE(undo());
    ASSERT_TRUE(undo());
    EXPECT_EQ(window.Slices().Entry(1).position, 3000u);
}

TEST_F(QuilletWindowModelTest, SavingKeepsTheHistoryAndTheUnsavedMarkFollowsIt)
{
    const auto path = ScratchPath("history.qlt");
    host.fileAnswer = CABCQuilletWindowHost::ChosenFile{CFileSpec(path.string()), nullptr};
    CQuilletWindowModel& window = Window({1000});
    window.FinishOpening();
    for (int beats = 1; beats <= 7; ++beats)
        window.SetBeats(beats);
    window.DoCommand(Cmd::kSave);
    window.SetSignature(1);
    EXPECT_EQ(window.Title(), "Beat (44.1kHz) *");
    window.Undo();
    EXPECT_EQ(window.Title(), "Beat (44.1kHz)");
    window.Undo();
    EXPECT_EQ(window.Title(), "Beat (44.1kHz) *");
    while (window.Undo()) {
    }
    EXPECT_EQ(window.Settings().beats, 0);
    EXPECT_EQ(window.Title(), "Beat (44.1kHz) *");
    for (int i = 0; i < 7; ++i)
        window.Redo();
    EXPECT_EQ(window.Title(), "Beat (44.1kHz)");
}
