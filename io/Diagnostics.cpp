#include "app/Unit1.h"

void TForm1::PaletteDumpExecute() {}
void TForm1::FormKeyPress(const QString&) {}
