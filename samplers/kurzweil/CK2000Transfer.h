#pragma once
// Transfers with a K2000 or K2500: a loop goes out as one sample object per
// slice, one keymap that maps consecutive keys from a base key to them, and
// one program at the program ID asked for, built on a template program in
// the instrument (or on defaults). An existing program at that ID is
// replaced with its first keymap and that keymap's samples, after the user
// agrees. When a transmission fails or is stopped, what it created is
// deleted again. A sample is received by its sample object ID.
#include <cstdint>
#include <memory>
#include <optional>

#include "devices/scsi/SCSIDevice.h"
#include "samplers/kurzweil/CK2000Keymap.h"
#include "samplers/kurzweil/CK2000Program.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

class CK2000CreatedObjects;
class CK2000Interface;
class CSamplerMIDIConnection;
class WAVE_SAMPLE;

class CK2000Transfer : public CABCSamplerTransfer {
public:
    static constexpr int kKeys = 128;
    static constexpr int kDefaultBaseKey = 36;
    static constexpr std::int16_t kTemplateTuning = 2400;
    static constexpr int kRootKey = 60;
    static constexpr std::uint16_t kNoProgram = 65535;
    static constexpr const char* kDefaultName = "New Program";
    // The key entry a template without samples gives: tuning 2400, sample 1.
    static constexpr CK2000Keymap::Entry kDefaultEntry{kTemplateTuning, 0, 0, 1};
    // What a program name may hold: blank and "!" to "z".
    static std::string ProgramNameCharacters();
    // The program ID a text holds: digits below 65535; none otherwise.
    static std::optional<std::uint16_t> ProgramIdIn(const std::string& text);

    // `scsi` for the MIDI+SCSI types, whose samples go by SMDI.
    CK2000Transfer(std::unique_ptr<CSamplerMIDIConnection> connection, std::optional<SCSIDevice> scsi);
    ~CK2000Transfer() override;

    int SliceLimit() const override { return kKeys - kDefaultBaseKey; }
    std::uint32_t FirstSampleNumber() const override { return 1; }
    std::uint32_t LastSampleNumber() const override;
    // The program name, its ID (-1: where the instrument puts a new one) and
    // the template's program ID as digits (empty: no template; 65535 or no
    // number: asks whether to go on with defaults) come from `request`.
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    std::string TransmitReport() const override { return fReport; }
    // The name of the program at `id` of the instrument on `sysexId`; none
    // when there is none there.
    std::optional<std::string> ProgramName(std::uint8_t sysexId, std::uint16_t id);
    // XInternalError for a sample ID outside 1 … 1000.
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;

private:
    // What the new program is built on.
    struct Template {
        CK2000Program program;
        CK2000Keymap::Entry entry;
        int baseKey = kDefaultBaseKey;
        std::optional<std::uint16_t> keymap;  // the template's first keymap
    };

    CK2000Interface MakeInterface(std::uint8_t device);
    Template Defaults(std::uint16_t destination, const std::string& name) const;
    // The template the request names, or the defaults when the user agrees
    // to them (XSampleTransmitCancelled when not).
    Template RetrieveTemplate(CK2000Interface& sampler, const std::string& templateId, std::uint16_t destination,
                              const std::string& name, CLengthyOperation& progress) const;
    Template ReadTemplate(CK2000Interface& sampler, std::uint16_t id, CLengthyOperation& progress) const;
    // Deletes the program at `id`, its first keymap and that keymap's samples.
    void DeleteProgram(CK2000Interface& sampler, std::uint16_t id, CLengthyOperation& progress) const;
    // Sends one slice as a new sample object of the bank; its ID.
    std::uint16_t SendSlice(CK2000Interface& sampler, const WAVE_SAMPLE& sound, const std::string& name,
                            std::uint16_t bank, CK2000CreatedObjects& created, CLengthyOperation& progress,
                            std::int32_t left) const;
    void Build(CK2000Interface& sampler, const CSliceRenderSet& slices, int count, const std::string& name,
               std::uint16_t destination, const Template& base, CLengthyOperation& progress);

    std::unique_ptr<CSamplerMIDIConnection> fConnection;
    std::optional<SCSIDevice> fSCSI;
    std::string fReport;
};
