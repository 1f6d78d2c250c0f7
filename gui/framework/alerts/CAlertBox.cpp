#include "gui/framework/alerts/CAlertBox.h"

#include <QWidget>

#include "framework/alerts/Alerts.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CIconView.h"
#include "gui/framework/views/CKeyCodeTable.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"

namespace {
CIconView::Icon IconOf(int systemIcon)
{
    switch (systemIcon) {
    case CAlertLayout::kNoIcon: return CIconView::Icon::kNone;
    case CAlertLayout::kInformationIcon: return CIconView::Icon::kInformation;
    case CAlertLayout::kExclamationIcon: return CIconView::Icon::kExclamation;
    default: return CIconView::Icon::kStop;
    }
}
}  // namespace

CAlertBox::CAlertBox(const AlertDefinition& alert)
    : CModalDialog(kTemplate), fAlert(alert), fLayout(alert)
{
    // A caption bar without a close box.
    SetDialogCaption(false);
    Widget().setWindowModality(Qt::ApplicationModal);
    for (int item = CAlertLayout::kButton1; item <= fLayout.ButtonCount(); ++item) {
        auto* button = new CPushButtonView(&Root(), ToPixels(fLayout.ItemRect(item)),
                                           fLayout.ButtonLabel(item));
        fButtons[static_cast<std::size_t>(item - 1)] = button;
        if (button->Text() == "Cancel")
            SetCancelButton(button);
    }
    SetDefaultButton(fButtons[0]);
    fText = new CStaticTextView(&Root(), ToPixels(fLayout.ItemRect(CAlertLayout::kTextItem)),
                                fLayout.Text());
    fIcon = new CIconView(&Root(), ToPixels(fLayout.ItemRect(CAlertLayout::kIconItem)),
                          IconOf(fLayout.SystemIcon()));
}

PixelRect CAlertBox::ToPixels(const AlertRect& rect) const
{
    return {Units().ToPixelsX(rect.x), Units().ToPixelsY(rect.y),
            Units().ToPixelsX(rect.x + rect.width), Units().ToPixelsY(rect.y + rect.height)};
}

CPushButtonView* CAlertBox::Button(int item) const
{
    if (item < CAlertLayout::kButton1 || item > CAlertLayout::kButton3)
        return nullptr;
    return fButtons[static_cast<std::size_t>(item - 1)];
}

void CAlertBox::Layout()
{
    // Grow the text and the box by what the wrapped text needs beyond its item.
    PixelRect textFrame = fText->GetFrame();
    const int extra = fText->HeightForWidth(Widget().font(), textFrame.Width()) - textFrame.Height();
    if (extra > 0) {
        textFrame.bottom += extra;
        fText->SetFrame(textFrame);
        for (CPushButtonView* button : fButtons) {
            if (!button)
                continue;
            PixelRect frame = button->GetFrame();
            frame.top += extra;
            frame.bottom += extra;
            button->SetFrame(frame);
        }
        const PixelRect box = Root().GetFrame();
        SetContentSize(box.Width(), box.Height() + extra);
    }
    FocusButton(fLayout.InitialFocus());
}

void CAlertBox::FocusButton(int item)
{
    fFocus = item;
    if (CPushButtonView* button = Button(item))
        button->Widget().setFocus(Qt::OtherFocusReason);
}

void CAlertBox::CheckControls()
{
    for (int item = CAlertLayout::kButton1; item <= fLayout.ButtonCount(); ++item)
        if (Button(item)->TakePress())
            EndModal(fLayout.ButtonCode(item));
}

bool CAlertBox::KeyDown(const CKeyEvent& event)
{
    if (event.kind == CKeyEvent::kKeyDown &&
        (event.code == CKeyCodeTable::kLeft || event.code == CKeyCodeTable::kRight)) {
        FocusButton(fLayout.MoveFocus(
            fFocus, event.code == CKeyCodeTable::kLeft ? AlertKey::Left : AlertKey::Right));
        return true;
    }
    return CModalDialog::KeyDown(event);
}

void CAlertBox::CloseRequested()
{
    EndModal(AlertCloseAnswer(fAlert));
}
