#include "gui/dialogs/CSamplerPictureView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

enum class Shape { kRack, kKeyboard, kSheet, kCard, kEmpty };

struct PanelStyle {
    std::uint32_t picture;
    const char* label;
    Shape shape;
    QRgb body;
    QRgb accent;
};

constexpr QRgb kAKAIGrey = 0xffc8c8c4;
constexpr QRgb kAKAIRed = 0xffc0302a;
constexpr QRgb kEMUBlue = 0xff2c3e66;
constexpr QRgb kEMUGold = 0xffe0b040;
constexpr QRgb kDarkBody = 0xff3a3a3e;

const PanelStyle kStyles[] = {
    {15000, "K2000", Shape::kKeyboard, kDarkBody, 0xff4a90d0},
    {15001, "K2500", Shape::kKeyboard, 0xff2a2e34, 0xff40b0a0},
    {15010, "S1000", Shape::kRack, kAKAIGrey, kAKAIRed},
    {15011, "S1100", Shape::kRack, kAKAIGrey, kAKAIRed},
    {15020, "S2000", Shape::kRack, 0xff505458, kAKAIRed},
    {15021, "S2800", Shape::kRack, kAKAIGrey, kAKAIRed},
    {15022, "S3000", Shape::kRack, kAKAIGrey, kAKAIRed},
    {15023, "S3000XL", Shape::kRack, 0xff505458, kAKAIRed},
    {15024, "S3200", Shape::kRack, kAKAIGrey, kAKAIRed},
    {15025, "S3200XL", Shape::kRack, 0xff505458, kAKAIRed},
    {15026, "CD3000", Shape::kRack, kAKAIGrey, kAKAIRed},
    {15027, "CD3000XL", Shape::kRack, 0xff505458, kAKAIRed},
    {15030, "EPS", Shape::kKeyboard, kDarkBody, 0xffd04040},
    {15031, "EPS-16+", Shape::kKeyboard, kDarkBody, 0xffd04040},
    {15032, "ASR-10", Shape::kKeyboard, kDarkBody, 0xff40a0d0},
    {15040, "S-760", Shape::kRack, 0xff2e2e30, 0xffe06020},
    {15050, "A3000", Shape::kRack, 0xff383c44, 0xff60c060},
    {15060, "ESI-32", Shape::kRack, kEMUBlue, kEMUGold},
    {15061, "ESI-4000", Shape::kRack, kEMUBlue, kEMUGold},
    {15063, "EMULATOR IV", Shape::kRack, kEMUBlue, kEMUGold},
    {15064, "E4K", Shape::kKeyboard, kEMUBlue, kEMUGold},
    {15065, "E4X", Shape::kRack, kEMUBlue, kEMUGold},
    {15066, "E4X TURBO", Shape::kRack, kEMUBlue, kEMUGold},
    {15068, "e-64", Shape::kRack, 0xff2a4a7a, kEMUGold},
    {15069, "e-64 fx", Shape::kRack, 0xff2a4a7a, kEMUGold},
    {15070, "e6400", Shape::kRack, 0xff2a4a7a, kEMUGold},
    {15080, "SampleCell", Shape::kCard, 0xff2f7a3a, 0xffd8c060},
    {15081, "SoundFont", Shape::kSheet, 0xfff4f4ee, 0xff4070c0},
    {15082, "Mixman TRK", Shape::kSheet, 0xfff4f4ee, 0xffd06030},
    {15085, "SDS", Shape::kRack, 0xff3a3f47, 0xff70b8e0},
};

const PanelStyle& StyleOf(std::uint32_t picture)
{
    static const PanelStyle kEmpty{CSamplerPictureView::kNoSampler, "", Shape::kEmpty, 0xffe0e0e0, 0xff909090};
    for (const PanelStyle& style : kStyles)
        if (style.picture == picture)
            return style;
    return kEmpty;
}

void Display(QPainter& painter, const QRectF& area, const char* label)
{
    painter.setPen(QColor(0x20, 0x30, 0x20));
    painter.setBrush(QColor(0x9c, 0xc8, 0x8c));
    painter.drawRoundedRect(area, 2, 2);
    QFont font = painter.font();
    font.setBold(true);
    int size = std::max(6, int(area.height() * 0.55));
    font.setPixelSize(size);
    // Long model names get a smaller type, so that they fit the display.
    while (size > 5 && QFontMetricsF(font).horizontalAdvance(label) > area.width() * 0.92)
        font.setPixelSize(--size);
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, label);
}

void Buttons(QPainter& painter, const QRectF& row, int count, QColor colour)
{
    const qreal step = row.width() / count;
    painter.setPen(colour.darker(160));
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i)
        painter.drawRoundedRect(QRectF(row.left() + i * step + step * 0.15, row.top(), step * 0.7, row.height()), 1, 1);
}

void Rack(QPainter& painter, const QRectF& area, const PanelStyle& style)
{
    const QColor body(style.body);
    const qreal ear = area.width() * 0.05;
    painter.setPen(body.darker(180));
    painter.setBrush(body.darker(115));
    painter.drawRect(area);
    painter.setBrush(body);
    const QRectF face = area.adjusted(ear, 0, -ear, 0);
    painter.drawRect(face);
    painter.setBrush(body.darker(200));
    for (qreal x : {area.left() + ear / 2, area.right() - ear / 2})
        for (qreal y : {area.top() + area.height() * 0.2, area.bottom() - area.height() * 0.2})
            painter.drawEllipse(QPointF(x, y), ear * 0.25, ear * 0.25);
    const qreal h = face.height();
    Display(painter, QRectF(face.left() + face.width() * 0.05, face.top() + h * 0.15, face.width() * 0.4, h * 0.3),
            style.label);
    painter.setBrush(body.darker(250));
    painter.drawRect(QRectF(face.left() + face.width() * 0.05, face.top() + h * 0.62, face.width() * 0.3, h * 0.08));
    Buttons(painter, QRectF(face.left() + face.width() * 0.5, face.top() + h * 0.2, face.width() * 0.3, h * 0.14), 6,
            QColor(style.accent));
    Buttons(painter, QRectF(face.left() + face.width() * 0.5, face.top() + h * 0.5, face.width() * 0.3, h * 0.14), 6,
            body.lighter(130));
    painter.setBrush(body.darker(140));
    const qreal wheel = std::min(h * 0.22, face.width() * 0.06);
    painter.drawEllipse(QPointF(face.left() + face.width() * 0.9, face.center().y()), wheel, wheel);
}

void Keyboard(QPainter& painter, const QRectF& area, const PanelStyle& style)
{
    const QColor body(style.body);
    const QRectF panel(area.left(), area.top(), area.width(), area.height() * 0.45);
    painter.setPen(body.darker(180));
    painter.setBrush(body);
    painter.drawRoundedRect(area, 3, 3);
    Display(painter, QRectF(panel.left() + panel.width() * 0.35, panel.top() + panel.height() * 0.2,
                            panel.width() * 0.3, panel.height() * 0.45),
            style.label);
    Buttons(painter, QRectF(panel.left() + panel.width() * 0.05, panel.top() + panel.height() * 0.3,
                            panel.width() * 0.25, panel.height() * 0.25), 5, QColor(style.accent));
    Buttons(painter, QRectF(panel.left() + panel.width() * 0.7, panel.top() + panel.height() * 0.3,
                            panel.width() * 0.25, panel.height() * 0.25), 5, body.lighter(150));
    const QRectF keys = area.adjusted(area.width() * 0.03, area.height() * 0.5, -area.width() * 0.03, -area.height() * 0.06);
    constexpr int kWhiteKeys = 21;
    const qreal width = keys.width() / kWhiteKeys;
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(Qt::white);
    for (int i = 0; i < kWhiteKeys; ++i)
        painter.drawRect(QRectF(keys.left() + i * width, keys.top(), width, keys.height()));
    painter.setBrush(Qt::black);
    for (int i = 0; i < kWhiteKeys - 1; ++i)
        if (i % 7 != 2 && i % 7 != 6)
            painter.drawRect(QRectF(keys.left() + (i + 0.65) * width, keys.top(), width * 0.7, keys.height() * 0.6));
}

void Sheet(QPainter& painter, const QRectF& area, const PanelStyle& style, bool card)
{
    const qreal side = std::min(area.width() * 0.6, area.height());
    const QRectF sheet(area.center().x() - side * 0.4, area.center().y() - side / 2, side * 0.8, side);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.setBrush(QColor(style.body));
    if (card) {
        painter.drawRect(QRectF(area.left() + area.width() * 0.1, area.center().y() - side * 0.3, area.width() * 0.8,
                                side * 0.6));
        Buttons(painter, QRectF(area.left() + area.width() * 0.15, area.center().y() + side * 0.18,
                                area.width() * 0.7, side * 0.1), 12, QColor(style.accent));
    } else {
        const qreal fold = side * 0.2;
        QPainterPath outline;
        outline.moveTo(sheet.topLeft());
        outline.lineTo(sheet.right() - fold, sheet.top());
        outline.lineTo(sheet.right(), sheet.top() + fold);
        outline.lineTo(sheet.bottomRight());
        outline.lineTo(sheet.bottomLeft());
        outline.closeSubpath();
        painter.drawPath(outline);
        painter.setBrush(QColor(style.accent));
        painter.drawRect(QRectF(sheet.left() + side * 0.1, sheet.center().y() - side * 0.08, side * 0.6, side * 0.16));
    }
    QFont font = painter.font();
    font.setPixelSize(std::max(7, int(side * 0.12)));
    painter.setFont(font);
    painter.setPen(card ? QColor(Qt::white) : QColor(0x20, 0x20, 0x20));
    painter.drawText(card ? area.adjusted(0, -side * 0.1, 0, -side * 0.1) : sheet.adjusted(0, side * 0.3, 0, 0),
                     Qt::AlignHCenter | (card ? Qt::AlignVCenter : Qt::AlignTop), style.label);
}

void StatusIcon(QPainter& painter, const QRectF& area, bool verified)
{
    const qreal side = std::min(area.width(), area.height());
    const QRectF circle(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(verified ? QColor(0x2e, 0xa0, 0x44) : QColor(0xc0, 0x3a, 0x30));
    painter.drawEllipse(circle);
    QPen mark(Qt::white, side * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(mark);
    const auto at = [&circle](qreal x, qreal y) {
        return QPointF(circle.left() + x * circle.width(), circle.top() + y * circle.height());
    };
    if (verified) {
        painter.drawPolyline(QPolygonF({at(0.27, 0.52), at(0.44, 0.7), at(0.74, 0.32)}));
    } else {
        painter.drawLine(at(0.32, 0.32), at(0.68, 0.68));
        painter.drawLine(at(0.68, 0.32), at(0.32, 0.68));
    }
}

}  // namespace

CSamplerPictureView::CSamplerPictureView(CGroupView* parent, const PixelRect& frame, std::uint32_t picture)
    : CView(parent, frame), fPicture(picture)
{
}

void CSamplerPictureView::SetPicture(std::uint32_t picture)
{
    if (picture == fPicture)
        return;
    fPicture = picture;
    Invalidate();
}

void CSamplerPictureView::Draw(QPainter& painter)
{
    const PixelRect& frame = GetFrame();
    Paint(painter, QRect(0, 0, frame.Width(), frame.Height()), fPicture);
}

void CSamplerPictureView::Paint(QPainter& painter, const QRect& area, std::uint32_t picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(area).adjusted(1, 1, -1, -1);
    if (picture == kVerifiedIcon || picture == kUnverifiedIcon) {
        StatusIcon(painter, bounds, picture == kVerifiedIcon);
        painter.restore();
        return;
    }
    const PanelStyle& style = StyleOf(picture);
    switch (style.shape) {
    case Shape::kRack: Rack(painter, bounds, style); break;
    case Shape::kKeyboard: Keyboard(painter, bounds, style); break;
    case Shape::kSheet: Sheet(painter, bounds, style, false); break;
    case Shape::kCard: Sheet(painter, bounds, style, true); break;
    case Shape::kEmpty:
        painter.setPen(QPen(QColor(style.accent), 1, Qt::DashLine));
        painter.setBrush(QColor(style.body));
        painter.drawRect(bounds);
        break;
    }
    painter.restore();
}
