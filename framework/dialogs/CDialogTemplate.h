#pragma once
// A dialog template: the window's size and title, its font and its items, in
// dialog units. Templates are text resources of type DLG, one statement a line
// ("#" starts a comment line; texts in double quotes with \" and \\ escapes):
//
//   size 190 80                        width and height in dialog units
//   title ""                           empty: the window shows the application's name
//   font 8 "MS Sans Serif"             point size and face
//   item 1 pushbutton 10 60 54 14 "OK" [disabled] [class "name"]
//
// Item kinds: pushbutton radiobutton combobox groupbox checkbox static edit
// control (with class "name") frame icon scrollbar.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dialogs/CDialogUnits.h"
#include "framework/dialogs/DialogItemRecord.h"

class CDialogTemplate {
public:
    struct Item {
        std::uint16_t id = 0;
        DialogItemKind kind = DialogItemKind::kStaticText;
        int x = 0, y = 0, width = 0, height = 0;
        bool enabled = true;
        std::string text;
        std::string className;
    };

    // Raises XBadFormat for a statement it cannot read, a missing size, an
    // out-of-range number or an item id used twice.
    static CDialogTemplate Parse(std::string_view text);
    // The embedded template DLG `number`; XNotFound when there is none.
    static CDialogTemplate Load(std::uint16_t number);

    const std::string& Title() const { return fTitle; }
    std::string WindowTitle(std::string_view applicationName) const;
    int PointSize() const { return fPointSize; }
    const std::string& FontName() const { return fFontName; }
    int Width() const { return fWidth; }
    int Height() const { return fHeight; }
    const std::vector<Item>& Items() const { return fItems; }

    // The items with their frames converted to pixels.
    std::vector<DialogItemRecord> ItemRecords(const CDialogUnits& units) const;

private:
    std::string fTitle;
    int fPointSize = 8;
    std::string fFontName = "MS Sans Serif";
    int fWidth = 0;
    int fHeight = 0;
    std::vector<Item> fItems;
};
