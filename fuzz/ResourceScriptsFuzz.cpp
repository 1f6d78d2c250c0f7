// Feeds arbitrary bytes through the script parser, and every entry it yields
// through the alert and menu parsers, as a script resource of any origin would.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CAlertLayout.h"
#include "framework/resources/CMenu.h"
#include "framework/resources/CResourceTextTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const CResourceTextTable table("SALR", 1, script);
    CAlertArguments arguments("[^0^1]");
    arguments.Add(script.substr(0, 80));
    for (std::size_t i = 0; i < CResourceTextTable::kSlotCount; ++i) {
        const auto& entry = table.Entry(i);
        if (!entry)
            continue;
        const CAlertLayout layout(ParseAlertScript(*entry, arguments));
        for (int item = CAlertLayout::kButton1; item <= CAlertLayout::kIconItem; ++item)
            layout.ItemRect(item);
        auto menu = CMenu::FromScript(*entry);
        for (const MenuItemRecord& record : menu->Records())
            CMenu::NativeItemText(record);
        menu->FindShortcut('O');
        menu->Reset();
    }
    return 0;
}
