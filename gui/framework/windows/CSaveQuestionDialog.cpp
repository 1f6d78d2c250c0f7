#include "gui/framework/windows/CSaveQuestionDialog.h"

#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"

namespace {
// Puts each value in place of the next "%s"; the values themselves are not
// read for markers, so a name with "%" in it stays as it is.
std::string Fill(const std::string& pattern, std::initializer_list<const std::string*> values)
{
    std::string result;
    std::size_t from = 0;
    for (const std::string* value : values) {
        const std::size_t at = pattern.find("%s", from);
        if (at == std::string::npos)
            break;
        result.append(pattern, from, at - from).append(*value);
        from = at + 2;
    }
    return result.append(pattern, from, std::string::npos);
}

}  // namespace

CSaveQuestionDialog::CSaveQuestionDialog(const std::string& kind, const std::string& name)
    : CModalDialog(kTemplate)
{
    const DialogItemRecord& text = ItemRecord(4);
    fQuestion = new CStaticTextView(&Root(), text.frame, Fill(text.text, {&kind, &name}));
    fYes = new CPushButtonView(&Root(), ItemRecord(kYes));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    fNo = new CPushButtonView(&Root(), ItemRecord(kNo));
    SetDefaultButton(fYes);
    SetCancelButton(fCancel);
}

CSaveQuestionDialog::Answer CSaveQuestionDialog::Ask(const std::string& kind, const std::string& name)
{
    CSaveQuestionDialog dialog(kind, name);
    return static_cast<Answer>(dialog.RunModal());
}

CPushButtonView* CSaveQuestionDialog::Button(Answer answer) const
{
    switch (answer) {
    case kYes: return fYes;
    case kNo: return fNo;
    case kCancel: return fCancel;
    }
    return nullptr;
}

void CSaveQuestionDialog::CheckControls()
{
    for (Answer answer : {kYes, kNo, kCancel})
        if (Button(answer)->TakePress())
            EndModal(answer);
}
