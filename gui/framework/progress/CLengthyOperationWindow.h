#pragma once
// The progress window of a lengthy operation (template 10000): the title, the
// value as a number, a bar and a Stop or Cancel button. It keeps the rest of
// the program from input while it is up; only its button cancels.
#include <string>

#include "framework/progress/CABCProgressWindow.h"
#include "gui/framework/windows/CABCWindow.h"

class CProgressBarView;
class CPushButtonView;
class CStaticTextView;

class CLengthyOperationWindow : public CABCWindow, public CABCProgressWindow {
public:
    static constexpr std::uint16_t kTemplate = 10000;

    CLengthyOperationWindow(const std::string& title, const std::string& buttonText);

    void Open() override;
    void CheckControls() override;
    // A press waits for the next refresh, where the operation looks at it.
    void ControlNotify(CView&, std::int32_t) override {}
    void CloseRequested() override {}
    // Keys do not cancel: only a click on the button does.
    bool KeyDown(const CKeyEvent&) override { return true; }

    void Refresh(const std::string& title, std::int32_t value, std::uint16_t percent) override;
    void ProcessEvents() override;
    bool Cancelled() const override { return fCancelled; }

    const CStaticTextView& TitleView() const { return *fTitle; }
    const CStaticTextView& ValueView() const { return *fValue; }
    const CProgressBarView& Bar() const { return *fBar; }
    CPushButtonView& Button() const { return *fButton; }

private:
    CPushButtonView* fButton = nullptr;
    CStaticTextView* fTitle = nullptr;
    CProgressBarView* fBar = nullptr;
    CStaticTextView* fValue = nullptr;
    bool fCancelled = false;
};
