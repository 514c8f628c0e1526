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
    if (!foreground.Send(inputs))
        return false;
    return PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) && ::GetCapture() == NULL; },
                     kColdWineDeadlineMs);
}
