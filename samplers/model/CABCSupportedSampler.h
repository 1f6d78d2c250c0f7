#pragma once
// One supported sampler model: its constants (name, notes, required OS,
// type id, connection kind, abilities, panel picture, SysEx IDs, help) and
// what the program does with a sampler of that model: transmit the slices
// of a document window to it, and verify that it answers.
#include <cstdint>
#include <string>

#include "samplers/model/SupportedSamplerConstants.h"

class CABCTransmitHost;
class CInstalledSampler;

class CABCSupportedSampler {
public:
    explicit CABCSupportedSampler(const SupportedSamplerConstants& constants) : fConstants(constants) {}
    virtual ~CABCSupportedSampler() = default;
    CABCSupportedSampler(const CABCSupportedSampler&) = delete;
    CABCSupportedSampler& operator=(const CABCSupportedSampler&) = delete;

    // Whether this program can transmit to the model: the model can, and
    // its transfer is built.
    virtual bool CanTransmit() const = 0;
    // Whether a sample can be received from a sampler of this model.
    virtual bool CanReceive() const { return false; }
    // Sends the slices of host's document to sampler (nothing when it cannot).
    virtual void Transmit(CInstalledSampler& sampler, CABCTransmitHost& host) const = 0;
    // Whether a sampler of this model answers at sampler's address; on
    // success the version it reports becomes sampler's found OS.
    virtual bool Verify(CInstalledSampler& sampler) const = 0;

    const SupportedSamplerConstants& Constants() const { return fConstants; }
    std::uint32_t TypeId() const { return fConstants.typeId; }
    ConnectionKind Kind() const { return fConstants.kind; }
    const CVersion& RequiredOS() const { return fConstants.requiredOS; }
    // The model's name from the string list.
    std::string Name() const;
    // The notes text, or nothing when the model has none.
    std::string Notes() const;
    bool HasNotes() const;
    // A found version lower than the required one (an unknown one never is).
    bool IsTooOld(const CVersion& found) const;

private:
    SupportedSamplerConstants fConstants;
};
