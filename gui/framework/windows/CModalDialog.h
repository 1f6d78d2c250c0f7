#pragma once
// A dialog built from a template that keeps the rest of the program waiting
// until one of its buttons ends it. Escape presses the cancel button and
// Return or keypad Enter the default button, when the dialog has one and it
// is shown; the button looks pressed for 8 ticks before it acts.
#include <cstdint>
#include <vector>

#include "gui/framework/windows/CABCWindow.h"

class CPushButtonView;
class QEventLoop;

class CModalDialog : public CABCWindow {
public:
    explicit CModalDialog(std::uint16_t templateNumber);
    ~CModalDialog() override;

    void Open() override;
    // Opens the dialog if needed and runs its own event loop until EndModal;
    // answers the code given to EndModal.
    std::int32_t RunModal();
    void EndModal(std::int32_t code);
    bool HasEnded() const { return fEnded; }
    std::int32_t Result() const { return fResult; }

    // The previous default button loses its default look.
    void SetDefaultButton(CPushButtonView* button);
    void SetCancelButton(CPushButtonView* button) { fCancel = button; }

    bool KeyDown(const CKeyEvent& event) override;
    // A field keeps the focus: the dialog's buttons take Return and Escape.
    void TextEntryFinished(CView&) override {}
    // A window-manager close answers like the cancel button; without one the
    // dialog stays.
    void CloseRequested() override;
    void Close() override;

    // The dialog in front of every other window, or nullptr.
    static CModalDialog* Front();

private:
    QEventLoop* fLoop = nullptr;
    CPushButtonView* fDefault = nullptr;
    CPushButtonView* fCancel = nullptr;
    bool fEnded = false;
    std::int32_t fResult = 0;

    static std::vector<CModalDialog*> sOpenDialogs;
};
