// KTSystemChange.h: the one path by which changes of the system's colours, settings and visual style reach
// every paint manager.
//
// Classes: IKTSystemChangeSink, CKTSystemChange. Accessor: KTSystemChange.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

enum KTSystemChangeKind
{
    ktSystemChangeColors,       // WM_SYSCOLORCHANGE
    ktSystemChangeSettings,     // WM_SETTINGCHANGE: fonts and metrics
    ktSystemChangeVisualStyle,  // WM_THEMECHANGED
};

// The owner of a paint manager: refreshes its metrics and repaints its windows. The shared colours, fonts
// and icons are already fresh when it is called.
class IKTSystemChangeSink
{
public:
    virtual void OnSystemChange(KTSystemChangeKind nKind) = 0;

protected:
    ~IKTSystemChangeSink() = default;
};

// Refreshes the shared state once per change and then tells every sink. A hidden top-level window of its
// own receives the system's broadcasts while any sink is advised; a window that is sent such a message
// directly hands it to Apply.
class CKTSystemChange
{
public:
    CKTSystemChange() = default;
    CKTSystemChange(const CKTSystemChange&) = delete;
    CKTSystemChange& operator=(const CKTSystemChange&) = delete;

    void Advise(IKTSystemChangeSink* pSink);
    void Unadvise(IKTSystemChangeSink* pSink);
    BOOL IsAdvised(const IKTSystemChangeSink* pSink) const;

    void Apply(KTSystemChangeKind nKind);
    // Applies the change the message reports; FALSE for any other message.
    BOOL ApplyMessage(UINT nMessage);

private:
    void RefreshShared(KTSystemChangeKind nKind);
    void UpdateWatcher();

    std::vector<IKTSystemChangeSink*> m_sinks;  // not owned; each unadvises before it goes
    std::unique_ptr<CWnd> m_pWatcher;           // while there are sinks
};

CKTSystemChange* KTSystemChange();
