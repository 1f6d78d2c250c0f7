#include "gui/framework/controls/CSingleLineTextEditView.h"

#include <QLineEdit>

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
