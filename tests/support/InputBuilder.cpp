// The INPUT records that make up keystrokes and mouse actions, in screen coordinates.
#include "InputBuilder.h"

#include "TestInput.h"

namespace InputBuilder
{

void AddKey(std::vector<INPUT>& inputs, WORD wVirtualKey, bool bDown)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVirtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(wVirtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(input);
}

void AddChar(std::vector<INPUT>& inputs, char ch)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<unsigned char>(ch);
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(input);
}

void AddModifiers(std::vector<INPUT>& inputs, unsigned nModifiers, bool bDown)
{
    static const struct
    {
        unsigned nModifier;
        WORD wVirtualKey;
    } kKeys[] = {{CTestInput::kControl, VK_CONTROL}, {CTestInput::kAlt, VK_MENU}, {CTestInput::kShift, VK_SHIFT}};
    for (const auto& key : kKeys)
        if (nModifiers & key.nModifier)
            AddKey(inputs, key.wVirtualKey, bDown);
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen; rounding up keeps
// the point on the intended pixel after the system scales it back.
void AddMove(std::vector<INPUT>& inputs, POINT ptScreen)
{
    const LONG cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (ptScreen.x * 65536 + cx - 1) / cx;
    input.mi.dy = (ptScreen.y * 65536 + cy - 1) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(input);
}

void AddButton(std::vector<INPUT>& inputs, DWORD dwFlags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    inputs.push_back(input);
}

void AddWheel(std::vector<INPUT>& inputs, int nDelta)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(nDelta);
    inputs.push_back(input);
}

void AddDrag(std::vector<INPUT>& inputs, POINT ptFrom, POINT ptTo, int nSteps)
{
    AddMove(inputs, ptFrom);
    AddButton(inputs, MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= nSteps; i++)
        AddMove(inputs, {ptFrom.x + (ptTo.x - ptFrom.x) * i / nSteps, ptFrom.y + (ptTo.y - ptFrom.y) * i / nSteps});
    AddButton(inputs, MOUSEEVENTF_LEFTUP);
}

}  // namespace InputBuilder
