#pragma once
// The rate converter's interpolation kernel: 512 fractional phases of 8 Q15
// coefficients (only taps 0..5 used), built at compile time. Row r stands for
// the phase r / 512 between the source frames under taps 2 and 3. Each tap is
// a Lanczos-3 window normalized to a gain of 32511/32768, plus a quadratic in
// the phase that bends it through the three anchor rows 0, 256 and 511.
#include <array>
#include <cstdint>

namespace interpolation_detail {

inline constexpr double kPi = 3.14159265358979323846;

constexpr double Sine(double x)
{
    while (x > kPi)
        x -= 2 * kPi;
    while (x < -kPi)
        x += 2 * kPi;
    double term = x;
    double sum = x;
    for (int n = 1; n < 20; ++n) {
        term *= -x * x / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

constexpr double Sinc(double x)
{
    return (x > -1e-12 && x < 1e-12) ? 1.0 : Sine(kPi * x) / (kPi * x);
}

constexpr double Lanczos3(double x)
{
    return (x <= -3 || x >= 3) ? 0.0 : Sinc(x) * Sinc(x / 3);
}

inline constexpr int kTaps = 6;
inline constexpr double kRowGain = 32511;

// The smooth base kernel for one phase, scaled so that its taps sum to kRowGain.
constexpr std::array<double, kTaps> BaseRow(double phase)
{
    std::array<double, kTaps> row{};
    double sum = 0;
    for (int j = 0; j < kTaps; ++j) {
        row[j] = Lanczos3(j - 2 - phase);
        sum += row[j];
    }
    for (double& tap : row)
        tap *= kRowGain / sum;
    return row;
}

inline constexpr std::array<int, kTaps> kAnchorRow0 = {17, -94, 32588, 0, 0, 0};
inline constexpr std::array<int, kTaps> kAnchorRow256 = {455, -3496, 19218, 19392, -3519, 460};
inline constexpr std::array<int, kTaps> kAnchorRow511 = {0, 8, -47, 32590, -47, 8};

constexpr std::int16_t Round(double v)
{
    return static_cast<std::int16_t>(v < 0 ? v - 0.5 : v + 0.5);
}

constexpr std::array<std::array<std::int16_t, 8>, 512> MakeTable()
{
    constexpr double p0 = 0.0;
    constexpr double p1 = 256.0 / 512;
    constexpr double p2 = 511.0 / 512;
    const auto base0 = BaseRow(p0);
    const auto base1 = BaseRow(p1);
    const auto base2 = BaseRow(p2);
    std::array<std::array<std::int16_t, 8>, 512> table{};
    for (int r = 0; r < 512; ++r) {
        const double p = r / 512.0;
        // Lagrange weights of the three anchor phases.
        const double w0 = (p - p1) * (p - p2) / ((p0 - p1) * (p0 - p2));
        const double w1 = (p - p0) * (p - p2) / ((p1 - p0) * (p1 - p2));
        const double w2 = (p - p0) * (p - p1) / ((p2 - p0) * (p2 - p1));
        const auto base = BaseRow(p);
        for (int j = 0; j < kTaps; ++j) {
            const double bend = w0 * (kAnchorRow0[j] - base0[j]) + w1 * (kAnchorRow256[j] - base1[j]) +
                                w2 * (kAnchorRow511[j] - base2[j]);
            table[r][j] = Round(base[j] + bend);
        }
    }
    return table;
}

} // namespace interpolation_detail

inline constexpr std::array<std::array<std::int16_t, 8>, 512> kInterpolationTable = interpolation_detail::MakeTable();
