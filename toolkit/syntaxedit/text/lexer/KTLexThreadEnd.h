// Ending a thread that was asked to stop but may never do so.
// Defines: KTLexEndThread.
#pragma once

#include <thread>

// Waits up to waits x waitMs for the thread to end and joins it; a thread
// still running then is terminated (on Windows; elsewhere it is left to
// run on) and detached. Returns TRUE when the thread ended by itself.
bool KTLexEndThread(std::thread& thread, int waitMs, int waits = 1);
