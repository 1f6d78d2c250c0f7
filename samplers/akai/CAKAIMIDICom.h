#pragma once
// An AKAI sampler on its MIDI ports; no reply in time raises XSysexTimedOut.
#include <memory>

#include "samplers/akai/CABCAKAICom.h"

class CSamplerMIDIConnection;

class CAKAIMIDICom : public CABCAKAICom {
public:
    CAKAIMIDICom(std::unique_ptr<CSamplerMIDIConnection> connection, std::uint8_t channel);
    ~CAKAIMIDICom() override;

    CSysexMIDIInput& Parser() override;
    CMIDIOutput& Output() override;
    [[noreturn]] void RaiseTimeOut() const override;

private:
    std::unique_ptr<CSamplerMIDIConnection> fConnection;
};
