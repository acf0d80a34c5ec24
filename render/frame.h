// The drawing half of the display callback: reads the state and draws one frame.
#pragma once

void drawFrame();
