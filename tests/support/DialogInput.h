#pragma once
// Works a dialog's controls as a user does: a button press that the dialog
// acts on at once, as its event loop would, and a choice from a pop-up.
#include <QComboBox>
#include <string>

#include "gui/framework/controls/CPopupButtonView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/windows/CABCWindow.h"

inline void Press(CABCWindow& dialog, CPushButtonView& button)
{
    button.Press();
    dialog.CheckControls();
}

inline void Choose(CPopupButtonView& popup, int index)
{
    auto& combo = static_cast<QComboBox&>(popup.Widget());
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

inline std::string Entry(CPopupButtonView& popup, int index)
{
    return static_cast<QComboBox&>(popup.Widget()).itemText(index).toStdString();
}
