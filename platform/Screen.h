#pragma once
// The primary screen as the system shows it now, our own window included.
#include "raster/Raster.h"

// Its whole contents in 24 bits, one pixel per device pixel; an empty picture
// when there is no screen or the platform does not let us read it.
Raster GrabPrimaryScreen();
