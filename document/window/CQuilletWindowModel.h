#pragma once
// Everything a document window knows and does, without drawing: the loop
// document (sound, slice list, settings, locators), the tool, the visible
// range and the play state; the meaning of its toolbar controls, keys and
// menu commands; the title and tempo texts; the checks before exports.
// The window shows this state and hands user actions to it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/export/CLoopDocument.h"
#include "document/history/CEditHistory.h"
#include "document/playback/CDocumentPlayState.h"
#include "document/views/CVisibleRange.h"
#include "document/window/CDocumentKeyMap.h"
#include "document/window/DocumentTool.h"

class CABCQuilletWindowHost;
class CWavePlayer;
class CWavePlayerNotifier;

class CQuilletWindowModel {
public:
    struct MenuItemStatus {
        std::uint32_t command;
        bool enabled;
        bool checked;
    };
    struct KeyResult {
        bool handled = false;
        // A play button the key presses: the window shows it pressed, then
        // hands it to Press.
        std::optional<DocumentPlayButton> press;
    };

    CQuilletWindowModel(std::unique_ptr<CLoopDocument> document, CWavePlayer& player,
                        CWavePlayerNotifier& notifier, CABCQuilletWindowHost& host);
    // Stops the playback when this window's sound is the one playing.
    ~CQuilletWindowModel();
    CQuilletWindowModel(const CQuilletWindowModel&) = delete;
    CQuilletWindowModel& operator=(const CQuilletWindowModel&) = delete;

    // Once the window shows: clears the dirty marks and offers to move the
    // left locator onto the first slice point. A sound opened from a sound
    // file starts without unsaved changes.
    void FinishOpening();

    CLoopDocument& Document() { return *fDocument; }
    const CLoopDocument& Document() const { return *fDocument; }
    WAVE_SAMPLE& Sound() { return fDocument->Sound(); }
    const WAVE_SAMPLE& Sound() const { return fDocument->Sound(); }
    CSliceList& Slices() { return fDocument->Slices(); }
    const CSliceList& Slices() const { return fDocument->Slices(); }
    const CSlicingSettings& Settings() const { return fDocument->Settings(); }
    CVisibleRange& Range() { return fRange; }
    const CVisibleRange& Range() const { return fRange; }
    CDocumentPlayState& PlayState() { return fPlayState; }
    const CDocumentPlayState& PlayState() const { return fPlayState; }

    DocumentTool Tool() const { return fTool; }
    void SetTool(DocumentTool tool) { fTool = tool; }

    // The toolbar's controls.
    void SetStretchSlider(int value);
    int StretchSlider() const;
    std::string StretchLabel() const;
    void SetSensitivitySlider(int value);
    // Held to 0..990 and rounded down to a multiple of 10; re-applies the threshold.
    void SetSensitivity(int sensitivity);
    int SensitivitySlider() const;
    std::string SensitivityLabel() const;
    // False (nothing changes) for an entry that is not digits.
    bool SetBarsText(std::string_view text);
    std::string BarsText() const;
    void SetBeats(int beats);
    void SetSignature(int index);
    // False (nothing changes) for an entry that is not a tempo.
    bool SetNewTempoText(std::string_view text);
    std::string NewTempoText() const;
    bool NewTempoEnabled() const { return Settings().pitchMode; }
    void SetPitchMode(bool on);
    void SetNormalize(bool on);
    void SetSilenceSelected(bool on);
    void SetTransmitAsOneSample(bool on);
    bool TransmitAsOneSample() const { return !Settings().separateSamples; }

    // The loop's tempo in thousandths of a BPM, and as the display shows it.
    std::int32_t Tempo() const { return fDocument->Tempo(); }
    std::string TempoText() const;
    // "Name (44.1kHz)", with " *" while there are unsaved changes.
    std::string Title() const;

    bool PlayButtonsEnabled() const;
    bool IsPlayButtonPressed(DocumentPlayButton button) const;
    void Press(DocumentPlayButton button);

    KeyResult HandleKey(const CKeyEvent& event);
    // The window's menu commands; false for a command it does not take.
    bool DoCommand(std::uint32_t command);
    std::vector<MenuItemStatus> MenuStatus() const;
    // Before MIDI and SLX export and Transmit: bars or beats above 0, else
    // the bars asked for. False when the user gave none.
    bool CheckLoopLength();

    // The mouse in the waveform: the Pen draws a point (at the zero crossing
    // unless Alt is held), the other tools play the slice under the click.
    void ClickWaveform(std::int64_t frame, bool alt);
    // The mouse on a marker (an index into the slice list), per tool.
    void ClickMarker(int index, bool shift);
    // A rectangle dragged over the markers selects the visible points in it.
    void SelectMarkers(std::int64_t from, std::int64_t to);
    // Dragging a marker with the Arrow tool; answers the point's new position.
    std::int64_t DragMarker(int index, std::int64_t frame, bool alt);
    // Locators keep their distance and stay inside the sound (as a click on
    // the ruler moves them); false (nothing moves) otherwise.
    bool MoveLeftLocator(std::int64_t frame);
    bool MoveRightLocator(std::int64_t frame);

    // Every edit above is a step of the document's history (the edits of one
    // drag or of typing into one field are one step until the gesture ends).
    // False when there is nothing to undo or redo.
    bool Undo();
    bool Redo();
    void EndGesture() { fHistory.EndGesture(); }
    // The Stretch and Sensitivity sliders are let go.
    void SlidersReleased();

    // The window became the front one: new documents take its toggles and stretch.
    void Activated();

private:
    CSlicingSettings& MutableSettings() { return fDocument->Settings(); }
    void ApplyKeyAction(const DocumentKeyAction& action);
    void SelectPreviousSlice();
    void SelectNextSlice();
    void MakeCurrent(int slice);
    void Save(bool askForFile);
    void ChangeSensitivity(int sensitivity);
    // Records the edit just made in the history.
    void Edited(const char* gesture = "");
    // After undo or redo: the current slice must still be a counted one.
    void DropStaleCurrentSlice();
    void Export(std::uint32_t command);
    // The whole loop as one WAV or AIFF file with its slices as markers.
    void ExportMarked();

    std::unique_ptr<CLoopDocument> fDocument;
    CWavePlayer& fPlayer;
    CABCQuilletWindowHost& fHost;
    CDocumentPlayState fPlayState;
    CVisibleRange fRange;
    DocumentTool fTool = DocumentTool::kArrow;
    CEditHistory fHistory;
};
