#pragma once

// Dispatches the window messages already waiting for the calling thread, then
// returns without waiting for more.
void dispatchPendingMessages();
