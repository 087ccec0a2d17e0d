#pragma once
// The modal dialogs and shell calls the program needs. The window asks the
// application object for them, so tests can answer them without a screen.
#include "raster/Color.h"

#include <optional>
#include <string>

struct FileDialogSettings {
    std::string Title;      // empty: the system's title
    std::string Filter;     // "name|pattern|name|pattern", empty: none
    std::string DefaultExt; // appended to a typed name without one
    std::string InitialDir;
    std::string FileName;
};

enum class MessageIcon { None, Error };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual std::optional<TColor> ChooseColor(TColor initial);
    virtual std::optional<std::string> OpenFile(const FileDialogSettings& settings);
    virtual std::optional<std::string> SaveFile(const FileDialogSettings& settings);
    // Answers the field's text after OK and `initial` after cancel.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& initial);
    virtual void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon);
    // Hands a document to the desktop's default handler; the answer is not needed.
    virtual void OpenDocument(const std::string& name);
};
