#include "framework/files/FileTypes.h"

const CFileType kTextFileType("Text File", ".txt;.doc", "TEXT");
const CFileType kBMPFileType("BMP Bitmap", ".bmp", "BMP ");
const CFileType kJPEGFileType("JPEG Bitmap", ".jpeg;.jpg", "JPEG");
const CFileType kWaveFileType("Wave File", ".wav;.wave", "WAVE");
const CFileType kAIFFFileType("Audio IFF", ".aif;.aiff", "AIFF");
const CFileType kMIDIFileType("Standard MIDI File", ".mid;.midi", "Midi");
const CFileType kBinaryFileType("Undefined Binary", ".bin", "BINA");
const CFileType kQuilletDocumentFileType("Quillet! Document File", ".qlt", "QLSO");
const CFileType kSLXFileType("SLX File", ".slx", "SLX ");
const CFileType kPreferencesFileType("Quillet Preference File", ".prf", "QLTP");
const CFileType kSoundFontFileType("SoundFont", ".sf2", "SFnt");
const CFileType kSampleCellFileType("SampleCell instrument file", ".ins", "SCin");
const CFileType kMixmanTrackFileType("Mixman Track File", ".trk", ".TRK");
const CFileType kSFZFileType("SFZ Instrument", ".sfz", "SFZ ");

const CFileTypeList& AllFileTypes()
{
    static const CFileTypeList all = {
        &kTextFileType, &kBMPFileType, &kJPEGFileType, &kWaveFileType, &kAIFFFileType,
        &kMIDIFileType, &kBinaryFileType, &kQuilletDocumentFileType, &kSLXFileType,
        &kPreferencesFileType, &kSoundFontFileType, &kSampleCellFileType, &kMixmanTrackFileType, &kSFZFileType,
    };
    return all;
}
