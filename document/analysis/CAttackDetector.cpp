#include "document/analysis/CAttackDetector.h"

#include <algorithm>

#include "document/buffer/BAT.h"

namespace {

constexpr std::int16_t kInitialLevel = 100;
constexpr std::int16_t kWindow = 300;
constexpr std::int16_t kExtension = 200;
constexpr std::int32_t kDecay = 32552;
constexpr std::uint32_t kBackSearchLimit = 500;
constexpr std::int16_t kQuietSample = 1023;

// Absolute value in 16 bits: -32768 stays -32768.
std::int16_t Abs16(std::int16_t v)
{
    return static_cast<std::int16_t>(v < 0 ? -v : v);
}

} // namespace

void CAttackDetector::Reset()
{
    records_ = {};
    count_ = 0;
    floor_ = kInitialLevel;
    tracking_ = kInitialLevel;
    inAttack_ = false;
    peak_ = 0;
    peakOffset_ = 0;
    window_ = kWindow;
    extension_ = kExtension;
    counter_ = 0;
    startFloor_ = 0;
}

bool CAttackDetector::Run(const BAT& store, std::uint32_t frames, const Progress& progress)
{
    Reset();
    frames = std::min(frames, store.Frames());
    if (frames == 0)
        return true;
    std::int16_t previous = 0;
    bool scanning = true;
    for (std::uint32_t first = 0; first < frames && scanning; first += BAT::kFramesPerPage) {
        const auto* page = reinterpret_cast<const std::int16_t*>(store.Page(first / BAT::kFramesPerPage));
        const std::uint32_t count = std::min(BAT::kFramesPerPage, frames - first);
        for (std::uint32_t k = 0; k < count; ++k) {
            if (!Step(store, first + k, page[k], previous)) {
                scanning = false;
                break;
            }
            previous = page[k];
        }
        if (progress && !progress(first + count, frames))
            return false;
    }
    CloseRecord();
    return true;
}

bool CAttackDetector::Step(const BAT& store, std::uint32_t i, std::int16_t x, std::int16_t previous)
{
    // The sample plus its first difference, in 16-bit wrap-around arithmetic.
    const std::int16_t d = Abs16(static_cast<std::int16_t>(2 * x - previous));
    if (inAttack_) {
        tracking_ = peak_;
        if (d > peak_) {
            peak_ = d;
            peakOffset_ = counter_;
        }
        ++counter_;
        if (counter_ >= window_) {
            if (peakOffset_ > window_ - extension_) {
                // The peak is still rising at the end of the window: look further.
                window_ = static_cast<std::int16_t>(window_ + extension_);
                extension_ = static_cast<std::int16_t>(extension_ >> 1);
            } else {
                tracking_ = peak_;
                floor_ = peak_;
                window_ = kWindow;
                extension_ = kExtension;
                inAttack_ = false;
            }
        }
        return true;
    }
    if (d <= tracking_) {
        tracking_ = static_cast<std::int16_t>(((std::int32_t{tracking_} * kDecay) >> 15) + 1);
        floor_ = std::min(floor_, tracking_);
        return true;
    }
    if ((d >> 2) <= floor_) {
        tracking_ = d;
        return true;
    }
    const std::uint32_t start = BackSearch(store, i);
    CloseRecord();
    if (count_ == kMaxAttacks)
        return false;
    ++count_;
    records_[static_cast<std::size_t>(count_)].position = start;
    startFloor_ = floor_;
    peak_ = d;
    peakOffset_ = 0;
    counter_ = 0;
    inAttack_ = true;
    return true;
}

std::uint32_t CAttackDetector::BackSearch(const BAT& store, std::uint32_t i) const
{
    std::uint32_t p = i;
    const std::uint32_t limit = i > kBackSearchLimit ? i - kBackSearchLimit : 0;
    std::int16_t a = store.ReadSample(p);
    while (p > limit) {
        const std::int16_t b = store.ReadSample(p - 1);
        if ((a > 0 && b < 0) || (a < 0 && b > 0))
            break; // a zero crossing just before p
        if (Abs16(a) < kQuietSample)
            break;
        --p;
        a = b;
    }
    return p;
}

void CAttackDetector::CloseRecord()
{
    const std::int32_t level =
        std::int32_t{std::max<std::int16_t>(peak_, 1)} * 1024 / std::max<std::int16_t>(startFloor_, 1);
    records_[static_cast<std::size_t>(count_)].level = static_cast<std::int16_t>(std::clamp(level, 0, 32767));
}
