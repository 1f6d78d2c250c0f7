#pragma once
// One item of a dialog template as a window uses it: its frame in pixels.
#include <cstdint>
#include <string>

enum class DialogItemKind : std::int32_t {
    kPushButton = 1,
    kRadioButton = 2,
    kComboBox = 3,
    kGroupBox = 4,
    kCheckBox = 5,
    kStaticText = 6,
    kEdit = 7,
    kClassNamed = 8,   // a control given by its class name (e.g. a trackbar)
    kBlackFrame = 9,   // a placeholder, e.g. for a progress bar
    kIcon = 10,
    kScrollBar = 11,
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect&) const = default;
};

struct DialogItemRecord {
    PixelRect frame;
    std::uint16_t id = 0;
    bool enabled = true;
    DialogItemKind kind = DialogItemKind::kStaticText;
    std::string text;       // at most kMaxTextLength characters
    std::string className;  // for kClassNamed

    static constexpr std::size_t kMaxTextLength = 245;
};
