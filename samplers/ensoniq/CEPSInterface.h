#pragma once
// The Ensoniq EPS: 13-bit sample words.
#include "samplers/ensoniq/CABCEnsoniqInterface.h"

class CEPSInterface : public CABCEnsoniqInterface {
public:
    using CABCEnsoniqInterface::CABCEnsoniqInterface;
    std::uint8_t SampleBits() const override { return 13; }
};
