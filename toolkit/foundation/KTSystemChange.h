// KTSystemChange.h: the one path by which changes of the system's colours, settings and visual style reach
// every paint manager.
//
// Classes: IKTSystemChangeSink, CKTSystemChange. Accessor: KTSystemChange.
#pragma once

#include <afxwin.h>

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

// Refreshes the shared state once per change and then tells every sink. The system sends its changes to
// top-level windows only: the frame that holds the paint managers hands them on (the command bars do it for
// theirs), and so does any window that is sent such a message directly. No other window refreshes the shared
// state itself.
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

    std::vector<IKTSystemChangeSink*> m_sinks;  // not owned; each unadvises before it goes
};

CKTSystemChange* KTSystemChange();
