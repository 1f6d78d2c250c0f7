#pragma once
// A dialog template's item that the dialog cannot do without.
#include <cstdint>

#include "framework/exceptions/Exceptions.h"
#include "gui/framework/windows/CABCWindow.h"

// XInternalError when the template lacks the item.
inline const DialogItemRecord& RequiredItem(const CABCWindow& window, std::uint16_t id)
{
    const DialogItemRecord* item = window.FindItem(id);
    if (!item)
        throw XInternalError();
    return *item;
}
