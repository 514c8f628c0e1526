// The syntax colouring configuration and its reloading.
#include "KTSyntaxEditConfigurationManager.h"

#include <algorithm>

#include "KTLexStrings.h"

CKTSyntaxEditConfigurationManager::CKTSyntaxEditConfigurationManager(int monitorPeriodMs) : m_monitor(monitorPeriodMs)
{
    m_monitor.SetHandler([this](const std::string& path, int kind, int change) { OnFileChanged(path, kind, change); });
    // The files are read and watched anew; without a reload thread the watch stays lost.
    m_monitor.SetFaultHandler(
        [this]
        {
            if (!ReloadConfigAsync())
                m_bWatchLost = true;
        });
}

CKTSyntaxEditConfigurationManager::~CKTSyntaxEditConfigurationManager() { Close(); }

void CKTSyntaxEditConfigurationManager::Advise(IKTSyntaxEditConfigEvents* receiver)
{
    std::lock_guard<std::mutex> lock(m_receiverLock);
    m_receivers.push_back(receiver);
}

void CKTSyntaxEditConfigurationManager::Unadvise(IKTSyntaxEditConfigEvents* receiver)
{
    std::lock_guard<std::mutex> lock(m_receiverLock);
    m_receivers.erase(std::remove(m_receivers.begin(), m_receivers.end(), receiver), m_receivers.end());
}

// Receivers are called under their lock, so that one that unadvises never
// hears an event after it has gone; they only post, so nothing waits here long.
void CKTSyntaxEditConfigurationManager::Send(const std::vector<Event>& events)
{
    std::lock_guard<std::mutex> lock(m_receiverLock);
    for (const Event& event : events)
        for (IKTSyntaxEditConfigEvents* receiver : m_receivers)
            receiver->OnConfigEvent(event.nCode, event.nChange, event.strName, event.schema, event.theme);
}

bool CKTSyntaxEditConfigurationManager::SetConfigFile(const std::string& path)
{
    {
        std::lock_guard<std::mutex> lock(m_lockData);
        m_strConfigFile = path;
    }
    return ReloadConfig();
}

std::string CKTSyntaxEditConfigurationManager::GetConfigFile() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_strConfigFile;
}

// Under the data lock.
void CKTSyntaxEditConfigurationManager::ClearData()
{
    m_themes.RemoveAll();
    m_schemes.RemoveAll();
}

void CKTSyntaxEditConfigurationManager::ApplyThemeToAll()
{
    m_schemes.ApplyThemeToAll(m_themes.MakeLookup(m_strThemeName));
}

// Where a missing file will be reported when it appears under the base folder.
std::string CKTSyntaxEditConfigurationManager::ExpectedPath(const std::string& path) const
{
    bool absolute = !path.empty() && (path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':'));
    return KTLexFullPath(absolute ? path : m_monitor.GetBaseFolder() + path);
}

// Reads the two sections; FALSE when a stop was asked for on the way.
bool CKTSyntaxEditConfigurationManager::LoadEntries(const std::string& config)
{
    // From the last line to the first, so that the first of two equal names wins.
    CKTSyntaxEditIniReader::Entries themes = CKTSyntaxEditIniReader::ReadSection("themes", config);
    for (auto it = themes.rbegin(); it != themes.rend(); ++it)
    {
        if (m_reloadWorker.IsStopRequested())
            return false;
        std::string path = it->strValue;
        if (m_monitor.AddFile(path, ktKindTheme))
            m_themes.LoadTheme(it->strKey, path);
        else
            m_themes.RememberThemeFile(it->strKey, ExpectedPath(path));
    }
    CKTSyntaxEditIniReader::Entries schemes = CKTSyntaxEditIniReader::ReadSection("schemes", config);
    KTLexThemeLookup theme = m_themes.MakeLookup(m_strThemeName);
    for (auto it = schemes.rbegin(); it != schemes.rend(); ++it)
    {
        if (m_reloadWorker.IsStopRequested())
            return false;
        KT_EDIT_INI_ENTRY entry = *it;
        if (m_monitor.AddFile(entry.strValue, ktKindScheme))
        {
            m_schemes.LoadScheme(entry, theme);
        }
        else
        {
            entry.strValue = ExpectedPath(entry.strValue);
            m_schemes.RememberScheme(entry);
        }
    }
    return true;
}

bool CKTSyntaxEditConfigurationManager::ReloadConfig()
{
    std::lock_guard<std::mutex> serial(m_serialLock);
    m_monitor.Stop();  // before the data lock: the monitor's handler takes it
    bool completed = true;
    {
        std::lock_guard<std::mutex> lock(m_lockData);
        ClearData();
        std::string config = m_strConfigFile;
        if (!config.empty() && m_monitor.AddFile(config, ktKindConfig))
        {
            m_monitor.SetBaseFolder(KTLexFolderOf(config));
            completed = LoadEntries(config);
            if (completed)
                ApplyThemeToAll();
        }
    }
    if (!completed)
        return false;  // stopped: no notification, the monitor stays stopped
    Send({Event{IKTSyntaxEditConfigEvents::ktReloaded, 0, std::string(), CKTSyntaxEditLexTextSchema::Ptr(), nullptr}});
    return StartWatch();
}

// Under the serial lock. A watch the system cannot start is kept as lost, for the owners to tell the user;
// the next reload tries again.
bool CKTSyntaxEditConfigurationManager::StartWatch()
{
    m_bWatchLost = !m_monitor.Start();
    return !m_bWatchLost;
}

// A reload thread that cannot be made leaves the manager as it was.
bool CKTSyntaxEditConfigurationManager::ReloadConfigAsync(int priority)
{
    std::lock_guard<std::mutex> lock(m_reloadLock);
    if (m_bClosing)
        return false;
    if (m_reloadWorker.IsRunning())
    {
        m_bReloadAgain = true;  // the running reload goes once more, so no request is lost
        return true;
    }
    m_reloadWorker.SetPriority(priority);
    return m_reloadWorker.Start([this] { RunReloads(); }, [this] { OnReloadFailed(); });
}

// What the failed reload loaded stays; the watch goes on, so that the next change of a file reloads, and
// the owners hear that the reload ended, so that they take what there is.
void CKTSyntaxEditConfigurationManager::OnReloadFailed()
{
    {
        std::lock_guard<std::mutex> lock(m_reloadLock);
        m_reloadWorker.Finish();
        m_bReloadAgain = false;
        if (m_reloadWorker.IsStopRequested())
            return;
    }
    {
        std::lock_guard<std::mutex> serial(m_serialLock);
        StartWatch();
    }
    Send({Event{IKTSyntaxEditConfigEvents::ktReloaded, 0, std::string(), CKTSyntaxEditLexTextSchema::Ptr(), nullptr}});
}

void CKTSyntaxEditConfigurationManager::RunReloads()
{
    for (;;)
    {
        ReloadConfig();
        std::lock_guard<std::mutex> lock(m_reloadLock);
        if (!m_bReloadAgain || m_reloadWorker.IsStopRequested())
        {
            m_reloadWorker.Finish();
            return;
        }
        m_bReloadAgain = false;
    }
}

void CKTSyntaxEditConfigurationManager::Close()
{
    {
        std::lock_guard<std::mutex> lock(m_reloadLock);
        m_bClosing = true;
    }
    // It stops at its next entry and sends nothing; one stuck longer is cut off.
    m_reloadWorker.Stop();
    // A thread cut off may have died holding these locks; no other thread runs then.
    std::unique_lock<std::mutex> serial(m_serialLock, std::defer_lock);
    if (!WasThreadCutOff())
        serial.lock();
    m_monitor.Stop();
    if (serial.owns_lock())
        serial.unlock();
    std::unique_lock<std::mutex> lock(m_lockData, std::defer_lock);
    if (!WasThreadCutOff())
        lock.lock();
    ClearData();
}

void CKTSyntaxEditConfigurationManager::SetTheme(const std::string& name, const CKTSyntaxEditLexTextSchema::Ptr& schema)
{
    std::lock_guard<std::mutex> lock(m_lockData);
    m_strThemeName = name;
    ApplyThemeToAll();
    if (schema)
        schema->ApplyTheme(m_themes.MakeLookup(m_strThemeName));
}

std::string CKTSyntaxEditConfigurationManager::GetThemeName() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_strThemeName;
}

KTLexThemeLookup CKTSyntaxEditConfigurationManager::GetThemeLookup() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_themes.MakeLookup(m_strThemeName);
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditConfigurationManager::GetSchemaForFileType(
    const std::string& fileType) const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_schemes.GetSchemaForFileType(fileType);
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditConfigurationManager::GetSchema(const std::string& name) const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_schemes.GetSchema(name);
}

std::vector<std::string> CKTSyntaxEditConfigurationManager::GetSchemeNames() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_schemes.GetSchemeNames();
}

CKTSyntaxEditIniReader::Entries CKTSyntaxEditConfigurationManager::GetSchemeEntries() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_schemes.GetEntries();
}

std::vector<std::string> CKTSyntaxEditConfigurationManager::GetThemeNames() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_themes.GetThemeNames();
}

void CKTSyntaxEditConfigurationManager::OnFileChanged(const std::string& path, int kind, int change)
{
    std::vector<Event> events;
    bool reload = false;
    {
        std::lock_guard<std::mutex> lock(m_lockData);
        std::string theme =
            (kind == 0 || kind == ktKindTheme) ? m_themes.OnThemeFileChanged(path, change) : std::string();
        std::string scheme;
        if (!theme.empty())
        {
            if (ktlex::EqualsNoCase(theme, m_strThemeName))
                ApplyThemeToAll();
            events.push_back({IKTSyntaxEditConfigEvents::ktThemeChanged, change, theme,
                              CKTSyntaxEditLexTextSchema::Ptr(), m_themes.GetTheme(theme)});
        }
        else if ((kind == 0 || kind == ktKindScheme) &&
                 m_schemes.OnSchemeFileChanged(path, change, m_themes.MakeLookup(m_strThemeName), scheme))
        {
            events.push_back(
                {IKTSyntaxEditConfigEvents::ktSchemeChanged, change, scheme, m_schemes.GetSchema(scheme), nullptr});
        }
        else
        {
            reload = kind == 0 || kind == ktKindConfig;
        }
    }
    Send(events);
    if (reload)
        ReloadConfigAsync();
}
