#pragma once
// The loop as one sound file that carries its slicing: the whole sound with
// a marker at every counted slice and the locators as its loop, in WAV or
// AIFF. Opening such a file takes the markers back as locked slice points
// instead of analysing the sound.
#include <string>

class CFileSpec;
class CFileType;
class CLoopDocument;
class CMedia;

// WAV for the WAV type, AIFF otherwise. The old file stays on failure.
void ExportMarkedLoop(const CLoopDocument& document, const CFileSpec& file, const CFileType& type);
// The type for a file name: WAV for ".wav" (any case), AIFF otherwise.
const CFileType& MarkedLoopType(const std::string& path);

// Takes the slice markers of the sound file as locked points, and its loop
// as the locators. False (nothing changes) when the file has no slice marker.
bool RestoreMarkedSlices(CLoopDocument& document, CMedia& stream);
bool RestoreMarkedSlices(CLoopDocument& document, const std::string& path);
