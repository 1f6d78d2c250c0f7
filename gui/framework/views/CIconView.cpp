#include "gui/framework/views/CIconView.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

CIconView::CIconView(CGroupView* parent, const PixelRect& frame, Icon icon)
    : CView(parent, frame), fIcon(icon)
{
}

void CIconView::Draw(QPainter& painter)
{
    QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxCritical;
    switch (fIcon) {
    case Icon::kNone: return;
    case Icon::kStop: break;
    case Icon::kInformation: pixmap = QStyle::SP_MessageBoxInformation; break;
    case Icon::kExclamation: pixmap = QStyle::SP_MessageBoxWarning; break;
    }
    const int side = std::min(GetFrame().Width(), GetFrame().Height());
    QApplication::style()->standardIcon(pixmap).paint(&painter, QRect(0, 0, side, side));
}
