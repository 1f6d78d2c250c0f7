#include "slicing/synth/CDrumLoopSynthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Deterministic white noise in -1..1 (xorshift32), independent of the library.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x2545F491u) {}
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(static_cast<std::int32_t>(state_)) / 2147483648.0f;
    }

private:
    std::uint32_t state_;
};

// Second-order filter section (band-pass or high-pass) after the usual
// bilinear-transform design.
class Biquad {
public:
    static Biquad BandPass(double rate, double centre, double q) { return Biquad(rate, centre, q, true); }
    static Biquad HighPass(double rate, double corner, double q) { return Biquad(rate, corner, q, false); }

    float Process(float x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return static_cast<float>(y);
    }

private:
    Biquad(double rate, double frequency, double q, bool bandPass) {
        const double w = kTwoPi * std::min(frequency, rate * 0.45) / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        if (bandPass) {
            b0_ = alpha / a0;
            b1_ = 0.0;
            b2_ = -alpha / a0;
        } else {
            b0_ = (1.0 + std::cos(w)) / 2.0 / a0;
            b1_ = -(1.0 + std::cos(w)) / a0;
            b2_ = b0_;
        }
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

struct Pan {
    float left;
    float right;
};

Pan PanOf(DrumVoice voice) {
    switch (voice) {
        case DrumVoice::Kick: return {1.0f, 1.0f};
        case DrumVoice::Snare: return {1.0f, 0.82f};
        case DrumVoice::ClosedHat: return {0.62f, 1.0f};
        case DrumVoice::OpenHat: return {0.7f, 1.0f};
    }
    return {1.0f, 1.0f};
}

double LengthInSeconds(DrumVoice voice) {
    switch (voice) {
        case DrumVoice::Kick: return 0.5;
        case DrumVoice::Snare: return 0.3;
        case DrumVoice::ClosedHat: return 0.09;
        case DrumVoice::OpenHat: return 0.5;
    }
    return 0.1;
}

bool IsHat(DrumVoice voice) { return voice == DrumVoice::ClosedHat || voice == DrumVoice::OpenHat; }

// A gentle saturation that keeps 0 at 0 and never exceeds full scale.
float SoftClip(float x) {
    constexpr float kDrive = 1.15f;
    return std::tanh(kDrive * x);
}

std::int16_t ToSample(float x) {
    const float scaled = std::round(SoftClip(x) * 32000.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

float VelocityOf(char mark) {
    switch (mark) {
        case 'X': return 1.0f;
        case 'x': return 0.8f;
        case 'o': return 0.35f;
        default: return 0.0f;
    }
}

}  // namespace

std::vector<std::int16_t> DrumLoop::Interleaved() const {
    std::vector<std::int16_t> frames(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        frames[2 * i] = left[i];
        frames[2 * i + 1] = right[i];
    }
    return frames;
}

std::vector<std::int16_t> DrumLoop::Mono() const {
    std::vector<std::int16_t> mono(left.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        mono[i] = static_cast<std::int16_t>((left[i] + right[i]) >> 1);
    return mono;
}

CDrumLoopSynthesizer::CDrumLoopSynthesizer(std::uint32_t rate, std::uint32_t seed) : rate_(rate), seed_(seed) {}

DrumLoop CDrumLoopSynthesizer::Render(std::vector<DrumHit> hits, std::uint32_t frames) const {
    std::erase_if(hits, [frames](const DrumHit& hit) { return hit.frame >= frames; });
    std::stable_sort(hits.begin(), hits.end(),
                     [](const DrumHit& a, const DrumHit& b) { return a.frame < b.frame; });

    std::vector<float> left(frames, 0.0f);
    std::vector<float> right(frames, 0.0f);
    for (std::uint32_t i = 0; i < hits.size(); ++i) {
        const DrumHit& hit = hits[i];
        // An open hat is choked by the next hat, as on a real hi-hat stand.
        std::uint32_t end = frames;
        if (hit.voice == DrumVoice::OpenHat) {
            for (std::uint32_t j = i + 1; j < hits.size(); ++j)
                if (IsHat(hits[j].voice) && hits[j].frame > hit.frame) {
                    end = hits[j].frame;
                    break;
                }
        }
        AddVoice(hit, i, end, left, right);
    }

    DrumLoop loop;
    loop.rate = rate_;
    loop.hits = std::move(hits);
    loop.left.resize(frames);
    loop.right.resize(frames);
    std::transform(left.begin(), left.end(), loop.left.begin(), ToSample);
    std::transform(right.begin(), right.end(), loop.right.begin(), ToSample);
    return loop;
}

void CDrumLoopSynthesizer::AddVoice(const DrumHit& hit, std::uint32_t hitIndex, std::uint32_t choke,
                                    std::vector<float>& left, std::vector<float>& right) const {
    const double rate = rate_;
    const auto length = static_cast<std::uint32_t>(LengthInSeconds(hit.voice) * rate);
    const std::size_t voiceEnd = std::size_t{hit.frame} + length;
    const auto end = static_cast<std::uint32_t>(std::min(left.size(), voiceEnd));
    Noise noise(seed_ ^ (hitIndex * 0x9E3779B9u) ^ static_cast<std::uint32_t>(hit.voice));
    Biquad band = Biquad::BandPass(rate, 2800.0, 0.8);
    Biquad high = Biquad::HighPass(rate, 7500.0, 0.7);
    Biquad high2 = Biquad::HighPass(rate, 7500.0, 0.7);
    const Pan pan = PanOf(hit.voice);
    double phase = 0.0;
    // Every voice starts on a cosine peak or a noise burst, so its first frame
    // is the attack itself.
    for (std::uint32_t f = hit.frame; f < end; ++f) {
        const double t = (f - hit.frame) / rate;
        float value = 0.0f;
        switch (hit.voice) {
            case DrumVoice::Kick: {
                const double frequency = 48.0 + 120.0 * std::exp(-t / 0.03);
                const double body = std::cos(phase) * std::exp(-t / 0.16);
                const double click = noise.Next() * std::exp(-t / 0.0015) * 0.35;
                phase += kTwoPi * frequency / rate;
                value = static_cast<float>((body + click) * 0.95);
                break;
            }
            case DrumVoice::Snare: {
                const double tones = (std::cos(kTwoPi * 185.0 * t) * 0.55 + std::cos(kTwoPi * 330.0 * t) * 0.3) *
                                     std::exp(-t / 0.045);
                const double rattle = band.Process(noise.Next()) * 2.2 * std::exp(-t / 0.06);
                value = static_cast<float>((tones + rattle) * 0.62);
                break;
            }
            case DrumVoice::ClosedHat:
            case DrumVoice::OpenHat: {
                const double decay = hit.voice == DrumVoice::ClosedHat ? 0.02 : 0.15;
                const double hiss = high2.Process(high.Process(noise.Next()));
                value = static_cast<float>(hiss * std::exp(-t / decay) * 0.5);
                break;
            }
        }
        // The last third of every voice fades to silence, so that no voice stops abruptly.
        value *= hit.velocity * static_cast<float>(std::min(1.0, 3.0 * static_cast<double>(voiceEnd - f) / length));
        // Past the choke point the voice fades out within 5 ms, so that no click is added.
        if (f >= choke) value *= std::max(0.0f, 1.0f - static_cast<float>(f - choke) * 200.0f / static_cast<float>(rate));
        left[f] += value * pan.left;
        right[f] += value * pan.right;
    }
}

DrumLoop CDrumLoopSynthesizer::RenderPattern(const std::vector<DrumPatternBar>& bars, double bpm) const {
    const double framesPerStep = 60.0 / bpm / 4.0 * rate_;
    const auto frames = static_cast<std::uint32_t>(std::llround(framesPerStep * 16.0 * bars.size()));
    std::vector<DrumHit> hits;
    for (std::size_t bar = 0; bar < bars.size(); ++bar) {
        const std::pair<const std::string*, DrumVoice> lanes[] = {
            {&bars[bar].kick, DrumVoice::Kick},
            {&bars[bar].snare, DrumVoice::Snare},
            {&bars[bar].closedHat, DrumVoice::ClosedHat},
            {&bars[bar].openHat, DrumVoice::OpenHat},
        };
        for (const auto& [lane, voice] : lanes) {
            for (std::size_t step = 0; step < std::min<std::size_t>(lane->size(), 16); ++step) {
                const float velocity = VelocityOf((*lane)[step]);
                if (velocity <= 0.0f) continue;
                const auto frame = static_cast<std::uint32_t>(std::llround((bar * 16 + step) * framesPerStep));
                hits.push_back({frame, voice, velocity});
            }
        }
    }
    return Render(std::move(hits), frames);
}

std::vector<DrumPatternBar> CDrumLoopSynthesizer::DemoPattern() {
    //        step: 1...2...3...4...
    return {
        {"X......x..x.....", "....X.......X...", "x.x.x.x.x.x.x.o.", "................"},
        {"X......x..X...x.", "....X......oX..o", "x.x.x.x.x.x.x...", "..............x."},
    };
}
