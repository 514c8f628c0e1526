// KTStyleResourceSet.h: style INI text and named images from a module the caller supplies.
//
// Classes: CKTStyleImage, CKTStyleResourceSet. Accessor: KTStyleResourceSet.
#pragma once

#include <afxmt.h>
#include <afxwin.h>

#include <map>
#include <memory>
#include <string>

#include "KTAlphaBitmap.h"
#include "KTPaintManagerColor.h"

// One style image, drawn in parts with margins that keep their size.
class CKTStyleImage
{
public:
    CKTStyleImage();
    CKTStyleImage(const CKTStyleImage&) = delete;
    CKTStyleImage& operator=(const CKTStyleImage&) = delete;

    // A PNG (with alpha) or a bitmap (alpha only when it has its own).
    BOOL LoadPng(const void* pData, size_t cbData);
    BOOL LoadBitmap(HBITMAP hBitmap);

    int GetWidth() const { return m_image.GetWidth(); }
    int GetHeight() const { return m_image.GetHeight(); }
    BOOL IsAlphaImage() const { return m_bAlpha; }
    // Part nIndex of nCount equal parts stacked vertically; empty without an image.
    CRect GetSource(int nIndex = 0, int nCount = 1) const;

    // The source part into the destination; the four margin strips keep
    // their size, edges and middle stretch.
    void DrawImagePart(CDC* pDC, CRect rcDest, CRect rcSrc, int nLeft, int nTop, int nRight, int nBottom);
    // As DrawImagePart; a colour other than -1 is transparent in an image without alpha.
    void DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcMargins,
                   COLORREF clrTransparent = static_cast<COLORREF>(-1));
    // As DrawImage; flag bit 1 turns an image without alpha into one whose
    // transparent-colour pixels are fully transparent.
    void DrawImageWithFlags(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcMargins,
                            COLORREF clrTransparent, DWORD dwFlags);

private:
    const CKTAlphaBitmap& ImageFor(COLORREF clrTransparent);

    CKTAlphaBitmap m_image;  // the pixels, opaque when the source had no alpha
    CKTAlphaBitmap m_keyed;  // m_image with one colour made transparent
    COLORREF m_clrKeyed;     // the colour m_keyed was made for
    BOOL m_bAlpha;           // the source had alpha of its own
};

// The process-wide style: INI text, and images cached by name.
class CKTStyleResourceSet
{
public:
    CKTStyleResourceSet();
    CKTStyleResourceSet(const CKTStyleResourceSet&) = delete;
    CKTStyleResourceSet& operator=(const CKTStyleResourceSet&) = delete;

    // Takes the INI text (resource type "TEXTFILE") and later the images of
    // the module; the module stays the caller's. NULL unloads the style.
    BOOL SetStyleModule(HMODULE hModule, LPCSTR lpszIniName);
    BOOL IsLoaded() const;

    // "%i %i %i" as red, green, blue; -1 without text or key.
    COLORREF GetColor(LPCSTR lpszSection, LPCSTR lpszKey) const;
    // The colour of the key into the target; a missing key keeps what the target held, as
    // -1 there would paint black or nothing. FALSE when the key was missing.
    BOOL ReadColor(LPCSTR lpszSection, LPCSTR lpszKey, COLORREF& clr) const;
    BOOL ReadColor(LPCSTR lpszSection, LPCSTR lpszKey, CKTPaintManagerColor& clr) const;
    // Each end from its own key, kept where that key is missing; the factor is taken either way.
    void ReadGradient(LPCSTR lpszSection, LPCSTR lpszLight, LPCSTR lpszDark, float fFactor,
                      CKTPaintManagerColorGradient& grc) const;
    // The named image ("PNG", else bitmap); NULL without module, name or image.
    CKTStyleImage* GetImage(LPCSTR lpszName);

private:
    BOOL FindValue(LPCSTR lpszSection, LPCSTR lpszKey, CString& strValue) const;
    std::unique_ptr<CKTStyleImage> LoadNamedImage(LPCSTR lpszName) const;

    mutable CCriticalSection m_lock;                                 // guards the text, module and cache
    HMODULE m_hModule;                                               // not owned
    CString m_strIni;                                                // the loaded INI text
    std::map<std::string, std::unique_ptr<CKTStyleImage>> m_images;  // by upper-case name
};

CKTStyleResourceSet* KTStyleResourceSet();
