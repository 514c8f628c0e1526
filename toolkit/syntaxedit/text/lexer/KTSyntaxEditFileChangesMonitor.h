// Watches the configuration, theme and scheme files from a low-priority
// thread and reports which one changed, appeared or was removed.
// Defines: KT_EDIT_MONITOREDFILE, CKTSyntaxEditFileChangesMonitor.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "KTLexFiles.h"
#include "KTLexWorker.h"

struct KT_EDIT_MONITOREDFILE
{
    std::string strPath;
    KT_EDIT_FILEIDENTITY identity;
    bool bExists = false;
    int nKind = 0;  // 1 scheme, 2 theme, 4 configuration file
};

class CKTSyntaxEditFileChangesMonitor
{
public:
    enum Change
    {
        ktChanged = 0,
        ktAppeared = 1,
        ktRemoved = 2
    };
    // (path, kind, change); called on the monitor's thread.
    using Handler = std::function<void(const std::string&, int, int)>;
    // Called on the monitor's thread when a fault ends it; the thread is over once it returns.
    using FaultHandler = std::function<void()>;

    explicit CKTSyntaxEditFileChangesMonitor(int periodMs = 3000) : m_nPeriodMs(periodMs)
    {
        m_worker.SetPriority(CKTLexWorker::kLowestPriority);
    }
    ~CKTSyntaxEditFileChangesMonitor() { Stop(); }

    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    void SetFaultHandler(FaultHandler handler) { m_faultHandler = std::move(handler); }
    void SetBaseFolder(const std::string& folder) { m_strBaseFolder = folder; }
    const std::string& GetBaseFolder() const { return m_strBaseFolder; }
    // Resolves path in place (also against the base folder) and watches it;
    // TRUE when the file exists. Only while stopped.
    bool AddFile(std::string& path, int kind);
    // FALSE when the system makes no thread (or the last one still runs): nothing is watched then.
    [[nodiscard]] bool Start();
    // Ends the thread (terminated when it does not end within the stop wait)
    // and empties the list; FALSE when it had to be terminated.
    bool Stop();
    // 20 s; tests shorten it.
    void SetStopWait(int waitMs) { m_worker.SetStopWait(waitMs); }
    // A thread was cut off: a lock its handler held may stay taken.
    bool WasCutOff() const { return m_worker.WasCutOff(); }
    void CheckFiles();

private:
    void Watch();

    int m_nPeriodMs;
    std::string m_strBaseFolder;
    Handler m_handler;
    FaultHandler m_faultHandler;
    std::vector<KT_EDIT_MONITOREDFILE> m_files;  // changed only while the thread is stopped
    CKTLexWorker m_worker{20000};
};
