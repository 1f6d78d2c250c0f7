#include "slicing/CAttackDetector.h"

#include <algorithm>

#include "sound/BAT.h"

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

// The sample plus its first difference, in 16-bit wrap-around arithmetic, made absolute.
std::int16_t Rise(std::int16_t x, std::int16_t previous)
{
    return Abs16(static_cast<std::int16_t>(2 * x - previous));
}

} // namespace

struct CAttackDetector::State {
    std::int16_t floor = kInitialLevel;
    std::int16_t tracking = kInitialLevel;
    bool inAttack = false;
    std::int16_t peak = 0;
    std::int16_t peakOffset = 0;
    std::int16_t window = kWindow;
    std::int16_t extension = kExtension;
    std::int16_t counter = 0;
    std::int16_t startFloor = 0;
    std::int16_t previous = 0;

    // Steps the frames of an attack up to the end of its window or of the
    // samples; returns how many frames it took.
    std::uint32_t StepAttack(const std::int16_t* samples, std::uint32_t count);
    // Steps quiet frames until one starts an attack or the samples end;
    // returns how many frames it took (the attack's frame not included).
    std::uint32_t StepQuiet(const std::int16_t* samples, std::uint32_t count);
};

std::uint32_t CAttackDetector::State::StepAttack(const std::int16_t* samples, std::uint32_t count)
{
    // Within the window only the peak and where it lies matter; the tracking
    // level is set from the peak when the attack ends.
    const std::uint32_t n = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(window - counter));
    std::int16_t p = peak;
    std::int16_t offset = peakOffset;
    std::int16_t last = previous;
    for (std::uint32_t j = 0; j < n; ++j) {
        const std::int16_t d = Rise(samples[j], last);
        last = samples[j];
        if (d > p) {
            p = d;
            offset = static_cast<std::int16_t>(counter + j);
        }
    }
    peak = p;
    peakOffset = offset;
    previous = last;
    counter = static_cast<std::int16_t>(counter + n);
    if (counter == window) {
        if (peakOffset > window - extension) {
            // The peak is still rising at the end of the window: look further.
            window = static_cast<std::int16_t>(window + extension);
            extension = static_cast<std::int16_t>(extension >> 1);
        } else {
            tracking = peak;
            floor = peak;
            window = kWindow;
            extension = kExtension;
            inAttack = false;
        }
    }
    return n;
}

std::uint32_t CAttackDetector::State::StepQuiet(const std::int16_t* samples, std::uint32_t count)
{
    // The tracking level decays while the rise stays under it and follows a
    // rise that stays within four times the floor; the floor is the lowest
    // tracking level seen.
    std::int16_t t = tracking;
    std::int16_t f = floor;
    std::int16_t last = previous;
    std::uint32_t k = 0;
    for (; k < count; ++k) {
        const std::int16_t d = Rise(samples[k], last);
        if (d <= t) {
            t = static_cast<std::int16_t>(((std::int32_t{t} * kDecay) >> 15) + 1);
            f = std::min(f, t);
        } else if ((d >> 2) <= f) {
            t = d;
        } else {
            break;
        }
        last = samples[k];
    }
    tracking = t;
    floor = f;
    previous = last;
    return k;
}

void CAttackDetector::Reset()
{
    records_ = {};
    count_ = 0;
}

bool CAttackDetector::Run(const BAT& store, std::uint32_t frames, const Progress& progress)
{
    Reset();
    frames = std::min(frames, store.Frames());
    if (frames == 0)
        return true;
    State state;
    bool scanning = true;
    for (std::uint32_t first = 0; first < frames && scanning; first += BAT::kFramesPerPage) {
        const auto* page = reinterpret_cast<const std::int16_t*>(store.Page(first / BAT::kFramesPerPage));
        const std::uint32_t count = std::min(BAT::kFramesPerPage, frames - first);
        for (std::uint32_t k = 0; k < count;) {
            if (state.inAttack) {
                k += state.StepAttack(page + k, count - k);
                continue;
            }
            k += state.StepQuiet(page + k, count - k);
            if (k == count)
                break;
            // Frame first + k starts an attack.
            const std::uint32_t start = BackSearch(store, first + k);
            CloseRecord(state.peak, state.startFloor);
            if (count_ == kMaxAttacks) {
                scanning = false;
                break;
            }
            ++count_;
            records_[static_cast<std::size_t>(count_)].position = start;
            state.startFloor = state.floor;
            state.peak = Rise(page[k], state.previous);
            state.peakOffset = 0;
            state.counter = 0;
            state.inAttack = true;
            state.previous = page[k];
            ++k;
        }
        if (progress && !progress(first + count, frames))
            return false;
    }
    CloseRecord(state.peak, state.startFloor);
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

void CAttackDetector::CloseRecord(std::int16_t peak, std::int16_t startFloor)
{
    const std::int32_t level =
        std::int32_t{std::max<std::int16_t>(peak, 1)} * 1024 / std::max<std::int16_t>(startFloor, 1);
    records_[static_cast<std::size_t>(count_)].level = static_cast<std::int16_t>(std::clamp(level, 0, 32767));
}
