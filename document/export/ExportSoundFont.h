#pragma once
// Writes the loop as a SoundFont 2 bank: every output of the render set,
// at the sound's own rate, becomes a sample on its own key from 36 up in
// one instrument that one preset plays. In pitch mode each sample sounds
// transposed on its key.
#include <string>

class CFileSpec;
class CSliceRenderSet;

inline constexpr int kSoundFontMaxSlices = 92;
inline constexpr const char* kSoundFontComment = "Created by Quillet!";

// Writes the first count outputs (SlicesToExport with kSoundFontMaxSlices).
// False when the user stopped the export. The bank is written through a
// safe save: after a false result or a failure nothing of it exists and an
// old file stays as it was. Failures pass on as exceptions.
bool ExportSoundFont(CSliceRenderSet& renderSet, const CFileSpec& file, const std::string& bankName, int count);
