// DialogAnswer.h: the designer's modal dialogs and message boxes answered from inside their own loops.
#pragma once
#include "afxwin.h"

#include <functional>
#include <string>

// Runs the action; the first dialog or box titled pszTitle that shows meanwhile is filled and
// confirmed with OK. The box's text; empty when nothing was answered.
std::string Answering(const char* pszTitle, std::function<void(HWND)> fill, const std::function<void()>& action);

// Where the dialog titled pszTitle that the action opens showed; it is cancelled at once. Empty when none showed.
CRect ShownAt(const char* pszTitle, const std::function<void()>& action);
