#pragma once
// Help > System Information (template 1102): the machine's description in a
// read-only text field; the text goes to the clipboard as the dialog opens.
#include <cstdint>
#include <string>

#include "gui/framework/windows/CModalDialog.h"

class CPushButtonView;
class QPlainTextEdit;

class CSystemInformationDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1102;
    enum ItemId : std::uint16_t { kOK = 1, kText = 3, kNote = 4 };

    explicit CSystemInformationDialog(const std::string& text);

    std::string ShownText() const;
    void CheckControls() override;

private:
    QPlainTextEdit* fText = nullptr;
    CPushButtonView* fOK = nullptr;
};
