#pragma once
// Rename Sampler (template 1104): the current name and a new one of at most
// 40 characters; OK with an empty name shows alert 64 and keeps the dialog.
#include <cstdint>

#include "gui/framework/windows/CModalDialog.h"

class CInstalledSampler;
class CPushButtonView;
class CSingleLineTextEditView;

class CRenameSamplerDialog : public CModalDialog {
public:
    static constexpr std::uint16_t kTemplate = 1104;
    enum ItemId : std::uint16_t { kOK = 1, kCancel = 2, kCurrentName = 3, kNewName = 5, kHelp = 7 };

    explicit CRenameSamplerDialog(CInstalledSampler& sampler);

    CSingleLineTextEditView& NewName() const { return *fNewName; }
    CPushButtonView& Button(ItemId id) const;
    void CheckControls() override;

private:
    CInstalledSampler& fSampler;
    CSingleLineTextEditView* fNewName = nullptr;
    CPushButtonView* fOK = nullptr;
    CPushButtonView* fCancel = nullptr;
    CPushButtonView* fHelp = nullptr;
};
