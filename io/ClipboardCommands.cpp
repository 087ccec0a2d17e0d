#include "app/Unit1.h"

void TForm1::ImageCopyExecute() {}
void TForm1::ImagePasteExecute() {}
void TForm1::ImageHCExecute() {}
