#pragma once
// Every file type the program knows: the framework's seven and the program's own.
#include "framework/files/CFileType.h"
#include "framework/files/CFileTypeList.h"

extern const CFileType kTextFileType;
extern const CFileType kBMPFileType;
extern const CFileType kJPEGFileType;
extern const CFileType kWaveFileType;
extern const CFileType kAIFFFileType;
extern const CFileType kMIDIFileType;
extern const CFileType kBinaryFileType;
extern const CFileType kQuilletDocumentFileType;
extern const CFileType kSLXFileType;
extern const CFileType kPreferencesFileType;
extern const CFileType kSoundFontFileType;
extern const CFileType kSampleCellFileType;
extern const CFileType kMixmanTrackFileType;
extern const CFileType kSFZFileType;

// All of the above, in the order listed.
const CFileTypeList& AllFileTypes();
