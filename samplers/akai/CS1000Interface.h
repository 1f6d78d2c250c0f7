#pragma once
// The AKAI S1000 and S1100, with 150-byte blocks.
#include "samplers/akai/CABCAKAIInterface.h"

class CS1000Interface final : public CABCAKAIInterface {
public:
    using CABCAKAIInterface::CABCAKAIInterface;

    std::size_t BlockSize() const override { return AKAIBlock::kS1000Size; }
};
