#pragma once
// Finds samplers on the MIDI ports and SCSI buses and offers them to the
// user: all of them (Find All and the first start), or one of a given type
// (Add Sampler's Find and the search for a sampler that cannot be reached).
// Every search yields at most one sampler per type.
#include <cstdint>
#include <memory>
#include <vector>

#include "resources/CaravelResources.h"
#include "samplers/model/CInstalledSamplerList.h"

class CABCFoundSamplerQuestion;
class CABCSamplerScanner;
class CSupportedSamplerRegistry;

class CSamplerFinder {
public:
    CSamplerFinder(const CSupportedSamplerRegistry& types, CABCSamplerScanner& scanner,
                   CABCFoundSamplerQuestion& question)
        : fTypes(types), fScanner(scanner), fQuestion(question)
    {
    }

    // The samplers that answered, as new installed samplers not yet added:
    // those over MIDI, those over SCSI, and those over both (a SCSI answer
    // paired with each MIDI answer of the same model; alert 83 when the SCSI
    // answer has none).
    CInstalledSamplerList FindSamplers(bool scanMIDI, bool scanSCSI);
    // Searches everywhere and asks about each sampler found that is recent
    // enough; the ones the user takes are added and the last one selected.
    // False (after alert 80 when nothing answered) when none was added.
    bool FindAllSamplers(CInstalledSamplerList& installed);
    // Searches where samplers of the type are connected and asks about each
    // one of that type until the user takes one; alert 81 when none answered.
    std::unique_ptr<CInstalledSampler> FindSamplerOfType(std::uint32_t typeId, ResourceId question,
                                                         const CInstalledSamplerList& installed);

private:
    // The found sampler is recent enough (else its note is shown) and the user takes it.
    bool Offer(CInstalledSampler& found, ResourceId question, const CInstalledSamplerList& installed);

    const CSupportedSamplerRegistry& fTypes;
    CABCSamplerScanner& fScanner;
    CABCFoundSamplerQuestion& fQuestion;
};
