#pragma once
// The maker family a supported type belongs to, and how it is reached, as
// short keys: the families are those the simulated samplers are asked for by
// ("akai", "emu", "ensoniq", "kurzweil", "roland", "yamaha"; "pseudo" for the
// pseudo-samplers; "sds" for any sampler taking the MIDI Sample Dump
// Standard), the transports "midi", "scsi", "midi+scsi", "file" and
// "window".
#include <cstdint>

struct SupportedSamplerConstants;

// "MIDI Sample Dump Standard via MIDI".
inline constexpr std::uint32_t kSDSTypeId = 7000;

const char* SamplerFamilyKey(std::uint32_t typeId);
const char* SamplerTransportKey(const SupportedSamplerConstants& type);
// Whether the program talks to samplers of the type over a transfer
// protocol (samplers/devices/OpenSamplerTransfer makes it): every hardware
// family; the pseudo-samplers write files or windows instead.
bool HasTransferProtocol(std::uint32_t typeId);
