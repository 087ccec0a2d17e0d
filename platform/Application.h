#pragma once
// The application object: title, help file, program path, message loop and
// the error report that shows every error escaping a command.
#include "platform/Dialogs.h"

#include <QApplication>

#include <exception>
#include <memory>
#include <string>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    std::string Title;
    std::string HelpFile;
    std::string ExeName() const; // full path of the program file

    void Run();             // the message loop, until the main window has closed
    void ProcessMessages(); // dispatches every pending message, then returns

    // A message box captioned with Title, error icon, one OK button; "." is
    // appended when the message's last character sorts after ".".
    void ShowException(const std::exception& error);
    static std::string ErrorText(const std::string& message);

    // The help engine; there is none on this platform, so every request is refused.
    bool HelpCommand(int command, int data);

    Dialogs& GetDialogs() { return *dialogs_; }
    void SetDialogs(std::unique_ptr<Dialogs> dialogs);

private:
    std::unique_ptr<Dialogs> dialogs_;
};

// The one application object of the process.
TApplication* Application();

// Runs a command; an error escaping it goes to the error report, as the
// message loop does for every handler.
template <class Command>
void Dispatch(Command&& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        Application()->ShowException(error);
    }
}
