// The syntax colouring configuration: the INI file that names the themes
// and schemes, their loading, and their reloading when files change.
// Defines: IKTSyntaxEditConfigEvents, CKTSyntaxEditConfigurationManager.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "KTLexWorker.h"
#include "KTSyntaxEditFileChangesMonitor.h"
#include "KTSyntaxEditIniReader.h"
#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditSchemeSet.h"
#include "KTSyntaxEditThemeSet.h"

// Hears the configuration: 10 a scheme changed (change code; the new schema
// or none when it is gone), 11 a theme changed (its name; the theme, or none
// when it was removed), 12 a reload
// ended. Called on the thread that made the change, after every lock of the
// manager is released; a receiver posts to its own thread, does not block,
// and neither advises nor unadvises from inside.
class IKTSyntaxEditConfigEvents
{
public:
    enum
    {
        ktSchemeChanged = 10,
        ktThemeChanged = 11,
        ktReloaded = 12
    };
    virtual ~IKTSyntaxEditConfigEvents() = default;
    virtual void OnConfigEvent(int code, int change, const std::string& name,
                               const CKTSyntaxEditLexTextSchema::Ptr& schema,
                               const CKTSyntaxEditThemeSet::ThemePtr& theme) = 0;
};

class CKTSyntaxEditConfigurationManager : public CKTLexCounted
{
public:
    enum FileKind
    {
        ktKindScheme = 1,
        ktKindTheme = 2,
        ktKindConfig = 4
    };

    explicit CKTSyntaxEditConfigurationManager(int monitorPeriodMs = 3000);

    // Stores the path and reloads on the calling thread; ReloadConfig's answer.
    bool SetConfigFile(const std::string& path);
    std::string GetConfigFile() const;
    // FALSE when it was stopped, or when the files it read cannot be watched (IsWatchLost).
    bool ReloadConfig();
    // Reloads on a worker thread of that priority (the platform's values, 0 normal);
    // a request during a reload reloads once more after it.
    bool ReloadConfigAsync(int priority = 0);
    // Ends the threads and drops themes and schemes; called when the last text goes.
    // The reload is given 30 s and the monitor 20 s before they are terminated.
    void Close();
    // Tests shorten the waits.
    void SetStopWaits(int reloadMs, int monitorMs)
    {
        m_reloadWorker.SetStopWait(reloadMs);
        m_monitor.SetStopWait(monitorMs);
    }

    // Applies the theme to every schema held, and to a schema the caller holds when one is given.
    void SetTheme(const std::string& name,
                  const CKTSyntaxEditLexTextSchema::Ptr& schema = CKTSyntaxEditLexTextSchema::Ptr());
    std::string GetThemeName() const;
    // The values of the theme in force, for schemas the configuration does not hold.
    KTLexThemeLookup GetThemeLookup() const;
    CKTSyntaxEditLexTextSchema::Ptr GetSchemaForFileType(const std::string& fileType) const;
    CKTSyntaxEditLexTextSchema::Ptr GetSchema(const std::string& name) const;
    std::vector<std::string> GetSchemeNames() const;
    // Every scheme the configuration names, loaded or not: name, full path, comment.
    CKTSyntaxEditIniReader::Entries GetSchemeEntries() const;
    std::vector<std::string> GetThemeNames() const;
    // The watch on the files is lost: the system could not start its thread, or a fault ended it and no reload
    // thread could be made. Changes on disk are not followed until a reload starts it.
    bool IsWatchLost() const { return m_bWatchLost; }
    // The monitor's report: kind 0 tries theme, scheme and configuration in turn.
    void OnFileChanged(const std::string& path, int kind, int change);

    void Advise(IKTSyntaxEditConfigEvents* receiver);
    void Unadvise(IKTSyntaxEditConfigEvents* receiver);

private:
    struct Event
    {
        int nCode;
        int nChange;
        std::string strName;
        CKTSyntaxEditLexTextSchema::Ptr schema;
        CKTSyntaxEditThemeSet::ThemePtr theme;
    };

    ~CKTSyntaxEditConfigurationManager() override;

    bool LoadEntries(const std::string& config);
    std::string ExpectedPath(const std::string& path) const;
    void ClearData();
    void ApplyThemeToAll();
    void Send(const std::vector<Event>& events);
    bool StartWatch();
    void RunReloads();
    void OnReloadFailed();
    // A thread was cut off: locks it held stay taken.
    bool WasThreadCutOff() const { return m_reloadWorker.WasCutOff() || m_monitor.WasCutOff(); }

    std::string m_strConfigFile;
    CKTSyntaxEditFileChangesMonitor m_monitor;
    CKTSyntaxEditThemeSet m_themes;
    CKTSyntaxEditSchemeSet m_schemes;
    std::string m_strThemeName = "Default";
    mutable std::mutex m_lockData;  // themes, schemes, entries

    std::mutex m_serialLock;  // one reload at a time, with the monitor's stop and start
    std::atomic<bool> m_bWatchLost{false};

    std::mutex m_reloadLock;  // the reload thread's state
    CKTLexWorker m_reloadWorker{30000};
    bool m_bReloadAgain = false;
    bool m_bClosing = false;

    std::mutex m_receiverLock;
    std::vector<IKTSyntaxEditConfigEvents*> m_receivers;
};
