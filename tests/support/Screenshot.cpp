// Saves what a window shows as a PNG beside the test programs, for a person to look at.
#include "Screenshot.h"

#include "PixelImage.h"
#include "PngWriter.h"

#include <filesystem>

std::string SaveScreenshot(HWND hWnd, const std::string& strName)
{
    RECT rc;
    if (!::GetWindowRect(hWnd, &rc))
        return std::string();
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::error_code error;
    std::filesystem::create_directories("screenshots", error);
    const std::string strPath = (std::filesystem::path("screenshots") / (strName + ".png")).string();
    return WritePng(CPixelImage::FromScreen(rc), strPath) ? strPath : std::string();
}
