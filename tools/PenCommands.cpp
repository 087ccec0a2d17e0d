#include "app/Unit1.h"

void TForm1::PenStamp(int, int) {}
void TForm1::DrawSwatches() {}
void TForm1::Image1MouseDown(MouseButton, ShiftState, int, int) {}
void TForm1::Image1MouseMove(ShiftState, int, int) {}
void TForm1::Image1MouseUp(MouseButton, ShiftState, int, int) {}
void TForm1::Edit9Change() {}
void TForm1::SpeedButton1Click() {}
void TForm1::SpeedButton2Click() {}
void TForm1::SpeedButton3Click() {}
void TForm1::penimageDblClick() {}
void TForm1::backimageDblClick() {}
