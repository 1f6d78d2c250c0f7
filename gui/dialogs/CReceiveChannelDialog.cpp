#include "gui/dialogs/CReceiveChannelDialog.h"

#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CRadioButtonView.h"
#include "gui/framework/views/CGroupBoxView.h"
#include "gui/framework/views/CRadioButtonGroupView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"

CReceiveChannelDialog::CReceiveChannelDialog() : CModalDialog(kTemplate)
{
    new CStaticTextView(&Root(), ItemRecord(kMessage).frame, ItemRecord(kMessage).text);
    const DialogItemRecord& box = ItemRecord(kBox);
    new CGroupBoxView(&Root(), box.frame, box.text);
    fChannels = new CRadioButtonGroupView(&Root(), box.frame);
    for (const std::uint16_t id : {kLeft, kMix, kRight}) {
        DialogItemRecord item = ItemRecord(id);
        item.frame = {item.frame.left - box.frame.left, item.frame.top - box.frame.top,
                      item.frame.right - box.frame.left, item.frame.bottom - box.frame.top};
        new CRadioButtonView(fChannels, item);
    }
    fChannels->Select(0);
    fOK = new CPushButtonView(&Root(), ItemRecord(kOK));
    fCancel = new CPushButtonView(&Root(), ItemRecord(kCancel));
    SetDefaultButton(fOK);
    SetCancelButton(fCancel);
}

std::optional<ReceivedChannel> CReceiveChannelDialog::Ask()
{
    CReceiveChannelDialog dialog;
    if (dialog.RunModal() != kOK)
        return std::nullopt;
    return dialog.Channel();
}

void CReceiveChannelDialog::CheckControls()
{
    if (fOK->TakePress())
        EndModal(kOK);
    if (fCancel->TakePress())
        EndModal(kCancel);
}

ReceivedChannel CReceiveChannelDialog::Channel() const
{
    switch (fChannels->SelectedIndex()) {
    case 1: return ReceivedChannel::kMix;
    case 2: return ReceivedChannel::kRight;
    default: return ReceivedChannel::kLeft;
    }
}
