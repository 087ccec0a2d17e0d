#include "app/Unit1.h"

void TForm1::DrawPalette() {}
void TForm1::palleteMouseDown(MouseButton, ShiftState, int, int) {}
void TForm1::palleteMouseMove(ShiftState, int, int) {}
