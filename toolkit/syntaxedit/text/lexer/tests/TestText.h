// An editable in-memory text for the lexer tests, and file helpers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "KTSyntaxEditLexTextSchema.h"
#include "KTLexTextSource.h"

class CTestText : public IKTLexTextSource
{
public:
    explicit CTestText(const std::string& text = std::string(), std::string fileType = ".c");

    void SetText(const std::string& text);
    std::string GetText() const;
    // Inserts text at pos; returns where the inserted text ends.
    KT_EDIT_LEXPOS Insert(KT_EDIT_LEXPOS pos, const std::string& text);
    void Delete(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end);

    int GetRowCount() const override;
    bool GetRowText(int row, std::string& text) const override;
    std::string GetLineEnd() const override { return "\r\n"; }
    std::string GetFileType() const override { return m_strFileType; }

private:
    mutable std::mutex m_lock;  // parser workers read while a test edits
    std::vector<std::string> m_rows;
    std::string m_strFileType;
};

// A text whose reader stops at one row until it is let go, so that a
// background pass reading it holds the schema's classes meanwhile. It lets
// go by itself after a long wait, which shows that someone waited for the pass.
class CHeldText : public CTestText
{
public:
    CHeldText(const std::string& text, int heldRow) : CTestText(text, ".t"), m_nHeldRow(heldRow) {}
    bool GetRowText(int row, std::string& text) const override
    {
        if (row == m_nHeldRow)
        {
            std::unique_lock<std::mutex> lock(m_holdLock);
            m_bHolding = true;
            m_changed.notify_all();
            m_bTimedOut = !m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_bReleased; });
        }
        return CTestText::GetRowText(row, text);
    }
    bool WaitUntilHolding()
    {
        std::unique_lock<std::mutex> lock(m_holdLock);
        return m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_bHolding; });
    }
    bool HasTimedOut()
    {
        std::lock_guard<std::mutex> lock(m_holdLock);
        return m_bTimedOut;
    }
    void Release()
    {
        std::lock_guard<std::mutex> lock(m_holdLock);
        m_bReleased = true;
        m_changed.notify_all();
    }

private:
    const int m_nHeldRow;
    mutable std::mutex m_holdLock;
    mutable std::condition_variable m_changed;
    mutable bool m_bHolding = false;
    mutable bool m_bTimedOut = false;
    bool m_bReleased = false;
};

std::string ReadTestFile(const std::string& path);
void WriteTestFile(const std::string& path, const std::string& text);
std::string ConfigPath(const std::string& relative);
// A schema built from a scheme file of the program folder.
CKTSyntaxEditLexTextSchema::Ptr LoadTestSchema(const std::string& relative);
// Blocks print readably when a comparison fails.
void PrintTo(const KT_EDIT_LEXBLOCKINFO& block, std::ostream* out);
// Colour of each column of a row, as "start-end:RRGGBB" runs ("-" for none),
// from the schema's own blocks or from a chain an on-screen parse made.
std::string DescribeRow(const CKTSyntaxEditLexTextSchema& schema, const CTestText& text, int row,
                        const CKTLexBlockChain* chain = nullptr);
// Every block of the chain, one a line, then every row's colours.
std::string DescribeParse(const CKTSyntaxEditLexTextSchema& schema, const CTestText& text);
// A C-like text from a fixed seed: every kind of piece the C scheme colours,
// the broken ones (unclosed strings and comments) among them.
std::string GenerateCText(int rows, unsigned seed);
