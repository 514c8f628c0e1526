// What the text buffer asks of its background colouring parser.
// Classes: CKTSyntaxEditLexParserLink.
#pragma once

#include <afxwin.h>

#include "KTSyntaxEditTextPos.h"

class CKTSyntaxEditBufferManager;

// The parser lives in the lexer layer above this one; the buffer reaches it
// only through this interface so that the text engine builds on its own.
class CKTSyntaxEditLexParserLink
{
public:
    enum EditKind
    {
        editInserted = 1,
        editDeleted = 2,
    };

    virtual ~CKTSyntaxEditLexParserLink() = default;

    virtual void BreakParsing() = 0;
    virtual void Close() = 0;
    virtual void OnEditChanged(const KT_EDIT_TEXTPOS& lcStart, const KT_EDIT_TEXTPOS& lcEnd, int nEditKind,
                               CKTSyntaxEditBufferManager* pBuffer) = 0;
    // The file type or the colouring switch changed: pick the schema again.
    virtual void OnFileTypeChanged(CKTSyntaxEditBufferManager* pBuffer) = 0;
    virtual void OnSyntaxColorChanged(CKTSyntaxEditBufferManager* pBuffer, BOOL bOn) = 0;
    // Acts on a configuration event (10 a scheme changed, 11 a theme changed,
    // 12 a reload ended); TRUE when it changed the buffer's colouring, so that
    // the buffer tells its own subscribers.
    virtual BOOL OnConfigManagerEvent(CKTSyntaxEditBufferManager* pBuffer, DWORD dwCode, WPARAM wParam,
                                      LPARAM lParam) = 0;
    // The look-back in bytes that the schema of the buffer's file type asks of
    // a reader of the text ("global:MaxBackParseOffset").
    virtual int GetMaxBackParseOffset() = 0;
    // The shared configuration's file; "" and FALSE without one.
    virtual CString GetConfigFile() const = 0;
    // FALSE when the system cannot start the watch on the configuration's files.
    virtual BOOL SetConfigFile(LPCSTR pszPath) = 0;
    // The buffer lets go of the parser it created.
    virtual void ReleaseLink() = 0;
};

typedef CKTSyntaxEditLexParserLink* (*PFN_KT_CREATE_LEXPARSER)(CKTSyntaxEditBufferManager* pBuffer);
