// The per-frame game step: counts the frame timers down and runs what they release.
#include "app/screen_flow.h"

// PLACEHOLDER: no screen that runs frame timers exists yet; the turn progression fills this.
void frameStep() {}
