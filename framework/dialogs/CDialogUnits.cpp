#include "framework/dialogs/CDialogUnits.h"

#include <algorithm>

namespace {
// value * numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}
}  // namespace

CDialogUnits::CDialogUnits(int averageCharWidth, int charHeight)
    : fAverageWidth(std::max(1, averageCharWidth)), fHeight(std::max(1, charHeight))
{
}

int CDialogUnits::AverageWidthOfAlphabet(int alphabetWidth)
{
    return std::max(1, (alphabetWidth / 26 + 1) / 2);
}

int CDialogUnits::ToPixelsX(int units) const { return ScaleRounded(units, fAverageWidth, 4); }
int CDialogUnits::ToPixelsY(int units) const { return ScaleRounded(units, fHeight, 8); }
