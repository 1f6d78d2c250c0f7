#pragma once
// Converts dialog units to pixels for one font: horizontal units are quarters
// of the font's average character width, vertical units eighths of its height.
// Results are rounded to the nearest pixel.
class CDialogUnits {
public:
    CDialogUnits(int averageCharWidth, int charHeight);

    // The average width of the 52 letters A-Z a-z from their total width.
    static int AverageWidthOfAlphabet(int alphabetWidth);
    static constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;

private:
    int fAverageWidth;
    int fHeight;
};
