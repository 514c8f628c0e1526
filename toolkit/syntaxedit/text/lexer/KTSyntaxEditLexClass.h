// Lex classes: the recognising properties and the attributes of one kind of
// text region, filled from scheme descriptions, and their run step.
// Defines: KT_EDIT_LEXSTYLE, CKTSyntaxEditLexProperty, CKTSyntaxEditLexClass.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "KTLexCharSet.h"
#include "KTLexCounted.h"
#include "KTSmartPtr.h"
#include "KTSyntaxEditLexTagTable.h"
#include "KTSyntaxEditLexCursor.h"
#include "KTSyntaxEditLexValue.h"
#include "KTSyntaxEditSchemaReader.h"

class CKTSyntaxEditLexTextBlock;
class CKTSyntaxEditLexTextSchema;

// Colours and font values of a text piece; 0xFFFFFFFF and 255 mean "not given".
struct KT_EDIT_LEXSTYLE
{
    static const uint32_t ktNoColor = 0xFFFFFFFFu;
    uint32_t clrText = ktNoColor;
    uint32_t clrBack = ktNoColor;
    uint32_t clrSelText = ktNoColor;
    uint32_t clrSelBack = ktNoColor;
    int nWeight = 255;
    int nItalic = 255;
    int nUnderline = 255;

    // Copies the given values of other over this record.
    void Overlay(const KT_EDIT_LEXSTYLE& other);
    bool operator==(const KT_EDIT_LEXSTYLE& o) const;
    bool operator!=(const KT_EDIT_LEXSTYLE& o) const { return !(*this == o); }
};

struct CKTSyntaxEditLexProperty
{
    CKTLexValues values;
    CKTSyntaxEditLexTagTable table;  // only "token:tag" and "_active_tags" fill it
    // When every tag is one character long: the characters that match, and
    // whether a match backwards at the start of the text succeeds.
    bool bSingleCharacters = false;
    CKTLexCharSet singleCharacters;
    int nTagBytes = 0;  // the longest tag that can match, in bytes
    bool TakesPart() const { return !values.empty(); }
    // The list matcher compares tags of up to this many bytes; longer ones never match.
    static const int kLongestTag = 512;
};

using CKTLexBlockPtr = CKTSmartPtr<CKTSyntaxEditLexTextBlock>;

class CKTSyntaxEditLexClass : public CKTLexCounted
{
public:
    enum Prop
    {
        ktPrevClass,
        ktPrevTag,
        ktPrevTagSep,
        ktStartClass,
        ktStartTag,
        ktEndClass,
        ktEndTag,
        ktEndSep,
        ktTokenTag,
        ktTokenStartSep,
        ktTokenEndSep,
        ktSkipTag,
        ktActiveTags,
        ktPropCount
    };
    enum Group
    {
        ktGroupPrevious,
        ktGroupStart,
        ktGroupEnd,
        ktGroupToken,
        ktGroupSkip,
        ktGroupCount
    };
    enum ParentKind
    {
        ktParentNone = 0,
        ktParentFile = 1,
        ktParentNamed = 2,
        ktParentDyn = 3
    };
    enum ChildrenKind
    {
        ktChildrenNone = 1,
        ktChildrenAll = 2,
        ktChildrenList = 3
    };
    // Run result flags.
    enum
    {
        ktStarted = 0x1,
        ktEnded = 0x2,
        ktConsumed = 0x10,
        ktOtherStart = 0x20,
        ktStop = 0x100,
        ktRangeDone = 0x200,
        ktBroken = 0x400
    };

    using Ptr = CKTSmartPtr<CKTSyntaxEditLexClass>;
    using List = std::vector<Ptr>;

    // Filling from descriptions.
    bool SetProperty(const KT_EDIT_SCHEMAFILEINFO& property);
    void SetName(const std::string& name) { m_strName = name; }
    void SetAttribute(const std::string& name, const CKTSyntaxEditLexValue& value);
    void RemoveAttributes(const std::string& prefix);
    void CopyFrom(const CKTSyntaxEditLexClass& source);
    Ptr Clone() const;
    // Drops the children, properties, attributes and the parent link.
    void Close();
    bool AddChild(const Ptr& child, bool secondKind);
    // Orders tag values, fills the character tables and caches the attributes
    // that the run step and painting ask for; called once the tree is built.
    void Finish();

    const std::string& GetName() const { return m_strName; }
    int GetParentKind() const { return m_nParentKind; }
    const std::vector<std::string>& GetParentNames() const { return m_arParentNames; }
    int GetChildrenKind() const { return m_nChildrenKind; }
    const std::vector<std::string>& GetChildrenNames() const { return m_arChildrenNames; }
    CKTSyntaxEditLexClass* GetParent() const { return m_pParent; }
    CKTSyntaxEditLexClass* FindParent(const std::string& name) const;
    const List& GetChildren() const { return m_arChildren; }
    const List& GetChildrenOfSecondKind() const { return m_arChildren2; }
    bool HasSelfChild() const { return m_bSelf; }

    const CKTSyntaxEditLexValue* GetAttribute(const std::string& name, bool inherit) const;
    bool GetAttributeBool(const std::string& name, bool inherit, bool def) const;
    int GetAttributeInt(const std::string& name, bool inherit, int def) const;
    const std::map<std::string, CKTSyntaxEditLexValue>& GetAttributes() const { return m_mapAttributes; }
    // "name", a property, or for a file class "IsExt=<extension>".
    bool GetPropertyValue(const std::string& name, CKTSyntaxEditLexValue& value) const;
    const CKTSyntaxEditLexProperty* GetProperty(const std::string& name) const;
    const CKTSyntaxEditLexProperty& GetProperty(Prop prop) const { return m_props[prop]; }
    bool IsPropertyKnown(const std::string& name) const { return PropertyIndex(name) >= 0; }
    bool MatchesFileType(const std::string& fileType) const;

    bool IsCaseSensitive() const { return m_bCaseSensitive; }
    bool StartsByClassAlone() const { return !m_bGroupEmpty[ktGroupStart] && !m_props[ktStartTag].TakesPart(); }
    bool IsCollapsable() const { return m_bCollapsable; }
    bool IsRestartRunLoop() const { return m_bRestartRunLoop; }
    bool IsEndClassParentThis() const { return m_bEndClassParentThis; }
    bool IsParseOnScreen() const { return GetAttributeBool("ParseOnScreen", false, false); }
    const KT_EDIT_LEXSTYLE& GetTextAttributes() const { return m_style; }

    // Where a run without a block can start one; elsewhere it surely does nothing.
    bool MayStartAt(char c) const { return m_startChars.Contains(c); }
    // First characters of active tags where a run inside a block of this
    // class can skip, end or start a child: a scan over its text stops there.
    const CKTLexCharSet& GetScanStops() const { return m_scanStops; }

    // The run step (see KTSyntaxEditLexClassRun.cpp).
    int Run(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema, CKTLexBlockPtr& block);
    bool MatchTags(CKTSyntaxEditLexCursor& cursor, Prop prop, int& length, bool backward) const;

    static int PropertyIndex(const std::string& name);

private:
    ~CKTSyntaxEditLexClass() override = default;

    bool SetParentChildren(const KT_EDIT_SCHEMAFILEINFO& property, bool& handled);
    bool SetTagProperty(const KT_EDIT_SCHEMAFILEINFO& property, bool& handled);
    void SetAttributeFromProperty(const KT_EDIT_SCHEMAFILEINFO& property, bool& handled);
    void SortTagValues(Prop prop, bool ascending);
    void BuildActiveTags();
    void AppendActiveTags(const CKTLexValues& values);
    void CacheAttributes();
    CKTLexCharSet StartCharacters() const;
    CKTLexCharSet EndCharacters() const;
    void BuildCharacterSets();

    bool MatchPrevious(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema) const;
    int MatchStart(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema, CKTLexBlockPtr& block);
    int MatchSkip(CKTSyntaxEditLexCursor& cursor) const;
    int MatchEnd(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema,
                 CKTSyntaxEditLexTextBlock& block) const;
    int MatchToken(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema, CKTLexBlockPtr& block);
    bool MatchTokenSeparators(CKTSyntaxEditLexCursor& cursor, int tokenLength) const;
    bool MatchClass(CKTSyntaxEditLexTextSchema& schema, Prop prop, KT_EDIT_LEXPOS notBefore,
                    const CKTSyntaxEditLexTextBlock* parent, CKTLexBlockPtr& found) const;
    static bool MatchSingleCharacter(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexProperty& property,
                                     int& length, bool backward);
    void MeasureTags(CKTSyntaxEditLexProperty& property) const;
    bool MatchValue(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexValue& value, int& length,
                    bool backward) const;

    std::string m_strName;
    int m_nParentKind = ktParentNone;
    CKTSyntaxEditLexClass* m_pParent = nullptr;  // the parent holds this class, so a plain pointer
    std::vector<std::string> m_arParentNames;
    int m_nChildrenKind = ktChildrenAll;
    std::vector<std::string> m_arChildrenNames;
    List m_arChildren;
    List m_arChildren2;
    bool m_bSelf = false;  // the class may contain itself
    CKTSyntaxEditLexProperty m_props[ktPropCount];
    bool m_bGroupEmpty[ktGroupCount] = {true, true, true, true, true};
    std::map<std::string, CKTSyntaxEditLexValue> m_mapAttributes;  // lower-cased names
    std::vector<std::string> m_arExtensions;                       // a file class's extensions, with their dots

    // Cached by Finish (inherited values need the parent), read by every thread afterwards.
    bool m_bCaseSensitive = false;
    bool m_bCollapsable = false;
    bool m_bRestartRunLoop = true;
    bool m_bEndClassParentThis = false;
    KT_EDIT_LEXSTYLE m_style;
    CKTLexCharSet m_startChars;
    CKTLexCharSet m_scanStops;
};
