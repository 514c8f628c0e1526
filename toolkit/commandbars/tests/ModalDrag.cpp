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
    InputBuilder::AddDrag(inputs, ptFrom, ptTo, 4);
    if (::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        return false;
    const bool bReleased =
        PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) && ::GetCapture() == NULL; }, 2000);
    PumpMessages();
    return bReleased;
}
