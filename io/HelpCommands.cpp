#include "app/Unit1.h"

void TForm1::HelpContentsExecute() {}
void TForm1::HelpIndexExecute() {}
void TForm1::HelpAboutExecute() {}
void TForm1::FileExitExecute() {}
