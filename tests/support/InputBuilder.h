// The INPUT records that make up keystrokes and mouse actions, in screen coordinates.
#pragma once

#include <windows.h>

#include <vector>

namespace InputBuilder
{
void AddKey(std::vector<INPUT>& inputs, WORD wVirtualKey, bool bDown);
// A character pressed and released as itself, for one the keyboard layout has no key for.
void AddChar(std::vector<INPUT>& inputs, char ch);
void AddModifiers(std::vector<INPUT>& inputs, unsigned nModifiers, bool bDown);
void AddMove(std::vector<INPUT>& inputs, POINT ptScreen);
void AddButton(std::vector<INPUT>& inputs, DWORD dwFlags);
void AddWheel(std::vector<INPUT>& inputs, int nDelta);
// A left-button drag as one batch, through nSteps even moves: a loop that runs its own GetMessage
// from the press on would wait forever for a drag sent step by step.
void AddDrag(std::vector<INPUT>& inputs, POINT ptFrom, POINT ptTo, int nSteps);
}  // namespace InputBuilder
