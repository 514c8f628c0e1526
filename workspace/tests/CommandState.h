// CommandState.h: whether a frame's command is enabled, as its menus and bars would show it.
#pragma once
#include "afxwin.h"

// 1 enabled, 0 disabled, -1 where no handler says.
inline int CommandStateOf(CCmdTarget& frame, UINT nId)
{
    class CStateRecorder : public CCmdUI
    {
    public:
        int m_nEnabled = -1;
        void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
    } state;
    state.m_nID = nId;
    frame.OnCmdMsg(nId, CN_UPDATE_COMMAND_UI, &state, nullptr);
    return state.m_nEnabled;
}
