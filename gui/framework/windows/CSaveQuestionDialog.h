#pragma once
// The question before a changed document closes (template 10003): "Yes"
// (default, item 1), "No" (item 3) and "Cancel" (item 2, also Escape and the
// window's close box).
#include <string>

#include "gui/framework/windows/CModalDialog.h"

class CPushButtonView;
class CStaticTextView;

class CSaveQuestionDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 10003;
    enum Answer : std::int32_t { kYes = 1, kCancel = 2, kNo = 3 };

    // `kind` and `name` fill the two %s of the question, in that order.
    CSaveQuestionDialog(const std::string& kind, const std::string& name);

    static Answer Ask(const std::string& kind, const std::string& name);

    void CheckControls() override;
    const CStaticTextView& Question() const { return *fQuestion; }
    CPushButtonView* Button(Answer answer) const;

private:
    CStaticTextView* fQuestion = nullptr;
    CPushButtonView* fYes = nullptr;
    CPushButtonView* fNo = nullptr;
    CPushButtonView* fCancel = nullptr;
};
