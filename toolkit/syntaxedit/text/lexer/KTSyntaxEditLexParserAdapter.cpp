// Connects text buffers to lexer parsers and the shared syntax configuration.
#include "KTSyntaxEditLexParserAdapter.h"

#include <algorithm>

#include "KTLexStrings.h"

namespace
{

std::mutex g_configLock;
CKTSmartPtr<CKTSyntaxEditConfigurationManager> g_ptrConfig;  // while any buffer lives
int g_nConfigUsers = 0;

CKTSmartPtr<CKTSyntaxEditConfigurationManager> AcquireConfiguration()
{
    std::lock_guard<std::mutex> lock(g_configLock);
    if (g_ptrConfig.IsNull())
        g_ptrConfig = KTMakeCounted<CKTSyntaxEditConfigurationManager>();
    ++g_nConfigUsers;
    return g_ptrConfig;
}

// The last buffer ends the configuration's threads.
void ReleaseConfiguration()
{
    CKTSmartPtr<CKTSyntaxEditConfigurationManager> last;
    {
        std::lock_guard<std::mutex> lock(g_configLock);
        if (--g_nConfigUsers == 0)
            last = std::move(g_ptrConfig);
    }
    if (last)
        last->Close();
}

// Buffer columns are 1-based character positions; the lexer counts from 0.
KT_EDIT_LEXPOS ToLexPos(const KT_EDIT_TEXTPOS& pos)
{
    return KT_EDIT_LEXPOS{pos.nLine, pos.nCol > 0 ? pos.nCol - 1 : 0};
}

CKTSyntaxEditLexParserLink* CreateLink(CKTSyntaxEditBufferManager* buffer)
{
    return new CKTSyntaxEditLexParserAdapter(buffer);
}

}  // namespace

void CKTSyntaxEditLexParserAdapter::Install() { CKTSyntaxEditBufferManager::SetLexParserFactory(CreateLink); }

CKTSyntaxEditConfigurationManager* CKTSyntaxEditLexParserAdapter::GetConfiguration()
{
    std::lock_guard<std::mutex> lock(g_configLock);
    return g_ptrConfig;
}

CKTSyntaxEditLexParserAdapter* CKTSyntaxEditLexParserAdapter::FromBuffer(const CKTSyntaxEditBufferManager* buffer)
{
    return buffer ? dynamic_cast<CKTSyntaxEditLexParserAdapter*>(buffer->GetLexParser()) : nullptr;
}

CKTSyntaxEditLexParserAdapter::CKTSyntaxEditLexParserAdapter(CKTSyntaxEditBufferManager* buffer)
    : m_pBuffer(buffer), m_text(*buffer), m_ptrParser(KTMakeCounted<CKTSyntaxEditLexParser>()),
      m_ptrConfig(AcquireConfiguration())
{
    m_sink.SetHandler(ktWakeParser, [this](DWORD, WPARAM, LPARAM) { DeliverParserEvents(); });
    m_sink.SetHandler(ktConfigChanged, [this](DWORD, WPARAM, LPARAM) { DeliverConfigEvents(); });
    m_ptrParser->SetWakeFunction([this] { m_sink.OnEvent(ktWakeParser, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST); });
    m_ptrConfig->Advise(this);
}

CKTSyntaxEditLexParserAdapter::~CKTSyntaxEditLexParserAdapter()
{
    m_ptrConfig->Unadvise(this);
    m_ptrParser->SetWakeFunction(nullptr);
    StopResumeTimer();
    m_ptrParser->Close();  // the worker reads the buffer: it ends before the buffer goes
    m_ptrConfig.Release();
    ReleaseConfiguration();
}

void CKTSyntaxEditLexParserAdapter::BreakParsing() { m_ptrParser->BreakParsing(); }

void CKTSyntaxEditLexParserAdapter::Close() { m_ptrParser->Close(); }

void CKTSyntaxEditLexParserAdapter::OnEditChanged(const KT_EDIT_TEXTPOS& lcStart, const KT_EDIT_TEXTPOS& lcEnd,
                                                  int nEditKind, CKTSyntaxEditBufferManager*)
{
    if (m_pBuffer->IsSyntaxColor())
        m_ptrParser->OnEditChanged(ToLexPos(lcStart), ToLexPos(lcEnd), nEditKind, &m_text);
}

void CKTSyntaxEditLexParserAdapter::OnFileTypeChanged(CKTSyntaxEditBufferManager*) { SelectSchema(false); }

void CKTSyntaxEditLexParserAdapter::OnSyntaxColorChanged(CKTSyntaxEditBufferManager*, BOOL bOn)
{
    if (bOn)
        SelectSchema(true);
    else
        m_ptrParser->SetTextSchema(nullptr);
}

void CKTSyntaxEditLexParserAdapter::ReleaseLink() { delete this; }

// A new file type parses as a text seen for the first time; colouring
// switched on and configuration changes parse as the configuration says.
void CKTSyntaxEditLexParserAdapter::SelectSchema(bool configChanged)
{
    CKTSyntaxEditLexTextSchema::Ptr schema;
    if (m_pBuffer->IsSyntaxColor())
        schema = m_ptrConfig->GetSchemaForFileType(TakeFileType());
    UseSchema(schema.GetInterface(), configChanged);
}

const std::string& CKTSyntaxEditLexParserAdapter::TakeFileType()
{
    m_text.SetFileType(std::string(LPCSTR(m_pBuffer->GetFileExt())));
    return m_strFileType = m_text.GetFileType();
}

void CKTSyntaxEditLexParserAdapter::UseSchema(const CKTSyntaxEditLexTextSchema* schema, bool configChanged)
{
    m_ptrParser->SetTextSchema(schema);
    m_ptrParser->ParseAll(&m_text, configChanged);
}

// Any thread: the event waits for the buffer's thread, which acts on it.
void CKTSyntaxEditLexParserAdapter::OnConfigEvent(int code, int change, const std::string& name,
                                                  const CKTSyntaxEditLexTextSchema::Ptr& schema,
                                                  const CKTSyntaxEditThemeSet::ThemePtr& theme)
{
    {
        std::lock_guard<std::mutex> lock(m_configLock);
        m_configEvents.push_back(KT_CONFIG_EVENT{code, change, name, schema, theme});
    }
    m_sink.OnEvent(ktConfigChanged, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST);
}

void CKTSyntaxEditLexParserAdapter::DeliverConfigEvents()
{
    std::deque<KT_CONFIG_EVENT> events;
    {
        std::lock_guard<std::mutex> lock(m_configLock);
        events.swap(m_configEvents);
    }
    for (const KT_CONFIG_EVENT& event : events)
    {
        bool theme = event.nCode == ktThemeChanged;
        WPARAM wParam = theme ? WPARAM(event.strName.c_str()) : WPARAM(event.nChange);
        LPARAM lParam = theme ? LPARAM(event.theme.get()) : LPARAM(event.schema.GetInterface());
        m_pBuffer->OnConfigManagerEvent(DWORD(event.nCode), wParam, lParam);
    }
}

BOOL CKTSyntaxEditLexParserAdapter::OnConfigManagerEvent(CKTSyntaxEditBufferManager*, DWORD dwCode, WPARAM,
                                                         LPARAM lParam)
{
    switch (dwCode)
    {
    case ktSchemeChanged:
        return OnSchemeChanged(reinterpret_cast<const CKTSyntaxEditLexTextSchema*>(lParam));
    case ktThemeChanged:
        return OnThemeChanged();
    case ktReloaded:
        SelectSchema(true);
        return TRUE;
    default:
        return FALSE;
    }
}

// A scheme of another file type leaves the buffer alone, unless it is the
// one the buffer used: then the buffer goes without until one serves it.
bool CKTSyntaxEditLexParserAdapter::OnSchemeChanged(const CKTSyntaxEditLexTextSchema* schema)
{
    const std::string& fileType = TakeFileType();
    if (!schema)
    {
        if (m_ptrConfig->GetSchemaForFileType(fileType))
            return false;
        UseSchema(nullptr, true);
        return true;
    }
    if (schema->IsFileSupported(fileType))
    {
        UseSchema(schema, true);
        return true;
    }
    CKTSyntaxEditLexTextSchema* current = m_ptrParser->GetTextSchema();
    if (!current || !ktlex::EqualsNoCase(current->GetSchName(), schema->GetSchName()))
        return false;
    UseSchema(nullptr, true);
    return true;
}

// The theme in force now, whichever theme file changed: the buffer's schema is
// a copy that the configuration's own re-theming does not reach.
bool CKTSyntaxEditLexParserAdapter::OnThemeChanged()
{
    CKTSyntaxEditLexTextSchema* schema = m_ptrParser->GetTextSchema();
    if (!schema)
        return false;
    m_ptrParser->BreakParsing();  // a broken pass runs again later
    schema->ApplyTheme(m_ptrConfig->GetThemeLookup());
    return true;
}

int CKTSyntaxEditLexParserAdapter::GetMaxBackParseOffset()
{
    return m_ptrParser->GetSchemaOptions(m_text.GetFileType()).m_nMaxBackParseOffset;
}

CString CKTSyntaxEditLexParserAdapter::GetConfigFile() const { return CString(m_ptrConfig->GetConfigFile().c_str()); }

BOOL CKTSyntaxEditLexParserAdapter::SetConfigFile(LPCSTR pszPath)
{
    return m_ptrConfig->SetConfigFile(pszPath ? pszPath : "");
}

// The buffer's own look-up, here where the schema is known.
CKTSmartPtr<CKTSyntaxEditLexTextSchema> CKTSyntaxEditBufferManager::GetSchemaForFileType(LPCSTR pszType) const
{
    CKTSyntaxEditLexParserAdapter* link = CKTSyntaxEditLexParserAdapter::FromBuffer(this);
    if (!link)
        return CKTSyntaxEditLexTextSchema::Ptr();
    return link->GetConfig()->GetSchemaForFileType(pszType ? pszType : "");
}

// A long parse announces hundreds of thousands of blocks, and the parser
// wakes the window again as soon as it has taken them: input and paints
// queued behind that wake go first, and one wake hands over only a few
// milliseconds' worth.
void CKTSyntaxEditLexParserAdapter::DeliverParserEvents()
{
    if (m_bResumeTimer || (InputWaits() && StartResumeTimer()))
        return;
    DeliverSlice();
}

// A parsed block comes as the first value; every other event's value, the
// run's result flags among them, stands there in its place.
void CKTSyntaxEditLexParserAdapter::DeliverSlice()
{
    for (KT_EDIT_LEXPARSEREVENT& event : m_ptrParser->TakeEvents())
        m_parserEvents.push_back(std::move(event));
    const auto start = std::chrono::steady_clock::now();
    for (int nDelivered = 0; !m_parserEvents.empty(); ++nDelivered)
    {
        if (IsSliceSpent(nDelivered, start))
        {
            if (!InputWaits() || !StartResumeTimer())
                m_sink.OnEvent(ktWakeParser, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST);
            return;
        }
        const KT_EDIT_LEXPARSEREVENT event = std::move(m_parserEvents.front());
        m_parserEvents.pop_front();
        const WPARAM first = event.block ? WPARAM(event.block.GetInterface()) : WPARAM(event.nValue);
        m_pBuffer->GetConnection()->SendEvent(DWORD(event.nCode), first, 0, 0);
    }
}

bool CKTSyntaxEditLexParserAdapter::IsSliceSpent(int nDelivered, std::chrono::steady_clock::time_point start) const
{
    if (m_nEventsPerWake > 0)
        return nDelivered >= m_nEventsPerWake;
    const auto kSlice = std::chrono::milliseconds(4);
    return nDelivered % 16 == 0 && std::chrono::steady_clock::now() - start >= kSlice;
}

// A posted wake would come before any input; a timer's comes after it.
bool CKTSyntaxEditLexParserAdapter::InputWaits() { return HIWORD(::GetQueueStatus(QS_INPUT | QS_PAINT)) != 0; }

bool CKTSyntaxEditLexParserAdapter::StartResumeTimer()
{
    m_bResumeTimer = ::SetTimer(m_sink.GetWndHandle(), UINT_PTR(this), USER_TIMER_MINIMUM, OnResumeTimer) != 0;
    return m_bResumeTimer;
}

void CKTSyntaxEditLexParserAdapter::StopResumeTimer()
{
    if (m_bResumeTimer && !::KillTimer(m_sink.GetWndHandle(), UINT_PTR(this)))
        TRACE("the parser's delivery timer could not be stopped\n");
    m_bResumeTimer = false;
}

void CALLBACK CKTSyntaxEditLexParserAdapter::OnResumeTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    auto* self = reinterpret_cast<CKTSyntaxEditLexParserAdapter*>(idEvent);
    self->StopResumeTimer();
    try
    {
        self->DeliverSlice();
    }
    catch (...)
    {
        // A listener's failure must not unwind through the system's dispatcher.
    }
}
