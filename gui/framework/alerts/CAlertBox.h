#pragma once
// The alert box (template 10005): the script's buttons from right to left
// with the last written as the default at the left, the kind's icon, and the
// title and message in one text. A long text makes the box taller instead of
// being cut off. Left and right arrows move the focus round the buttons.
#include <array>

#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CAlertLayout.h"
#include "gui/framework/windows/CModalDialog.h"

class CIconView;
class CPushButtonView;
class CStaticTextView;

class CAlertBox : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 10005;

    explicit CAlertBox(const AlertDefinition& alert);

    void Layout() override;
    void CheckControls() override;
    bool KeyDown(const CKeyEvent& event) override;
    // Closing the box answers like Cancel when a button says so, else like
    // the default button.
    void CloseRequested() override;

    // Button item 1-3, or nullptr when the alert has fewer buttons.
    CPushButtonView* Button(int item) const;
    int FocusedButton() const { return fFocus; }
    const CStaticTextView& TextView() const { return *fText; }
    const CIconView& IconView() const { return *fIcon; }

private:
    PixelRect ToPixels(const AlertRect& rect) const;
    void FocusButton(int item);

    AlertDefinition fAlert;
    CAlertLayout fLayout;
    std::array<CPushButtonView*, 3> fButtons{};
    CStaticTextView* fText = nullptr;
    CIconView* fIcon = nullptr;
    int fFocus = CAlertLayout::kButton1;
};
