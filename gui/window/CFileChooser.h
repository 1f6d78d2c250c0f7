#pragma once
// The open and save file dialogs with the program's file-type filters.
#include <optional>
#include <string>

#include "framework/files/CFileSpec.h"
#include "framework/files/CFileTypeList.h"

class CFileType;
class QWidget;

class CFileChooser {
public:
    struct Choice {
        CFileSpec file;
        const CFileType* type = nullptr;  // the type whose filter was chosen
    };

    // A file to open, or nothing when the dialog was cancelled.
    static std::optional<std::string> AskToOpen(QWidget* parent, const std::string& title, const CFileTypeList& types);
    // A file to write under suggestedName; the chosen type's first extension
    // is added when the name has none of its own.
    static std::optional<Choice> AskToSave(QWidget* parent, const std::string& title, const std::string& suggestedName,
                                           const CFileTypeList& types);
};
