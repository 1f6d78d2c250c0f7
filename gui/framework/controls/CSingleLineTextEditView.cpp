#include "gui/framework/controls/CSingleLineTextEditView.h"

#include <QLineEdit>

#include "gui/framework/views/CKeyCodeTable.h"
#include "gui/framework/windows/CABCWindow.h"

CSingleLineTextEditView::CSingleLineTextEditView(CGroupView* parent, int left, int top, int width,
                                                 int maxLength)
    : CNativeControlView(parent, {left, top, left + width, top + kHeight}, new QLineEdit)
{
    auto& edit = static_cast<QLineEdit&>(Widget());
    edit.setMaxLength(maxLength);
    // Dropped files pass on to the window, which opens them.
    edit.setAcceptDrops(false);
    SetFocusable(true);
    QObject::connect(&edit, &QLineEdit::textEdited, [this] { Notify(*this, kValueChanged); });
}

std::string CSingleLineTextEditView::Text() const
{
    return static_cast<QLineEdit&>(Widget()).text().toLocal8Bit().toStdString();
}

void CSingleLineTextEditView::SetText(const std::string& text)
{
    static_cast<QLineEdit&>(Widget()).setText(QString::fromLocal8Bit(text.c_str()));
}

void CSingleLineTextEditView::KeyDown(const CKeyEvent& event)
{
    if (event.kind != CKeyEvent::kKeyDown)
        return;
    if (event.code == CKeyCodeTable::kReturn || event.code == CKeyCodeTable::kEnter)
        FinishEntry(true);
    else if (event.code == CKeyCodeTable::kEscape)
        FinishEntry(false);
}

void CSingleLineTextEditView::FocusTaken(bool returning)
{
    if (!returning)
        fTextBefore = Text();
}

void CSingleLineTextEditView::FinishEntry(bool keep)
{
    if (!keep)
        SetText(fTextBefore);
    fTextBefore = Text();
    GetWindow()->TextEntryFinished(*this);
    Notify(*this, kValueChanged);
}
