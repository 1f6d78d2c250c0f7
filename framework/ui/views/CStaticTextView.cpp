#include "framework/ui/views/CStaticTextView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextWrapAnywhere;

QString Displayed(const std::string& text)
{
    QString shown = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
}  // namespace

CStaticTextView::CStaticTextView(CGroupView* parent, const PixelRect& frame, std::string text)
    : CView(parent, frame), fText(std::move(text))
{
}

void CStaticTextView::SetText(std::string text)
{
    if (text == fText)
        return;
    fText = std::move(text);
    Invalidate();
}

int CStaticTextView::HeightForWidth(const QFont& font, int width) const
{
    const QFontMetrics metrics(font);
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), kTextFlags, Displayed(fText)).height();
}

void CStaticTextView::Draw(QPainter& painter)
{
    painter.setPen(IsEnabled() ? Qt::black : Qt::gray);
    painter.drawText(QRect(0, 0, GetFrame().Width(), GetFrame().Height()), kTextFlags, Displayed(fText));
}
