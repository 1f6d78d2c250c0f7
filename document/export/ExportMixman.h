#pragma once
// Writes the loop as a Mixman track file: its groove as the embedded note
// track (slice i on key i) and every output of the render set at 44100 Hz.
#include <cstdint>
#include <string>

class CFileSpec;
class CSliceRenderSet;

// Writes the first count outputs (SlicesToExport with
// MixmanTrack::kMaxSamples); newTempo in thousandths of a BPM (120 BPM when
// 0 or less). False when the user stopped the export. The file is written
// through a safe save: after a false result or a failure nothing of it
// exists and an old file stays as it was. Failures pass on as exceptions.
bool ExportMixman(CSliceRenderSet& renderSet, const CFileSpec& file, const std::string& trackName,
                  std::int32_t newTempo, int count);
