#include "gui/framework/controls/CPushButtonView.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

#include "framework/time/CClock.h"

CPushButtonView::CPushButtonView(CGroupView* parent, const PixelRect& frame, const std::string& text)
    : CNativeControlView(parent, frame, new QPushButton(QString::fromLocal8Bit(text.c_str())))
{
    Button().setAutoDefault(false);
    QObject::connect(&Button(), &QPushButton::clicked, [this] { Press(); });
}

CPushButtonView::CPushButtonView(CGroupView* parent, const DialogItemRecord& item)
    : CPushButtonView(parent, item.frame, item.text)
{
    SetEnabled(item.enabled);
}

QPushButton& CPushButtonView::Button() const
{
    return static_cast<QPushButton&>(Widget());
}

void CPushButtonView::SetText(const std::string& text)
{
    Button().setText(QString::fromLocal8Bit(text.c_str()));
}

std::string CPushButtonView::Text() const
{
    return Button().text().toLocal8Bit().toStdString();
}

void CPushButtonView::SetPicture(const QImage& picture)
{
    Button().setText(QString());
    Button().setIcon(QIcon(QPixmap::fromImage(picture)));
    Button().setIconSize(picture.size());
}

void CPushButtonView::SetDefaultLook(bool isDefault)
{
    Button().setDefault(isDefault);
}

bool CPushButtonView::HasDefaultLook() const
{
    return Button().isDefault();
}

void CPushButtonView::Press()
{
    fPressed = true;
    Notify(*this, kPressed);
}

void CPushButtonView::PressVisibly()
{
    Button().setDown(true);
    Button().repaint();
    CClock::Current().Sleep(CClock::TicksToMilliseconds(kPressedShowTicks));
    Button().setDown(false);
    Press();
}

bool CPushButtonView::TakePress()
{
    return std::exchange(fPressed, false);
}
