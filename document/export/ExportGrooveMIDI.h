#pragma once
// Writes the groove MIDI file of a loop: one note per output of the render
// set from key 36 up, at the slice's place in the loop.
class CABCExportFeedback;
class CFileSpec;
class CSliceRenderSet;

// False when there were more notes than keys and the user declined to write
// only the first ones; no file is written then. Failures pass on as
// exceptions and leave an existing file as it was; a loop without frames
// raises XBadFormat.
bool ExportGrooveMIDI(CSliceRenderSet& renderSet, const CFileSpec& file, CABCExportFeedback& feedback);
