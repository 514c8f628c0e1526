// KTImageManager.h: icon sets per command id, in several sizes and states, with derived images.
//
// Classes: CKTImageManagerIconHandle, CKTImageManagerIcon, CKTImageManagerIconSet,
// CKTImageManager. Accessor: KTImageManager.
#pragma once

#include <afxwin.h>

#include <map>
#include <memory>
#include <vector>

#include "KTAlphaBitmap.h"

class CKTPropExchange;

enum KTImageState
{
    ktImageNormal = 0,
    ktImageDisabled = 1,
    ktImageHot = 2,
    ktImageChecked = 3,
    ktImagePressed = 4,
    ktImageStateCount = 5
};

// An icon or a 32-bit alpha bitmap, borrowed: it frees neither.
class CKTImageManagerIconHandle
{
public:
    CKTImageManagerIconHandle() : m_hIcon(NULL), m_hBitmap(NULL) {}
    CKTImageManagerIconHandle(HICON hIcon) : m_hIcon(hIcon), m_hBitmap(NULL) {}
    CKTImageManagerIconHandle(HBITMAP hBitmap) : m_hIcon(NULL), m_hBitmap(hBitmap) {}

    BOOL IsEmpty() const { return m_hIcon == NULL && m_hBitmap == NULL; }
    BOOL IsAlpha() const { return m_hBitmap != NULL; }
    HICON GetIcon() const { return m_hIcon; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    CSize GetExtent() const;

private:
    HICON m_hIcon;
    HBITMAP m_hBitmap;
};

// One command's image at one size: explicit images per state and the
// disabled, faded and shadow images derived from the normal one on demand.
class CKTImageManagerIcon
{
public:
    CKTImageManagerIcon(UINT nID, int nWidth, int nHeight);
    CKTImageManagerIcon(const CKTImageManagerIcon&) = delete;
    CKTImageManagerIcon& operator=(const CKTImageManagerIcon&) = delete;

    // Takes a copy of the image, resampled to the icon's size when needed.
    BOOL SetIcon(const CKTImageManagerIconHandle& handle, int nState);
    void SetImage(CKTAlphaBitmap&& image, int nState);

    CKTImageManagerIconHandle GetIcon() const;
    CKTImageManagerIconHandle GetHotIcon() const;
    CKTImageManagerIconHandle GetCheckedIcon() const;
    CKTImageManagerIconHandle GetPressedIcon() const;
    CKTImageManagerIconHandle GetFadedIcon();
    CKTImageManagerIconHandle GetShadowIcon();
    // The explicit disabled image, else the derived one (made now when bDerive).
    CKTImageManagerIconHandle GetDisabledIcon(BOOL bDerive = TRUE);
    BOOL HasDisabledIcon() const { return !m_images[ktImageDisabled].IsEmpty(); }
    BOOL IsAlpha() const { return TRUE; }
    // Maps the normal image's luminance between the dark and light colours
    // (-1: the 3-D shadow and highlight colours).
    void CreateDisabledIcon(COLORREF clrLight = static_cast<COLORREF>(-1),
                            COLORREF clrDark = static_cast<COLORREF>(-1));
    // Drops the derived images, to be made again for the current colours.
    void Refresh();

    // Draws an image at the point, at its own size unless one is given.
    void Draw(CDC* pDC, CPoint pt, const CKTImageManagerIconHandle& handle, CSize sz = CSize(0, 0)) const;
    void DrawNormal(CDC* pDC, CPoint pt, CSize sz = CSize(0, 0)) const { Draw(pDC, pt, GetIcon(), sz); }
    // A silhouette of the image in one colour.
    void DrawMono(CDC* pDC, CPoint pt, const CKTImageManagerIconHandle& handle, CSize sz, COLORREF clr) const;

    const CKTAlphaBitmap& GetImage(int nState) const { return m_images[nState]; }

    // Size of an icon from its mask (height halved for monochrome icons).
    static CSize GetExtent(HICON hIcon);
    // A new icon resampled to nWidth (height keeps the aspect ratio); the
    // caller destroys it. NULL for zero sizes.
    static HICON ScaleToFit(HICON hIcon, CSize szExtent, int nWidth);

    UINT m_nID;
    int m_nWidth;
    int m_nHeight;

private:
    CKTImageManagerIconHandle Handle(int nState) const;
    // Fills derived with the normal image, each pixel passed through fn.
    void DeriveFromNormal(CKTAlphaBitmap& derived, const std::function<void(COLORREF& clr, BYTE& alpha)>& fn) const;

    CKTAlphaBitmap m_images[ktImageStateCount];  // explicit images by state
    CKTAlphaBitmap m_derivedDisabled;
    CKTAlphaBitmap m_faded;
    CKTAlphaBitmap m_shadow;
};

// The icons of one command id, smallest first.
class CKTImageManagerIconSet
{
public:
    explicit CKTImageManagerIconSet(UINT nID) : m_nID(nID) {}

    // Exact width, else the nearest; 0 the smallest, 1 the largest.
    CKTImageManagerIcon* GetIcon(int nWidth) const;
    CKTImageManagerIcon* GetOrAddIcon(int nWidth, int nHeight);
    void Refresh();
    const std::vector<std::unique_ptr<CKTImageManagerIcon>>& GetIcons() const { return m_icons; }

private:
    UINT m_nID;
    std::vector<std::unique_ptr<CKTImageManagerIcon>> m_icons;
};

class CKTImageManager
{
public:
    CKTImageManager();
    ~CKTImageManager();
    CKTImageManager(const CKTImageManager&) = delete;
    CKTImageManager& operator=(const CKTImageManager&) = delete;

    // Stores an image for the id, creating its set when missing; a zero size
    // is taken from the image.
    BOOL SetIcon(const CKTImageManagerIconHandle& handle, UINT nID, CSize szIcon = CSize(0, 0),
                 int nState = ktImageNormal);
    // Loads a PNG, 32-bit alpha or plain bitmap resource and gives its
    // slices, left to right, to the non-zero ids; FALSE when it cannot be loaded.
    BOOL SetIcons(UINT nIDResource, const UINT* pCommands, int nCount, CSize szIcon, int nState = ktImageNormal);
    BOOL SetIcons(const CKTAlphaBitmap& strip, const UINT* pCommands, int nCount, CSize szIcon,
                  int nState = ktImageNormal);

    CKTImageManagerIcon* GetImage(UINT nID, int nWidth = 16) const;
    CKTImageManagerIconSet* GetIconSet(UINT nID) const;
    // Stores or loads every image of one id.
    void ExchangeIconSet(UINT nID, CKTPropExchange* pPX);
    void RemoveIcon(UINT nID);
    // Moves the id's images from another manager, replacing this one's.
    void TakeIconSet(CKTImageManager& from, UINT nID);
    void RemoveAll();
    void RefreshAll();

    static COLORREF GetBitmapPixel(HBITMAP hBitmap, int x, int y);
    static HBITMAP Create32BPPDIBSection(HDC hDC, int cx, int cy, LPBYTE* ppBits = NULL);
    // The strip of a resource: "PNG" first, then a bitmap.
    static BOOL LoadStrip(UINT nIDResource, CKTAlphaBitmap& strip);

private:
    CKTImageManagerIconSet* GetOrAddIconSet(UINT nID);

    std::map<UINT, std::unique_ptr<CKTImageManagerIconSet>> m_sets;
};

CKTImageManager* KTImageManager();
