// The per-tick halves of the frame loop, both free of OpenGL so tests can tick headless.
#pragma once

// Reads the key latches and takes the first layer that applies.
void stepScreenFlow();

// Counts the frame timers down and runs the rules they release.
void frameStep();
