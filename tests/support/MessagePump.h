// Message pumping for tests: handle what is queued, or wait for a condition.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches everything waiting in the calling thread's queue. A WM_QUIT taken is kept for QuitPumped.
void PumpMessages();

// TRUE once the pumps above took a WM_QUIT since the last call, with its exit code; the quit is forgotten.
bool QuitPumped(WPARAM* pnExitCode = nullptr);

// How long a test waits for a state it needs from another process, a first start or a loop: a cold Wine,
// a new prefix or a loaded machine can take seconds over what is quick on a warm one.
const DWORD kColdWineDeadlineMs = 30000;

// Pumps until the condition holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs = 5000);
