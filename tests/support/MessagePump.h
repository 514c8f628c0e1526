// Message pumping for tests: handle what is queued, or wait for a condition.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches everything waiting in the calling thread's queue.
void PumpMessages();

// Pumps until the condition holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs = 5000);
