// KTRibbonCaptionButton.h: a close, restore, maximise or minimise button in the caption the ribbon draws for its frame.
//
// Classes: CKTRibbonCaptionButton.
#pragma once

#include "KTControlButton.h"

class CKTFrameRegionHelper;

class CKTRibbonCaptionButton : public CKTControlButton
{
public:
    // nCommand: SC_CLOSE, SC_RESTORE, SC_MAXIMIZE or SC_MINIMIZE, which is also its id.
    CKTRibbonCaptionButton(CKTFrameRegionHelper* pFrameRegion, UINT nCommand);

    CSize GetSize(CDC*) override { return m_rcControl.Size(); }
    void Draw(CDC* pDC) override;
    // A glyph only: no caption shows, so no letter runs it.
    BOOL IsDrawnByItself() const override { return TRUE; }
    // The frame runs the command as if its own caption button had been pressed.
    void OnExecute() override;

private:
    CKTFrameRegionHelper* m_pFrameRegion;  // the ribbon's, which removes this button before it goes
};
