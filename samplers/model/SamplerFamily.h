#pragma once
// The maker family a supported type belongs to, and how it is reached, as
// short keys: the families are those the simulated samplers are asked for by
// ("akai", "emu", "ensoniq", "kurzweil", "roland", "yamaha"; "pseudo" for the
// pseudo-samplers), the transports "midi", "scsi", "midi+scsi", "file" and
// "window".
#include <cstdint>

struct SupportedSamplerConstants;

const char* SamplerFamilyKey(std::uint32_t typeId);
const char* SamplerTransportKey(const SupportedSamplerConstants& type);
