#pragma once
// The simulated samplers of the families asked for, each on a loopback
// cable of its own, added to the MIDI port lists, and, for those reached
// over SCSI, at its ID of the simulated SCSI bus (one is added when none was
// listed). Every one answers on SysEx channel 0 (shown as 1 by the types
// that count from 1):
//   akai      an S3000XL over MIDI and at SCSI ID 2, OS 2.00; an S1000
//             over MIDI, OS 4.40; an S3000 over MIDI, OS 2.00; each
//             holding the tom as sample 0, "TOM";
//   kurzweil  a K2000 over MIDI and at SCSI ID 3, OS 3.87, keeping the
//             programs, keymaps and samples sent to it, holding as sample
//             object 1 the tom the sds sampler holds;
//   yamaha    an A3000 over MIDI and at SCSI ID 4, OS 2.10, holding the tom
//             as its one sample;
//   roland    an S-760 over MIDI holding the tom as sample 0, played on
//             key 36 of the patch "SIM:Drums";
//   emu       an E4X at SCSI ID 5, OS 4.10, speaking SMDI, holding as
//             sample 1 the tom the sds sampler holds;
//   ensoniq   an ASR-10 over MIDI (found only by hand: it answers no scan),
//             its instrument 1 playing the tom as wave sample 1 of layer 1;
//   sds       a sampler taking the MIDI Sample Dump Standard (found only by
//             hand: the standard has no identification), 2 ms turnaround,
//             holding as sample 0 a short tom of 600 frames at 44.1 kHz.
// They answer identification; the transfers are the families' own. The rack
// must go before the port lists and the bus table. The environment's choice
// is SimulatedSamplersFromEnvironment().
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "simulators/SimulatedSamplerFamilies.h"

class CLoopbackCable;
class CMIDIPortLists;
class CSCSIBusTable;
class CSimulatedInstrument;

class CSimulatedSamplerRack {
public:
    CSimulatedSamplerRack();
    ~CSimulatedSamplerRack();
    CSimulatedSamplerRack(const CSimulatedSamplerRack&) = delete;
    CSimulatedSamplerRack& operator=(const CSimulatedSamplerRack&) = delete;

    // Makes the instruments of the families named and puts those reached
    // over MIDI on cables of their own.
    void ConnectMIDI(const std::vector<SamplerFamily>& families, CMIDIPortLists& ports);
    // Puts the instruments reached over SCSI at their IDs of a simulated bus.
    void ConnectSCSI(CSCSIBusTable& buses);

    std::size_t InstrumentCount() const { return fInstruments.size(); }

    // Where an instrument that no search finds listens: its type, the name
    // of its cable (the MIDI In and Out ports) and its SysEx ID.
    struct HandAddedAddress {
        std::uint32_t typeId = 0;
        std::string port;
        std::uint8_t sysexId = 0;
    };
    const std::vector<HandAddedAddress>& HandAddedAddresses() const { return fHandAdded; }

private:
    struct Instrument {
        std::unique_ptr<CSimulatedInstrument> instrument;
        std::optional<std::uint8_t> scsiId;
    };

    void Add(std::unique_ptr<CSimulatedInstrument> instrument, CMIDIPortLists* ports, const char* cable,
             std::optional<std::uint8_t> scsiId);

    std::vector<Instrument> fInstruments;
    std::vector<std::shared_ptr<CLoopbackCable>> fCables;
    std::vector<HandAddedAddress> fHandAdded;
};
