#include "gui/dialogs/CWaveformColourPicker.h"

#include <QColorDialog>

namespace {

RGBColor16 FromEntry(const CColorTablePreferences::Entry& entry)
{
    return {entry.red, entry.green, entry.blue};
}

CColorTablePreferences::Entry ToEntry(RGBColor16 colour)
{
    return {colour.red, colour.green, colour.blue};
}

}  // namespace

QColor CWaveformColourPicker::ToDialog(RGBColor16 colour)
{
    return QColor(colour.red >> 8, colour.green >> 8, colour.blue >> 8);
}

RGBColor16 CWaveformColourPicker::FromDialog(const QColor& colour)
{
    return {static_cast<std::uint16_t>(colour.red() * 256), static_cast<std::uint16_t>(colour.green() * 256),
            static_cast<std::uint16_t>(colour.blue() * 256)};
}

std::optional<RGBColor16> CWaveformColourPicker::Pick(QWidget* parent, RGBColor16 current,
                                                      CColorTablePreferences::Table& customColours)
{
    for (std::size_t i = 0; i < customColours.size(); ++i)
        QColorDialog::setCustomColor(static_cast<int>(i), ToDialog(FromEntry(customColours[i])));
    const QColor chosen = QColorDialog::getColor(ToDialog(current), parent, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    for (std::size_t i = 0; i < customColours.size(); ++i)
        customColours[i] = ToEntry(FromDialog(QColorDialog::customColor(static_cast<int>(i))));
    if (!chosen.isValid())
        return std::nullopt;
    return FromDialog(chosen);
}
