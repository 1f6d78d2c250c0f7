#pragma once
// The Ensoniq EPS-16+ and ASR-10: 16-bit sample words.
#include "samplers/ensoniq/CABCEnsoniqInterface.h"

class CEPS16Interface : public CABCEnsoniqInterface {
public:
    using CABCEnsoniqInterface::CABCEnsoniqInterface;
    std::uint8_t SampleBits() const override { return 16; }
};
