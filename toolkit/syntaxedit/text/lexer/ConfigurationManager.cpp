// The syntax colouring configuration and its reloading.
#include "ConfigurationManager.h"

#include <algorithm>

#include "LexStrings.h"
#include "SchemaFileManager.h"

CKTSyntaxEditConfigurationManager::CKTSyntaxEditConfigurationManager(int monitorPeriodMs) : m_monitor(monitorPeriodMs)
{
    m_monitor.SetHandler([this](const std::string& path, int kind, int change) { OnFileChanged(path, kind, change); });
}

CKTSyntaxEditConfigurationManager::~CKTSyntaxEditConfigurationManager()
{
    Close();
}

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
            receiver->OnConfigEvent(event.nCode, event.nChange, event.strName, event.schema);
}

void CKTSyntaxEditConfigurationManager::SetConfigFile(const std::string& path)
{
    {
        std::lock_guard<std::mutex> lock(m_lockData);
        m_strConfigFile = path;
    }
    ReloadConfig();
}

std::string CKTSyntaxEditConfigurationManager::GetConfigFile() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_strConfigFile;
}

void CKTSyntaxEditConfigurationManager::RememberScheme(const KT_EDIT_INI_ENTRY& entry)
{
    if (!CKTSyntaxEditIniReader::FindByKey(m_entries, entry.strKey))
        m_entries.push_back(entry);
}

// Under the data lock.
void CKTSyntaxEditConfigurationManager::ClearData()
{
    m_themes.RemoveAll();
    m_mapSchemas.clear();
    m_entries.clear();
}

// Builds a schema only from a read that happened: a file that vanished or
// cannot be read leaves the scheme remembered but without a schema.
void CKTSyntaxEditConfigurationManager::LoadScheme(const KT_EDIT_INI_ENTRY& entry)
{
    RememberScheme(entry);
    CKTSyntaxEditLexClassInfoArray infos;
    if (!CKTSyntaxEditSchemaFileManager::Instance().ReadSchemaFile(entry.strValue, true, infos))
        return;
    auto schema = KTMakeLex<CKTSyntaxEditLexTextSchema>(entry.strKey);
    schema->LoadClasses(infos);
    schema->ApplyTheme(m_themes.MakeLookup(m_strThemeName));
    m_mapSchemas[ktlex::Lower(entry.strKey)] = schema;
}

void CKTSyntaxEditConfigurationManager::ApplyThemeToAll()
{
    KTLexThemeLookup theme = m_themes.MakeLookup(m_strThemeName);
    for (auto& schema : m_mapSchemas)
        schema.second->ApplyTheme(theme);
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
    for (auto it = themes.rbegin(); it != themes.rend(); ++it) {
        if (m_bStopReload)
            return false;
        std::string path = it->strValue;
        if (m_monitor.AddFile(path, ktKindTheme))
            m_themes.LoadTheme(it->strKey, path);
        else
            m_themes.RememberThemeFile(it->strKey, ExpectedPath(path));
    }
    CKTSyntaxEditIniReader::Entries schemes = CKTSyntaxEditIniReader::ReadSection("schemes", config);
    for (auto it = schemes.rbegin(); it != schemes.rend(); ++it) {
        if (m_bStopReload)
            return false;
        KT_EDIT_INI_ENTRY entry = *it;
        if (m_monitor.AddFile(entry.strValue, ktKindScheme)) {
            LoadScheme(entry);
        } else {
            entry.strValue = ExpectedPath(entry.strValue);
            RememberScheme(entry);
        }
    }
    return true;
}

void CKTSyntaxEditConfigurationManager::ReloadConfig()
{
    std::lock_guard<std::mutex> serial(m_serialLock);
    m_monitor.Stop(); // before the data lock: the monitor's handler takes it
    bool completed = true;
    {
        std::lock_guard<std::mutex> lock(m_lockData);
        ClearData();
        std::string config = m_strConfigFile;
        if (!config.empty() && m_monitor.AddFile(config, ktKindConfig)) {
            m_monitor.SetBaseFolder(KTLexFolderOf(config));
            completed = LoadEntries(config);
            if (completed)
                ApplyThemeToAll();
        }
    }
    if (!completed)
        return; // stopped: no notification, the monitor stays stopped
    Send({Event{IKTSyntaxEditConfigEvents::ktReloaded, 0, std::string(), CKTSyntaxEditLexTextSchema::Ptr()}});
    m_monitor.Start();
}

bool CKTSyntaxEditConfigurationManager::ReloadConfigAsync()
{
    std::unique_lock<std::mutex> lock(m_reloadLock);
    if (m_bClosing)
        return false;
    if (m_bReloadRunning) {
        m_bReloadAgain = true; // the running reload goes once more, so no request is lost
        return true;
    }
    if (m_reloadThread.joinable()) {
        std::thread finished = std::move(m_reloadThread);
        lock.unlock();
        finished.join();
        lock.lock();
    }
    m_bReloadRunning = true;
    m_bStopReload = false;
    m_reloadThread = std::thread(&CKTSyntaxEditConfigurationManager::ReloadThreadMain, this);
    return true;
}

void CKTSyntaxEditConfigurationManager::ReloadThreadMain()
{
    for (;;) {
        ReloadConfig();
        std::lock_guard<std::mutex> lock(m_reloadLock);
        if (!m_bReloadAgain || m_bStopReload) {
            m_bReloadRunning = false;
            return;
        }
        m_bReloadAgain = false;
    }
}

void CKTSyntaxEditConfigurationManager::Close()
{
    std::thread reload;
    {
        std::lock_guard<std::mutex> lock(m_reloadLock);
        m_bClosing = true;
        m_bStopReload = true;
        reload = std::move(m_reloadThread);
    }
    if (reload.joinable())
        reload.join(); // it stops at its next entry and sends nothing
    {
        std::lock_guard<std::mutex> serial(m_serialLock);
        m_monitor.Stop();
    }
    std::lock_guard<std::mutex> lock(m_lockData);
    ClearData();
}

void CKTSyntaxEditConfigurationManager::SetTheme(const std::string& name)
{
    std::lock_guard<std::mutex> lock(m_lockData);
    m_strThemeName = name;
    ApplyThemeToAll();
}

std::string CKTSyntaxEditConfigurationManager::GetThemeName() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_strThemeName;
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditConfigurationManager::GetSchemaForFileType(const std::string& fileType) const
{
    if (fileType.empty())
        return CKTSyntaxEditLexTextSchema::Ptr();
    std::lock_guard<std::mutex> lock(m_lockData);
    for (const auto& schema : m_mapSchemas)
        if (schema.second->IsFileSupported(fileType))
            return schema.second;
    return CKTSyntaxEditLexTextSchema::Ptr();
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditConfigurationManager::GetSchema(const std::string& name) const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    auto it = m_mapSchemas.find(ktlex::Lower(name));
    return it == m_mapSchemas.end() ? CKTSyntaxEditLexTextSchema::Ptr() : it->second;
}

std::vector<std::string> CKTSyntaxEditConfigurationManager::GetSchemeNames() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    std::vector<std::string> names;
    for (const KT_EDIT_INI_ENTRY& entry : m_entries)
        names.push_back(entry.strKey);
    return names;
}

CKTSyntaxEditIniReader::Entries CKTSyntaxEditConfigurationManager::GetSchemeEntries() const
{
    std::lock_guard<std::mutex> lock(m_lockData);
    return m_entries;
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
        std::string theme = (kind == 0 || kind == ktKindTheme) ? m_themes.OnThemeFileChanged(path, change) : std::string();
        const KT_EDIT_INI_ENTRY* entry = (theme.empty() && (kind == 0 || kind == ktKindScheme))
                                             ? CKTSyntaxEditIniReader::FindByValue(m_entries, path) : nullptr;
        if (!theme.empty()) {
            if (ktlex::EqualsNoCase(theme, m_strThemeName))
                ApplyThemeToAll();
            events.push_back({IKTSyntaxEditConfigEvents::ktThemeChanged, change, theme, CKTSyntaxEditLexTextSchema::Ptr()});
        } else if (entry) {
            KT_EDIT_INI_ENTRY scheme = *entry;
            m_mapSchemas.erase(ktlex::Lower(scheme.strKey));
            if (change != CKTSyntaxEditFileChangesMonitor::ktRemoved)
                LoadScheme(scheme);
            auto it = m_mapSchemas.find(ktlex::Lower(scheme.strKey));
            events.push_back({IKTSyntaxEditConfigEvents::ktSchemeChanged, change, scheme.strKey,
                              it == m_mapSchemas.end() ? CKTSyntaxEditLexTextSchema::Ptr() : it->second});
        } else {
            reload = kind == 0 || kind == ktKindConfig;
        }
    }
    Send(events);
    if (reload)
        ReloadConfigAsync();
}
