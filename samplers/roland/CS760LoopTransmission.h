#pragma once
// One transmission of a sliced loop to the S-760: one sample and one
// partial per slice and a patch that maps consecutive keys to the
// partials, built on a template patch of the sampler (its first used key
// gives the base key, that key's partial the partial settings) or on
// defaults. A patch of the same name is replaced with its partials and
// samples when the user agrees; the room for patches, partials and samples
// and the names of the slices are checked before anything is sent.
#include <cstdint>
#include <string>
#include <vector>

#include "samplers/roland/CS760FileList.h"
#include "samplers/roland/S760Blocks.h"

class CLengthyOperation;
class CS760MIDIInterface;
class CSliceRenderSet;
class WAVE_SAMPLE;

class CS760LoopTransmission {
public:
    // Everything the sampler holds, as the transmission keeps track of it.
    static constexpr std::uint16_t kListCapacity = 960;
    static constexpr int kDefaultBaseKey = 36;
    static constexpr std::size_t kChunkFrames = 8192;
    // Partial numbers a key can name: FF stands for none.
    static constexpr std::uint32_t kUsablePartials = 255;

    struct Result {
        std::string patchName;
        std::uint16_t patch = 0;
        int baseKey = kDefaultBaseKey;
        int slices = 0;
        std::vector<std::uint16_t> samples;  // the numbers of the samples sent
    };

    CS760LoopTransmission(CS760MIDIInterface& sampler, CLengthyOperation& progress);

    // Sends `slices` (rendered at the rate they are to have) as the patch
    // `patchName` (in patch name form) on the template patch named
    // `templateName` (none when empty). A refusal by the user raises
    // XSampleTransmitCancelled; a failure after the first slice still
    // writes the patch of the slices sent, shows alert 37 and passes on.
    Result Run(const CSliceRenderSet& slices, const std::string& patchName, const std::string& templateName);

    // The patch name a document of that name gets: printable ASCII only
    // ("New Patch" when nothing is left), in patch name form.
    static std::string DefaultPatchName(const std::string& documentName);

private:
    // The template patch and its first used key's partial; false when the
    // sampler has no such patch or would not give it.
    bool ReadTemplate(const std::string& templateName);
    // The template, or the defaults (when there is none, or the user takes
    // them after the template could not be read); its keys cleared.
    void RetrieveTemplate(const std::string& templateName);
    void ReplaceExisting(const std::string& patchName);
    void CheckRoom(int count) const;
    void CheckNames(const std::string& patchName, int count) const;
    // The number of the sample sent.
    std::uint16_t SendSlice(const WAVE_SAMPLE& sound, const std::string& name, int index, int count);
    std::uint16_t WritePatch(const std::string& patchName, const CSliceRenderSet& slices);
    void DeletePatch(std::uint16_t patch);
    void StopIfAsked();

    CS760MIDIInterface& fSampler;
    CLengthyOperation& fProgress;
    CS760FileList fList{kListCapacity};
    S760::Patch fPatch;
    S760::Partial fPartial;
    S760::KeyEntry fKey;
    int fBaseKey = kDefaultBaseKey;
};
