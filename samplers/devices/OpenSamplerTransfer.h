#pragma once
// The transfer protocol of an installed sampler's family, opened on its
// connection.
#include <memory>

class CABCSamplerTransfer;
class CInstalledSampler;
class CMIDIPortLists;
class CSCSIBusTable;

// The family's transfers on sampler's ports or bus, open while the answer
// lives; nullptr when the program has no transfer protocol for the family
// (HasTransferProtocol). A MIDI port that will not open shows alert 46 or
// 47 and raises XFailedOpeningMIDIPort.
std::unique_ptr<CABCSamplerTransfer> OpenSamplerTransfer(const CInstalledSampler& sampler, const CMIDIPortLists& ports,
                                                         const CSCSIBusTable& buses);
