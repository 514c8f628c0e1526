// Connects each text buffer to a lexer parser and all buffers to the one
// syntax configuration (Windows only: it builds on the buffer and its sink).
// Classes: CKTSyntaxEditLexParserAdapter.
#pragma once

#include <chrono>
#include <deque>
#include <mutex>
#include <string>

#include "KTSyntaxEditConfigurationManager.h"
#include "KTNotificationSinkMT.h"
#include "KTSyntaxEditBufferText.h"
#include "KTSyntaxEditBufferManager.h"
#include "KTSyntaxEditLexParserLink.h"
#include "KTSyntaxEditLexParser.h"

// The buffer's parser link: schema by file type from the configuration,
// edits to the parser, and the parser's events (1 started, 2 a block
// parsed with the block as wParam, 3 ended with the flags as lParam) sent on
// the buffer's connection on the buffer's own thread.
class CKTSyntaxEditLexParserAdapter : public CKTSyntaxEditLexParserLink, private IKTSyntaxEditConfigEvents
{
public:
    // Makes every new buffer get a parser; call once at start-up.
    static void Install();
    // The shared configuration while any buffer lives (NULL otherwise).
    static CKTSyntaxEditConfigurationManager* GetConfiguration();
    static CKTSyntaxEditLexParserAdapter* FromBuffer(const CKTSyntaxEditBufferManager* buffer);

    explicit CKTSyntaxEditLexParserAdapter(CKTSyntaxEditBufferManager* buffer);
    ~CKTSyntaxEditLexParserAdapter() override;

    CKTSyntaxEditLexParser* GetParser() const { return m_ptrParser.GetInterface(); }
    const IKTLexTextSource& GetText() const { return m_text; }

    void BreakParsing() override;
    void Close() override;
    void OnEditChanged(const KT_EDIT_TEXTPOS& lcStart, const KT_EDIT_TEXTPOS& lcEnd, int nEditKind,
                       CKTSyntaxEditBufferManager* pBuffer) override;
    void OnFileTypeChanged(CKTSyntaxEditBufferManager* pBuffer) override;
    void OnSyntaxColorChanged(CKTSyntaxEditBufferManager* pBuffer, BOOL bOn) override;
    BOOL OnConfigManagerEvent(CKTSyntaxEditBufferManager* pBuffer, DWORD dwCode, WPARAM wParam, LPARAM lParam) override;
    int GetMaxBackParseOffset() override;
    CString GetConfigFile() const override;
    BOOL SetConfigFile(LPCSTR pszPath) override;
    void ReleaseLink() override;
    CKTSyntaxEditConfigurationManager* GetConfig() const { return m_ptrConfig; }
    // A wake hands over this many events at most instead of a few milliseconds' worth (0: by time).
    void SetEventsPerWake(int nEvents) { m_nEventsPerWake = nEvents; }

private:
    enum
    {
        ktWakeParser = 1,
        ktConfigChanged = 2
    };

    // A configuration event on its way to the buffer's thread.
    struct KT_CONFIG_EVENT
    {
        int nCode;
        int nChange;
        std::string strName;
        CKTSyntaxEditLexTextSchema::Ptr schema;
        CKTSyntaxEditThemeSet::ThemePtr theme;  // held until the buffer has heard of it
    };

    void OnConfigEvent(int code, int change, const std::string& name, const CKTSyntaxEditLexTextSchema::Ptr& schema,
                       const CKTSyntaxEditThemeSet::ThemePtr& theme) override;
    void DeliverConfigEvents();
    bool OnSchemeChanged(const CKTSyntaxEditLexTextSchema* schema);
    bool OnThemeChanged();
    // The buffer's file type, handed to the text the worker reads.
    const std::string& TakeFileType();
    // A new file type parses as a text seen for the first time, the rest as after a configuration change.
    void UseSchema(const CKTSyntaxEditLexTextSchema* schema, bool configChanged);
    void SelectSchema(bool configChanged);
    void DeliverParserEvents();
    void DeliverSlice();
    bool IsSliceSpent(int nDelivered, std::chrono::steady_clock::time_point start) const;
    static bool InputWaits();
    bool StartResumeTimer();
    void StopResumeTimer();
    static void CALLBACK OnResumeTimer(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);

    CKTSyntaxEditBufferManager* m_pBuffer;  // owns this link
    CKTSyntaxEditBufferText m_text;
    std::string m_strFileType;  // the buffer's, as last taken
    CKTSmartPtr<CKTSyntaxEditLexParser> m_ptrParser;
    CKTSmartPtr<CKTSyntaxEditConfigurationManager> m_ptrConfig;
    CKTNotificationSinkMT m_sink;  // delivers on the thread that made the buffer
    std::mutex m_configLock;       // the configuration's events wait here for the buffer's thread
    std::deque<KT_CONFIG_EVENT> m_configEvents;
    std::deque<KT_EDIT_LEXPARSEREVENT> m_parserEvents;  // taken from the parser, not yet handed over
    int m_nEventsPerWake = 0;
    bool m_bResumeTimer = false;  // the rest waits for the input and paints queued before it
};
