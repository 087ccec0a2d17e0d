#include "app/Unit1.h"

void TForm1::ShowFileName() {}
void TForm1::FileNewExecute() {}
void TForm1::FileOpenExecute() {}
void TForm1::FileSaveExecute() {}
void TForm1::FileSaveAsExecute() {}
