#pragma once
// The sampler a transmit or receive command talks to. SAMPLER is a type
// name of `quillet-cli samplers` or the name of a sampler installed in the
// window program's preferences. A type is found on the MIDI ports and SCSI
// buses as Find Samplers finds it (with the stand-ins and simulated
// samplers the environment names; a simulated sampler that no search finds
// is reached where it listens), unless --midi-in and --midi-out or --scsi
// say where it is; --sysex-id replaces its SysEx ID.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliDeviceLists.h"
#include "samplers/devices/CSamplerDevices.h"
#include "samplers/model/CSupportedSamplerRegistry.h"

namespace CLI {
class App;
}

class CABCSamplerTransfer;
class CInstalledSampler;

class CliSampler {
public:
    CliSampler();
    ~CliSampler();

    // `nameOption` is "--to" or "--from".
    void Define(CLI::App& command, const std::string& nameOption);
    // CliUsageError for addresses that do not go together.
    void Check() const;
    // Lists the devices and finds the sampler: CliUsageError for a name that
    // names nothing or a type without transfers; a CliSamplerNotFound when
    // none of the type answers.
    void Connect(const std::string& prefix);
    const CInstalledSampler& Sampler() const { return *sampler_; }
    // The family's transfers on the sampler's ports (alert 46 or 47 and
    // XFailedOpeningMIDIPort when a port will not open).
    std::unique_ptr<CABCSamplerTransfer> OpenTransfer() const;

private:
    std::unique_ptr<CInstalledSampler> Named() const;
    void Place(CInstalledSampler& sampler) const;
    bool Search(CInstalledSampler& sampler);

    std::string name_;
    std::string midiIn_;
    std::string midiOut_;
    std::string scsi_;
    int sysexId_ = -1;
    CliDeviceLists lists_;
    CSamplerDevices devices_{lists_.ports, lists_.buses};
    CSupportedSamplerRegistry types_{devices_.Identification()};
    std::unique_ptr<CInstalledSampler> sampler_;
};

// No sampler of the type answered (exit status 1, not a usage error).
class CliSamplerNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
