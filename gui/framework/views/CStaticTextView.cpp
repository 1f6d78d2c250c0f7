#include "gui/framework/views/CStaticTextView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QTextLayout>

namespace {
QString Displayed(const std::string& text)
{
    QString shown = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// Breaks one paragraph into lines of at most `width` pixels: after a word
// where one ends, inside a word only when it does not fit a line by itself.
void WrapParagraph(const QString& paragraph, const QFont& font, int width, std::vector<QString>& lines)
{
    QTextLayout layout(paragraph, font);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    const std::size_t first = lines.size();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString text = paragraph.mid(line.textStart(), line.textLength());
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        lines.push_back(text);
    }
    layout.endLayout();
    if (lines.size() == first)
        lines.emplace_back();  // an empty paragraph is an empty line
}

std::vector<QString> Wrap(const std::string& text, const QFont& font, int width)
{
    std::vector<QString> lines;
    for (const QString& paragraph : Displayed(text).split(QLatin1Char('\n')))
        WrapParagraph(paragraph, font, width, lines);
    return lines;
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

std::vector<std::string> CStaticTextView::WrappedLines(const QFont& font, int width) const
{
    std::vector<std::string> lines;
    for (const QString& line : Wrap(fText, font, width))
        lines.push_back(line.toStdString());
    return lines;
}

int CStaticTextView::HeightForWidth(const QFont& font, int width) const
{
    return static_cast<int>(Wrap(fText, font, width).size()) * QFontMetrics(font).lineSpacing();
}

void CStaticTextView::Draw(QPainter& painter)
{
    painter.setPen(IsEnabled() ? Qt::black : Qt::gray);
    const QFontMetrics metrics(painter.font());
    int baseline = metrics.ascent();
    for (const QString& line : Wrap(fText, painter.font(), GetFrame().Width())) {
        painter.drawText(0, baseline, line);
        baseline += metrics.lineSpacing();
    }
}
