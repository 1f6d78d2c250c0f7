#pragma once
// The platform's colour dialog on the waveform colour, fully opened, with the
// sixteen custom colours of the preferences. The dialog works with 8 bits a
// component: it is handed each colour's high bytes and its answers come back
// as component × 256. The custom colours are taken back whether the user
// confirms or cancels.
#include <optional>

#include "document/views/RGBColor16.h"
#include "formats/preferences/CColorTablePreferences.h"

class QColor;
class QWidget;

class CWaveformColourPicker {
public:
    // The chosen colour, or nothing when the user cancelled.
    static std::optional<RGBColor16> Pick(QWidget* parent, RGBColor16 current,
                                          CColorTablePreferences::Table& customColours);

    // Between the preferences' 16-bit components and the dialog's 8 bits.
    static QColor ToDialog(RGBColor16 colour);
    static RGBColor16 FromDialog(const QColor& colour);
};
