#pragma once
// The SMDI transmitter that announces the sample with the extended header,
// root key and key range included.
#include "samplers/smdi/CSMDITransmitter.h"

class CSMDIExtendedTransmitter : public CSMDITransmitter {
public:
    using CSMDITransmitter::CSMDITransmitter;

protected:
    std::unique_ptr<CSMDISampleHeader> MakeHeader() const override;
};
