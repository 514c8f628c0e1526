// ModalDrag.cpp: a whole drag sent at once.
#include "ModalDrag.h"

#include "InputBuilder.h"
#include "MessagePump.h"
#include "TestInput.h"

#include <vector>

bool DragAtOnce(HWND hForeground, CPoint ptFrom, CPoint ptTo)
{
    CTestInput foreground(hForeground);
    std::vector<INPUT> inputs;
    InputBuilder::AddMove(inputs, ptFrom);
    InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 4; i++)
        InputBuilder::AddMove(inputs, ptFrom + CSize((ptTo - ptFrom).cx * i / 4, (ptTo - ptFrom).cy * i / 4));
    InputBuilder::AddButton(inputs, MOUSEEVENTF_LEFTUP);
    if (::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        return false;
    const bool bReleased =
        PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) && ::GetCapture() == NULL; }, 2000);
    PumpMessages();
    return bReleased;
}
