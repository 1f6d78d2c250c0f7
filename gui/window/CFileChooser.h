#pragma once
// The open and save file dialogs with the program's file-type filters. The
// open dialog starts on the entry that shows every type it offers. Both start
// in the folder the last dialog ended in (kept in the settings) unless the
// caller names one, and remember the folder of the file chosen.
#include <memory>
#include <optional>
#include <string>

#include "framework/files/CFileSpec.h"
#include "framework/files/CFileTypeList.h"

class CFileType;
class QFileDialog;
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
    // is added when the name has none of its own; an extension of an offered
    // type chooses that type. folder: where the dialog starts, empty for the
    // folder last used.
    static std::optional<Choice> AskToSave(QWidget* parent, const std::string& title, const std::string& suggestedName,
                                           const CFileTypeList& types, const std::string& folder = {});

    // The dialogs as they start, before they run.
    static std::unique_ptr<QFileDialog> MakeOpenDialog(QWidget* parent, const std::string& title,
                                                       const CFileTypeList& types);
    static std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const std::string& title,
                                                       const std::string& suggestedName, const CFileTypeList& types,
                                                       const std::string& folder);
    // The folder the last dialog ended in; the home folder before the first.
    static std::string LastFolder();

private:
    // Runs the dialog modally; true when a file was chosen (its folder is remembered).
    static bool Run(QFileDialog& dialog);
};
