#include "document/export/ExportSoundFont.h"

#include <algorithm>

#include "document/export/CSliceExportProgress.h"
#include "document/export/ExportChecks.h"
#include "document/export/TransposedKey.h"
#include "formats/soundfont/CSoundFontBankWriter.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/CSafeSaveFile.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

constexpr int kFirstKey = 36;
constexpr std::size_t kFileNameLength = 255;
constexpr std::uint32_t kPiece = 1024;

}  // namespace

bool ExportSoundFont(CSliceRenderSet& renderSet, const CFileSpec& file, const std::string& bankName, int count) {
    CheckLoopHasLength(renderSet);
    count = std::min({count, renderSet.Count(), kSoundFontMaxSlices});
    if (count <= 0) throw XNothingToExport();
    renderSet.SetTargetRate(0);

    CSafeSaveFile stream(file);
    SoundFontInfo info;
    info.name = file.NameWithExtension().substr(0, kFileNameLength);
    info.comment = kSoundFontComment;
    CSoundFontBankWriter bank(stream, info);
    CSliceExportProgress progress(count, Res::kStringSoundExportCancelled);
    for (int i = 0; i < count; ++i) {
        if (!progress.Continue(i, 0)) return false;
        const std::unique_ptr<WAVE_SAMPLE> slice = renderSet.Render(i);
        const std::uint32_t frames = slice->Frames();
        std::vector<std::int16_t> piece(kPiece);
        for (std::uint32_t done = 0; done < frames;) {
            if (!progress.Continue(i, static_cast<std::uint16_t>(std::uint64_t{done} * 100 / frames))) return false;
            const std::uint32_t length = std::min(kPiece, frames - done);
            slice->Samples().ReadBytes(done * 2, length * 2, piece.data());
            bank.WriteFrames(piece.data(), length);
            done += length;
        }
        const auto key = static_cast<std::uint8_t>(kFirstKey + i);
        const TransposedKey pitch = TransposeKey(key, renderSet.PitchMode(), renderSet.Transposition());
        bank.EndSample(SoundFontSampleName(bankName, i), slice->Rate(), key, pitch.rootKey, pitch.cents);
    }
    bank.Finish(bankName);
    progress.Complete();
    stream.Commit();
    return true;
}
