#pragma once
// A slice kit for software samplers: every slice as a WAV file beside one
// ".sfz" file that maps slice i to key 36 + i (the keys of the groove MIDI
// file) at its recorded pitch, played as a one-shot in one group without
// choking, with the loop's transposition.
#include <cstdint>

class CABCExportFeedback;
class CFileSpec;
class CSliceRenderSet;

// file: the .sfz file; the slices are named after it with a running number
// (" #001.wav") in its folder. At most 92 slices (keys 36 to 127), after the
// user accepted the first 92. False when the user stopped or refused; a
// failure passes on as an exception.
bool ExportSFZKit(CSliceRenderSet& renderSet, const CFileSpec& file, std::uint32_t sampleRate,
                  CABCExportFeedback& feedback);
