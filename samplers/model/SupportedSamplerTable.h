#pragma once
// The supported sampler types in registration order: the order of the Add
// Sampler model list and of every search through the types.
#include <array>

#include "samplers/model/SupportedSamplerConstants.h"

inline constexpr std::size_t kSupportedSamplerCount = 40;
extern const std::array<SupportedSamplerConstants, kSupportedSamplerCount> kSupportedSamplerTable;
