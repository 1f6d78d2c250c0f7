#pragma once
// The base of every simulated sampler. It sits at the far end of a loopback
// MIDI cable, or at an ID of the simulated SCSI bus, or both. Complete
// system-exclusive messages from the program reach OnSysex; command blocks
// reach OnSCSICommand. Replies are scheduled on the program's clock, so they
// come in virtual time in tests and in real time in the programs. Everything
// received and sent is kept in a trace.
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "devices/midi/CABCMIDIByteSink.h"
#include "devices/midi/CLoopbackCable.h"
#include "devices/midi/CSysexExtractor.h"
#include "devices/scsi/CABCSimulatedSCSITarget.h"
#include "devices/scsi/CSimulatedSCSIBus.h"
#include "framework/time/CEventQueue.h"
#include "simulators/CInstrumentTrace.h"

class CClock;

// What the instrument answers to INQUIRY.
struct SimulatedIdentity {
    std::string vendor;    // at most 8 characters
    std::string product;   // at most 16
    std::string revision;  // at most 4
    std::uint8_t peripheralType = 0x03;  // processor
};

class CSimulatedInstrument : private CABCMIDIByteSink, private CABCSimulatedSCSITarget {
public:
    static constexpr std::uint8_t kOpTestUnitReady = 0x00;
    static constexpr std::uint8_t kOpInquiry = 0x12;
    // Milliseconds an instrument takes before it answers a request.
    static constexpr std::int64_t kAnswerDelay = 5;

    explicit CSimulatedInstrument(SimulatedIdentity identity);
    // Leaves the cable and the bus, and drops the replies not yet sent.
    virtual ~CSimulatedInstrument();
    CSimulatedInstrument(const CSimulatedInstrument&) = delete;
    CSimulatedInstrument& operator=(const CSimulatedInstrument&) = delete;

    void ConnectMIDI(std::shared_ptr<CLoopbackCable> cable);
    void ConnectSCSI(CSimulatedSCSIBus& bus, std::uint8_t id);

    // Sends `message` to the program `delay` milliseconds from now.
    void SendSysex(std::vector<std::uint8_t> message, std::int64_t delay = 0);

    const SimulatedIdentity& Identity() const { return fIdentity; }
    const CInstrumentTrace& Trace() const { return fTrace; }

protected:
    // A complete message from the program; the base ignores it.
    virtual void OnSysex(const std::vector<std::uint8_t>& message);
    // Where a message sent by SendSysex goes when its time comes: the base
    // puts it on the cable.
    virtual void DeliverToProgram(const std::vector<std::uint8_t>& message);
    // One command from the program, answered as a target does (see
    // CABCSimulatedSCSITarget::Answer). The base answers TEST UNIT READY and
    // INQUIRY, and refuses every other command as an illegal request.
    virtual SCSIResult OnSCSICommand(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                                     std::uint32_t length, std::uint32_t& moved);
    // What INQUIRY answers from now on.
    void SetIdentity(SimulatedIdentity identity) { fIdentity = std::move(identity); }
    // Leaves the cable and the bus; an instrument whose hooks use its own
    // members calls this first in its destructor, as the hooks may otherwise
    // run on the clock's event thread while it is being destroyed.
    void Disconnect();

private:
    void ReceiveBytes(const std::uint8_t* bytes, std::size_t count) override;
    SCSIResult Answer(const SCSICommandBlock& command, SCSIDirection direction, std::uint8_t* data,
                      std::uint32_t length, std::uint32_t& moved) override;

    SimulatedIdentity fIdentity;
    CClock& fClock;
    CInstrumentTrace fTrace;
    CSysexExtractor fExtractor;
    std::shared_ptr<CLoopbackCable> fCable;
    CSimulatedSCSIBus* fBus = nullptr;
    std::uint8_t fSCSIId = 0;
    std::mutex fPendingMutex;
    std::set<ClockEventId> fPending;
};
