#include "gui/framework/windows/CABCWindow.h"

#include <QFont>
#include <QFontMetrics>

#include "framework/dialogs/CDialogTemplate.h"
#include "framework/exceptions/Exceptions.h"
#include "gui/framework/application/CLowLevelApplication.h"
#include "gui/framework/views/CKeyCodeTable.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/framework/windows/CWindowWidget.h"

CABCWindow::CABCWindow()
    : fWidget(std::make_unique<CWindowWidget>(*this)),
      fRoot(std::make_unique<CWindowRootGroupView>(*this, PixelRect{0, 0, 0, 0}))
{
    fWidget->setAttribute(Qt::WA_DeleteOnClose, false);
    SetTitle(CLowLevelApplication::Name());
}

CABCWindow::~CABCWindow()
{
    // Views first: their destructors end tracking and clear the focus.
    fRoot.reset();
    if (fTracking)
        EndTracking(nullptr);
}

QWidget& CABCWindow::Widget()
{
    return *fWidget;
}

void CABCWindow::Open()
{
    Layout();
    fOpen = true;
    fWidget->show();
}

bool CABCWindow::KeyDown(const CKeyEvent& event)
{
    if (fFocus)
        fFocus->KeyDown(event);
    return false;
}

bool CABCWindow::DoCommand(std::uint32_t)
{
    return false;
}

void CABCWindow::ControlNotify(CView&, std::int32_t)
{
    CheckControls();
}

void CABCWindow::CloseRequested()
{
    Close();
}

void CABCWindow::Close()
{
    fClosing = true;
    EndTracking(nullptr);
    fWidget->hide();
}

void CABCWindow::SetTitle(const std::string& title)
{
    fWidget->setWindowTitle(QString::fromLocal8Bit(title.c_str()));
}

std::string CABCWindow::Title() const
{
    return fWidget->windowTitle().toLocal8Bit().toStdString();
}

void CABCWindow::SetContentSize(int width, int height)
{
    if (fFixedSize)
        fWidget->setFixedSize(width, height);
    else
        fWidget->resize(width, height);
    fRoot->SetFrame({0, 0, width, height});
}

void CABCWindow::LoadTemplate(std::uint16_t number)
{
    const CDialogTemplate dialog = CDialogTemplate::Load(number);
    QFont font(QString::fromLocal8Bit(dialog.FontName().c_str()), dialog.PointSize());
    fWidget->setFont(font);
    const QFontMetrics metrics(font);
    fUnits = CDialogUnits(
        CDialogUnits::AverageWidthOfAlphabet(metrics.horizontalAdvance(CDialogUnits::kAlphabet)),
        metrics.height());
    fItems = dialog.ItemRecords(fUnits);
    fFixedSize = true;
    SetTitle(dialog.WindowTitle(CLowLevelApplication::Name()));
    SetContentSize(fUnits.ToPixelsX(dialog.Width()), fUnits.ToPixelsY(dialog.Height()));
}

void CABCWindow::SetDialogCaption(bool closeBox)
{
    // Without a close box the maximise button is named instead: that makes
    // window managers take the list of allowed actions, which then lacks
    // Close; a window of fixed size is never offered for maximising.
    const Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    fWidget->setWindowFlags(flags | (closeBox ? Qt::WindowCloseButtonHint : Qt::WindowMaximizeButtonHint));
}

const DialogItemRecord* CABCWindow::FindItem(std::uint16_t id) const
{
    for (const DialogItemRecord& item : fItems)
        if (item.id == id)
            return &item;
    return nullptr;
}

const DialogItemRecord& CABCWindow::ItemRecord(std::uint16_t id) const
{
    const DialogItemRecord* item = FindItem(id);
    if (!item)
        throw XInternalError();
    return *item;
}

void CABCWindow::SetFocusView(CView* view)
{
    fFocus = view;
}

void CABCWindow::TakeKeyboardFocus()
{
    fFocus = nullptr;
    fWidget->setFocus(Qt::OtherFocusReason);
}

void CABCWindow::TextEntryFinished(CView&)
{
    TakeKeyboardFocus();
}

void CABCWindow::BeginTracking(CView& view)
{
    EndTracking(nullptr);
    fTracking = &view;
    CLowLevelApplication::RaiseFastIdleOfCurrent();
}

void CABCWindow::EndTracking(const CMouseEvent* release)
{
    if (!fTracking)
        return;
    CView* view = std::exchange(fTracking, nullptr);
    // The count goes down first, so a failing view cannot leave it raised.
    CLowLevelApplication::LowerFastIdleOfCurrent();
    if (release)
        view->MouseReleased(*release);
    else
        view->TrackingLost();
}

void CABCWindow::ForgetView(CView& view)
{
    if (fFocus == &view)
        fFocus = nullptr;
    if (fTracking == &view) {
        fTracking = nullptr;
        CLowLevelApplication::LowerFastIdleOfCurrent();
    }
}

void CABCWindow::InvalidateRect(const PixelRect& rect)
{
    fWidget->update(rect.left, rect.top, rect.Width(), rect.Height());
}

CMouseEvent CABCWindow::LocalEvent(const CView& view, int x, int y, std::uint32_t modifiers)
{
    const PixelRect frame = view.FrameInWindow();
    return CMouseEvent{x - frame.left, y - frame.top, modifiers, false};
}

void CABCWindow::HandleMousePress(int x, int y, std::uint32_t modifiers, bool rightButton)
{
    CView* view = fRoot->HitTest(x, y);
    if (!view || !view->IsEnabled())
        return;
    // A click on a view that takes no focus ends any typing in a field.
    if (view->IsFocusable())
        view->Activate();
    else
        TakeKeyboardFocus();
    CMouseEvent event = LocalEvent(*view, x, y, modifiers);
    event.rightButton = rightButton;
    if (view->MouseDown(event) && fTracking != view)
        BeginTracking(*view);
}

void CABCWindow::HandleMouseMove(int x, int y, std::uint32_t modifiers)
{
    if (fTracking)
        fTracking->TrackMouse(LocalEvent(*fTracking, x, y, modifiers));
}

void CABCWindow::HandleMouseRelease(int x, int y, std::uint32_t modifiers)
{
    if (fTracking) {
        const CMouseEvent event = LocalEvent(*fTracking, x, y, modifiers);
        EndTracking(&event);
    }
}

bool CABCWindow::HandleKey(int qtKey, bool keypad, bool release, bool repeat,
                           std::uint32_t modifiers, char character)
{
    CKeyEvent event;
    event.modifiers = modifiers;
    event.code = CKeyCodeTable::Code(qtKey, keypad);
    event.kind = release ? CKeyEvent::kKeyUp : repeat ? CKeyEvent::kKeyRepeat : CKeyEvent::kKeyDown;
    event.character = character;
    event.nativeKey = qtKey;
    return KeyDown(event);
}

CursorShape CABCWindow::CursorAt(int x, int y, std::uint32_t modifiers)
{
    CView* view = fTracking ? fTracking : fRoot->HitTest(x, y);
    if (!view)
        return CursorShape::kArrow;
    return view->AdjustCursor(LocalEvent(*view, x, y, modifiers));
}

std::string CABCWindow::TooltipAt(int x, int y)
{
    for (CView* view = fRoot->HitTest(x, y); view; view = view->Parent())
        if (!view->Tooltip().empty())
            return view->Tooltip();
    return {};
}
