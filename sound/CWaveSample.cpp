#include "sound/CWaveSample.h"

#include <new>

#include "framework/exceptions/GeneralExceptions.h"
#include "sound/SoundName.h"
#include "sound/WAVE_SAMPLE.h"

CWaveSample::CWaveSample(const char* name, std::uint32_t rate, std::uint32_t frames)
    : rate_(rate), frames_(frames)
{
    SetName(name);
    try {
        samples_ = std::make_unique<CMemoryMedia>(std::int64_t{frames} * 2 + kSpareBytes);
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}

CWaveSample::~CWaveSample() = default;

void CWaveSample::SetName(const char* name)
{
    CopySoundName(name_, name);
}

std::unique_ptr<WAVE_SAMPLE> CWaveSample::MakeDocumentSound() const
{
    try {
        return std::make_unique<WAVE_SAMPLE>(Name(), rate_, frames_, Data());
    } catch (const std::bad_alloc&) {
        throw XOutOfMemory();
    }
}
