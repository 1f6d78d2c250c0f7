#pragma once
// Writes the groove MIDI file of a loop: one note per output of the render
// set from key 36 up, at the slice's place in the loop.
#include <optional>

#include "formats/midi/CGrooveMIDIFile.h"

class CABCExportFeedback;
class CFileSpec;
class CSliceRenderSet;

// False when there were more notes than keys and the user declined to write
// only the first ones; no file is written then. Failures pass on as
// exceptions and leave an existing file as it was; a loop without frames
// raises XBadFormat. With noteCount only that many notes at most: those of
// the slices an export wrote beside the file.
bool ExportGrooveMIDI(CSliceRenderSet& renderSet, const CFileSpec& file, CABCExportFeedback& feedback,
                      std::optional<int> noteCount = std::nullopt);

// The groove of outputs 0..count-1 of the render set: the time signature,
// tempo and loop length, and each output's place in the loop.
CGrooveMIDIFile GrooveOf(const CSliceRenderSet& renderSet, int count);
