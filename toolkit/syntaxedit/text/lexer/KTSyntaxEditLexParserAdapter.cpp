// Connects text buffers to lexer parsers and the shared syntax configuration.
#include "KTSyntaxEditLexParserAdapter.h"

#include <algorithm>

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
    m_sink.SetHandler(ktConfigChanged, [this](DWORD, WPARAM, LPARAM) { SelectSchema(true); });
    m_ptrParser->SetWakeFunction([this] { m_sink.OnEvent(ktWakeParser, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST); });
    m_ptrConfig->Advise(this);
}

CKTSyntaxEditLexParserAdapter::~CKTSyntaxEditLexParserAdapter()
{
    m_ptrConfig->Unadvise(this);
    m_ptrParser->SetWakeFunction(nullptr);
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
    m_text.SetFileType(std::string(LPCSTR(m_pBuffer->GetFileExt())));
    CKTSyntaxEditLexTextSchema::Ptr schema;
    if (m_pBuffer->IsSyntaxColor())
        schema = m_ptrConfig->GetSchemaForFileType(m_text.GetFileType());
    m_ptrParser->SetTextSchema(schema.GetInterface());
    m_ptrParser->ParseAll(&m_text, configChanged);
}

// Any thread: a changed scheme or a reload selects the schema again on the buffer's thread.
void CKTSyntaxEditLexParserAdapter::OnConfigEvent(int code, int, const std::string&,
                                                  const CKTSyntaxEditLexTextSchema::Ptr&)
{
    if (code == ktSchemeChanged || code == ktReloaded || code == ktThemeChanged)
        m_sink.OnEvent(ktConfigChanged, 0, 0, KT_NOTIFY_POST | KT_NOTIFY_RETRY_POST);
}

void CKTSyntaxEditLexParserAdapter::DeliverParserEvents()
{
    for (const KT_EDIT_LEXPARSEREVENT& event : m_ptrParser->TakeEvents())
        m_pBuffer->GetConnection()->SendEvent(DWORD(event.nCode), WPARAM(event.block.GetInterface()),
                                              LPARAM(event.nValue), 0);
}
