// A notify window that records what the control tells it, and a control over a real generated C file in it.
#pragma once

#include <afxwin.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditNotify.h"
#include "MessagePump.h"
#include "PixelImage.h"

// One WM_NOTIFY as the notify window saw it.
struct CRecordedNotify
{
    int nCode;
    int nFirst;  // first value after the header, 0 when none
    int nSecond;
    int nThird;
};

class CNotifyWindow : public CWnd
{
public:
    CNotifyWindow(int cx, int cy);
    ~CNotifyWindow() override;

    std::vector<CRecordedNotify> m_arNotifies;
    LRESULT m_nCanEditAnswer = 0;  // answer to "may the text change"

    std::vector<CRecordedNotify> Of(int nCode) const;
    void Clear() { m_arNotifies.clear(); }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A control of a fixed size over a buffer loaded from the generated C file.
class CEditTestWindow
{
public:
    explicit CEditTestWindow(BOOL bLoadFile = TRUE, int cx = 600, int cy = 400);
    // The same over a control of the test's own kind.
    CEditTestWindow(std::unique_ptr<CKTSyntaxEditCtrl> pCtrl, BOOL bLoadFile, int cx, int cy);
    ~CEditTestWindow();

    CNotifyWindow& Parent() { return *m_pParent; }
    CKTSyntaxEditCtrl& Ctrl() { return *m_pCtrl; }
    CKTSyntaxEditBufferManager* Buffer() { return m_pCtrl->GetBuffer(); }
    CString Text();                      // the whole text with CR LF line ends
    void LoadDataFile();                 // the generated C file, coloured by the configuration in force
    void LoadText(std::string strText);  // a text of the test's own as a C file, likewise
    BOOL ParseEnded() const;             // a parse ended since the notify window was last cleared

private:
    std::unique_ptr<CNotifyWindow> m_pParent;
    std::unique_ptr<CKTSyntaxEditCtrl> m_pCtrl;
};

std::string ReadDataFile(const char* pszName);
// The program folder's configuration beside the test program.
CString ConfigIniPath();
// Pixels of the rectangle near the colour.
int CountNear(const CPixelImage& image, const CRect& rc, COLORREF clr);
