// A real change of the system colours, as the control panel makes it, repaints every part of the designer's
// frame in the new colours: the bars, the panes, the tabs, the property grid and the editors.
#include "DesignerFrameTest.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "KTCommandBars.h"
#include "KTDockingPane.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTMDIFrameWnd.h"
#include "KTSyntaxEditView.h"
#include "SystemColours.h"
#include "KTTabClientGroup.h"
#include "MessagePump.h"
#include "PixelImage.h"
#include "WorkspaceRes.h"

namespace
{

CRect ScreenRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

bool SamePicture(const std::map<std::string, CPixelImage>& a, const std::map<std::string, CPixelImage>& b)
{
    if (a.size() != b.size())
        return false;
    for (const auto& image : a)
        if (image.second.CountDiffering(b.at(image.first)) != 0)
            return false;
    return true;
}

// The parts as the screen shows them once nothing waits to be painted and the picture holds still: a loaded
// machine may still be painting the generated file, and Wine shows painting only once the thread waits.
bool WaitForSettledPicture(const std::map<std::string, CRect>& parts, std::map<std::string, CPixelImage>& pictures)
{
    const auto settled = [&]
    {
        std::map<std::string, CPixelImage> now;
        for (const auto& part : parts)
            now.emplace(part.first, CPixelImage::FromScreen(part.second));
        const bool bSame = !HIWORD(::GetQueueStatus(QS_PAINT)) && SamePicture(now, pictures);
        pictures = std::move(now);
        return bSame;
    };
    return PumpUntil(settled, kColdWineDeadlineMs);
}

class SystemColourChangeTest : public DesignerFrameTest
{
protected:
    // The screen rectangles of the parts, with a generated file open in an editor tab.
    std::map<std::string, CRect> Parts()
    {
        std::map<std::string, CRect> parts;
        parts["toolbar"] = ScreenRect(m_pFrame->GetCommandBars()->GetAt(1)->GetSafeHwnd());
        HWND hContainer = m_pFrame->m_paneManager.FindPane(ID_PANE_PROJECT_TREE)->GetTabbedContainer()->GetSafeHwnd();
        CRect rcCaption = ScreenRect(hContainer);
        rcCaption.bottom = rcCaption.top + 16;
        parts["pane caption"] = rcCaption;
        CRect rcTabs = m_pFrame->m_wndTabClient.GetGroup(0)->m_rcHeaderRect;
        m_pFrame->m_wndTabClient.ClientToScreen(rcTabs);
        parts["tabs"] = rcTabs;
        parts["grid"] = ScreenRect(m_pFrame->m_wndSettings.Page(CProtocolSettingsPane::kProjectPage).GetSafeHwnd());
        CMDIChildWnd* pChild = m_pFrame->MDIGetActive();
        auto* pView = pChild ? dynamic_cast<CKTSyntaxEditView*>(pChild->GetActiveView()) : nullptr;
        parts["editor"] = pView ? ScreenRect(pView->GetEditCtrl()->GetSafeHwnd()) : CRect();
        return parts;
    }
};

const COLORREF kFace = RGB(211, 23, 167);
const COLORREF kWindow = RGB(23, 211, 167);
const COLORREF kCaption = RGB(167, 211, 23);
const COLORREF kInactiveCaption = RGB(131, 67, 29);

}  // namespace

TEST_F(SystemColourChangeTest, EveryPartRepaintsInTheNewColours)
{
    m_pFrame->ReadSolutionFile(ExampleNamed(m_folder, "hue").c_str());
    Select(ProjectItem("hue"));
    RunCommand(ID_BUILD_GENERATE_CODE);
    const std::map<std::string, CRect> parts = Parts();
    for (const auto& part : parts)
        ASSERT_FALSE(part.second.IsRectEmpty()) << part.first;
    std::map<std::string, CPixelImage> before;
    ASSERT_TRUE(WaitForSettledPicture(parts, before));

    {
        CSystemColours colours({{COLOR_BTNFACE, kFace},
                                {COLOR_WINDOW, kWindow},
                                {COLOR_ACTIVECAPTION, kCaption},
                                {COLOR_INACTIVECAPTION, kInactiveCaption}});
        ASSERT_TRUE(colours.IsSet());
        for (const auto& part : parts)
        {
            const CPixelImage& old = before.at(part.first);
            // Most of a part is face or window or drawn from them; what the system paints itself is not enough.
            const auto mostlyRepainted = [&]
            { return CPixelImage::FromScreen(part.second).CountDiffering(old) * 2 > old.Width() * old.Height(); };
            EXPECT_TRUE(PumpUntil(mostlyRepainted, kColdWineDeadlineMs))
                << part.first << " repaints in the new colours";
        }
    }
    for (const auto& part : parts)
    {
        const CPixelImage& old = before.at(part.first);
        const auto backAsBefore = [&]
        { return CPixelImage::FromScreen(part.second).CountDiffering(old) * 10 < old.Width() * old.Height(); };
        EXPECT_TRUE(PumpUntil(backAsBefore, kColdWineDeadlineMs)) << part.first << " follows the colours back";
    }
}
