#include "platform/Application.h"

#include <QCoreApplication>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), dialogs_(std::make_unique<Dialogs>())
{
}

TApplication::~TApplication() = default;

std::string TApplication::ExeName() const
{
    return QCoreApplication::applicationFilePath().toStdString();
}

void TApplication::Run()
{
    exec();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::string TApplication::ErrorText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void TApplication::ShowException(const std::exception& error)
{
    dialogs_->ShowMessage(Title, ErrorText(error.what()), MessageIcon::Error);
}

bool TApplication::HelpCommand(int, int)
{
    return false;
}

void TApplication::SetDialogs(std::unique_ptr<Dialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

TApplication* Application()
{
    return static_cast<TApplication*>(QCoreApplication::instance());
}
