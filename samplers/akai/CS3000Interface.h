#pragma once
// The AKAI S3000 family (S2000, S2800, S3000, S3200, CD3000 and their XL models), with 192-byte blocks.
#include "samplers/akai/CABCAKAIInterface.h"

class CS3000Interface final : public CABCAKAIInterface {
public:
    using CABCAKAIInterface::CABCAKAIInterface;

    std::size_t BlockSize() const override { return AKAIBlock::kS3000Size; }
};
