#pragma once
// A card that plays nothing: its channel renders at the real rate and the
// frames are discarded. Listed only when asked for.
#include "devices/sound/CRegisteredSoundCard.h"

class CRegisteredNullSoundCard final : public CRegisteredSoundCard {
public:
    static constexpr const char* kKind = "Null";

    CRegisteredNullSoundCard();

protected:
    std::unique_ptr<CSoundOutput> OpenOutput(std::uint32_t rate, std::uint16_t channels) override;
};
