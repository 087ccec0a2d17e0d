// Program entry: the application object, the two windows, the message loop.
#include "app/AboutBox.h"
#include "app/Unit1.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    try {
        application.Title = "Pixolen";
        application.HelpFile = "PIXOLEN.HLP";
        TForm1 form;
        TAboutBox about(&form);
        form.AboutBox = &about;
        form.show();
        application.Run();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}
