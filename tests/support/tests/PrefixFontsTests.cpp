// The faces the editor and printing ask for by name resolve to a fixed-pitch font in the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace
{

// A font of the face selected into a screen-compatible DC, undone in reverse order.
class CSelectedFace
{
public:
    explicit CSelectedFace(const char* pszFace)
        : m_hdc(::CreateCompatibleDC(nullptr)),
          m_hFont(::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, pszFace)),
          m_hOld(m_hdc && m_hFont ? ::SelectObject(m_hdc, m_hFont) : nullptr)
    {
    }
    ~CSelectedFace()
    {
        if (m_hOld)
            ::SelectObject(m_hdc, m_hOld);
        if (m_hFont)
            ::DeleteObject(m_hFont);
        if (m_hdc)
            ::DeleteDC(m_hdc);
    }
    CSelectedFace(const CSelectedFace&) = delete;
    CSelectedFace& operator=(const CSelectedFace&) = delete;

    HDC DC() const { return m_hOld ? m_hdc : nullptr; }

private:
    HDC m_hdc;
    HFONT m_hFont;
    HGDIOBJ m_hOld;
};

std::string FaceOf(HDC hdc)
{
    char szFace[LF_FACESIZE] = "";
    ::GetTextFaceA(hdc, sizeof szFace, szFace);
    return szFace;
}

int WidthOf(HDC hdc, const char* pszText)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, pszText, lstrlenA(pszText), &size);
    return size.cx;
}

}  // namespace

TEST(PrefixFonts, CourierFacesAreFixedPitch)
{
    for (const char* pszFace : {"Courier", "Courier New"})
    {
        CSelectedFace face(pszFace);
        ASSERT_TRUE(face.DC() != nullptr) << pszFace;
        TEXTMETRICA tm = {};
        ASSERT_TRUE(::GetTextMetricsA(face.DC(), &tm));
        // The flag is named the wrong way round: set means variable pitch.
        EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH) << pszFace << " resolves to " << FaceOf(face.DC());
        EXPECT_EQ(WidthOf(face.DC(), "iiii"), WidthOf(face.DC(), "WWWW"))
            << pszFace << " resolves to " << FaceOf(face.DC());
    }
}
