#pragma once
// The loop-length question (template 1107): a Bars field that takes digits
// only, OK (enabled for at least one bar), Cancel and Help.
#include <cstdint>
#include <optional>

#include "gui/framework/windows/CModalDialog.h"

class CPushButtonView;
class CSingleLineTextEditView;

class CNoLengthSpecifiedDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1107;
    enum ItemId : std::uint16_t { kOK = 1, kCancel = 2, kBarsField = 5, kHelp = 6 };

    CNoLengthSpecifiedDialog();
    // The bars entered, or nothing when the user cancelled.
    static std::optional<std::int16_t> Ask();

    void CheckControls() override;
    // The entered bars held to 666; nothing for an empty field.
    std::optional<std::int16_t> Bars() const;
    CSingleLineTextEditView& BarsField() const { return *fBars; }
    CPushButtonView& OKButton() const { return *fOK; }

private:
    CSingleLineTextEditView* fBars = nullptr;
    CPushButtonView* fOK = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
};
