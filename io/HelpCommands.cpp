// The Help menu, the about box and Exit.
#include "app/AboutBox.h"
#include "app/Unit1.h"
#include "platform/Application.h"
#include "platform/Paths.h"

#include <string>

namespace {
// The help engine's "show the help topics window at this tab" request.
constexpr int HelpTab = 15;
constexpr int ContentsTab = -3;
constexpr int IndexTab = -2;
const char* const HelpDocument = "Pixolen.chm";
} // namespace

void TForm1::HelpContentsExecute()
{
    if (Application()->HelpCommand(HelpTab, ContentsTab)) return;
    // The compiled help document instead: beside the program, else two
    // folders above it. Relative names are taken from the program's folder,
    // which stays the current directory afterwards.
    SetCurrentDir(ExtractFileDir(Application()->ExeName()));
    std::string name = HelpDocument;
    if (!FileExists(name)) name = std::string("../../") + HelpDocument;
    Application()->GetDialogs().OpenDocument(name);
}

void TForm1::HelpIndexExecute()
{
    Application()->HelpCommand(HelpTab, IndexTab); // no fallback for the index
}

void TForm1::HelpAboutExecute()
{
    if (AboutBox != nullptr) AboutBox->exec();
}

void TForm1::FileExitExecute()
{
    close();
}
