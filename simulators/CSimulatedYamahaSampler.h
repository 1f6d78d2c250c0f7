#pragma once
// A simulated A3000 on its device number: it answers identification, and
// keeps samples (parameter record and 16-bit frames) and sample banks in the
// order they came, listed in its object list. It answers dump requests for
// the object list, a sample's parameters, a bank and a sample's wave data
// (sent as a stream, a block at a time), and stores the dumps the program
// sends when their head, blocks and checksums are right and the wave data
// match their record. For 5 seconds after it stored something it is busy
// and ignores requests. With Bulk Protect on it ignores every dump sent to
// it. On the SCSI bus it takes and sends samples by SMDI, numbered from 1 in
// the order of its object list; a sample taken so gets the texts of a wave
// stored over SCSI in its record. Faults a test asks for meet the next
// message they concern.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "samplers/yamaha/CA3000ObjectList.h"
#include "samplers/yamaha/CA3000SampleBank.h"
#include "samplers/yamaha/CA3000SampleParameters.h"
#include "simulators/CSimulatedIdentitySampler.h"
#include "simulators/CSimulatedSMDITarget.h"
#include "simulators/FaultSchedule.h"

class CSimulatedYamahaSampler : public CSimulatedIdentitySampler {
public:
    static constexpr std::int64_t kBusyTime = 5000;
    // Milliseconds between the blocks of wave data it sends.
    static constexpr std::int64_t kBlockInterval = 2;
    static constexpr std::size_t kBlockFrames = 1024;
    // What a record taken over SCSI holds in its wave texts.
    static constexpr const char* kSCSIWaveTexts = "SCSI";

    enum class Fault {
        kSilent,           // a request is not answered
        kBadChecksum,      // a dump it sends has a wrong checksum in its first block
        kBadHead,          // a dump it sends lacks the signature
        kOtherName,        // a dump it sends names another object
        kLongBlock,        // the first block of wave data carries one frame more than counted for
        kStopWaveData,     // wave data stop after the parameter record
        kLoseDump,         // a dump from the program is dropped
    };

    struct Sample {
        CA3000SampleParameters parameters;
        std::vector<std::int16_t> frames;
    };

    CSimulatedYamahaSampler(std::uint8_t device, std::array<std::uint8_t, 4> version);
    ~CSimulatedYamahaSampler() override;
    CSimulatedYamahaSampler(const CSimulatedYamahaSampler&) = delete;
    CSimulatedYamahaSampler& operator=(const CSimulatedYamahaSampler&) = delete;

    void SetBulkProtect(bool on) { fBulkProtect = on; }
    void InjectFault(Fault fault, int after = 0) { fFaults.Arm(fault, after); }

    // A sample of these frames, its record describing them.
    static Sample MakeSample(const std::string& name, std::uint32_t rate, std::vector<std::int16_t> frames);
    void Store(Sample sample);
    void Store(CA3000SampleBank bank);
    const Sample* FindSample(const std::string& name) const;
    const CA3000SampleBank* FindBank(const std::string& name) const;
    const CA3000ObjectList& ObjectList() const { return fList; }

protected:
    void OnSysex(const std::vector<std::uint8_t>& message) override;
    SCSIResult OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                             std::uint32_t length, std::uint32_t& moved) override;

private:

    // The SMDI store holds the samples under their numbers.
    void ShowSamplesToSMDI();
    // Samples the SMDI store took become samples of the sampler.
    void TakeSMDISamples();
    void AnswerRequest(const std::string& type, const std::string& name);
    // Under the name `named`.
    void SendWaveData(const Sample& sample, const std::string& named);
    void TakeDump(const std::vector<std::uint8_t>& message);
    void Stored(std::uint32_t kind, const std::string& name);
    // The dump with the faults armed for dumps applied.
    std::vector<std::uint8_t> Spoil(std::vector<std::uint8_t> dump);

    std::uint8_t fDevice;
    CA3000ObjectList fList;
    std::vector<Sample> fSamples;
    std::vector<CA3000SampleBank> fBanks;
    FaultSchedule<Fault> fFaults;
    bool fBulkProtect = false;
    std::int64_t fBusyUntil = 0;
    CSimulatedSMDITarget fSMDI{1, 999};
    bool fSMDIStale = true;
};
