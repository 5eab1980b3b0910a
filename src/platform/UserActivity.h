// Whether the person at the PC is using the mouse or keyboard: a click at a point of
// the screen waits while they are, so that the pointer is not taken from under them.
#pragma once

// Input of the last second that did not come from the program itself.
bool userActiveRecently();
