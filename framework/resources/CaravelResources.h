#pragma once
// Entry ids of the resource scripts. An id is T * 100000000 + R * 1000 + I:
// T = 4 string, 5 alert, 6 menu; R the resource number; I the entry 0..999.
#include <cstdint>

using ResourceId = std::uint32_t;

namespace Res {

// SALR 1000: framework alerts.
inline constexpr ResourceId kAlertNotEnoughMemory = 501000000;  // "Not enough memory to complete operation!"
inline constexpr ResourceId kAlertNoMemoryForWindow = 501000001;
inline constexpr ResourceId kAlertFileNotFound = 501000002;

// SALR 129: common alerts.
inline constexpr ResourceId kAlertOperationRejected = 500129091;
inline constexpr ResourceId kAlertInternalError = 500129094;
inline constexpr ResourceId kAlertSamplerCommunication = 500129095;
inline constexpr ResourceId kAlertSCSICommunication = 500129096;
inline constexpr ResourceId kAlertMIDICommunication = 500129097;

// SALR 132: per-destination transmit alerts.
inline constexpr ResourceId kAlertSamplerOutOfMemory = 500132003;
inline constexpr ResourceId kAlertK2000LeftoverKeymaps = 500132025;
inline constexpr ResourceId kAlertS760PatchDamaged = 500132036;
inline constexpr ResourceId kAlertAKAILeftoverSamples = 500132054;

}  // namespace Res
