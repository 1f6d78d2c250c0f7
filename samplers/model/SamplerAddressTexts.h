#pragma once
// How the dialogs show a sampler's addresses: SysEx IDs counted from 1 or 0
// as its type says, SCSI buses as "host adapter [bus]".
#include <string>

#include "samplers/model/CABCConnectionDirectory.h"

class CABCSupportedSampler;

std::string SysexIdLabel(const CABCSupportedSampler& type, int sysexId);
std::string SCSIBusLabel(const CABCConnectionDirectory::BusName& bus);
// "7: Host Adapter", "3: "VENDOR PRODUCT"" or "5: Not Ready".
std::string SCSITargetLabel(int id, const CABCConnectionDirectory::SCSITarget& target);
