#include "app/Unit1.h"

void TForm1::ApplyRunLock(bool) {}
void TForm1::LifeStartExecute() {}
void TForm1::LifeBreakExecute() {}
void TForm1::TrackBar1Change() {}
void TForm1::TrackBar2Change() {}
void TForm1::TrackBar3Change() {}
void TForm1::Edit3Change() {}
void TForm1::Edit4Change() {}
void TForm1::Edit5Change() {}
