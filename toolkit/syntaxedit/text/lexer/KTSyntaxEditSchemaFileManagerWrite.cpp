// Merging edited class descriptions back into their scheme file: only the
// value parts of changed lines, removed lines and added lines differ.
#include <algorithm>
#include <fstream>
#include <set>

#include "KTLexFiles.h"
#include "KTLexStrings.h"
#include "KTSyntaxEditSchemaFileManager.h"

namespace
{

const char kLineEnd[] = "\r\n";

using PropertySet = std::set<const KT_EDIT_SCHEMAFILEINFO*>;

// Element n is line n; element 0 is a placeholder.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines{std::string()};
    if (text.empty())
        return lines;
    for (std::string line : ktlex::Split(text, '\n'))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (text.back() == '\n')
        lines.pop_back();  // the final line end closes the last line
    return lines;
}

std::string JoinEscapedValues(const std::vector<std::string>& values)
{
    std::vector<std::string> escaped;
    for (const std::string& value : values)
        escaped.push_back(EscapeSchemaValue(value, true));
    return ktlex::Join(escaped, ", ");
}

std::string JoinedName(const KT_EDIT_SCHEMAFILEINFO& property) { return ktlex::Join(property.arNameParts, ":"); }

class CSchemeMerge
{
public:
    CSchemeMerge(const std::vector<std::string>& lines) : m_lines(lines) {}

    void CopyLines(int first, int last)
    {
        last = std::min(last, int(m_lines.size()) - 1);
        for (int line = std::max(first, 1); line <= last; ++line)
            m_out += m_lines[size_t(line)] + kLineEnd;
    }

    void WriteProperty(const KT_EDIT_SCHEMAFILEINFO& property)
    {
        m_out += m_indent + JoinedName(property) + " = " + JoinEscapedValues(property.arValues) + kLineEnd;
    }

    // Rewrites the values of an old line in place, keeping its indent, name and comment.
    void ReplacePropertyLine(const KT_EDIT_SCHEMAFILEINFO& old, const KT_EDIT_SCHEMAFILEINFO& property)
    {
        size_t equals =
            old.nLine > 0 && old.nLine < int(m_lines.size()) ? m_lines[size_t(old.nLine)].find('=') : std::string::npos;
        if (equals == std::string::npos || equals == 0)
        {
            WriteProperty(property);
            return;
        }
        std::string line = m_lines[size_t(old.nLine)];
        m_indent = line.substr(0, line.find_first_not_of(" \t"));
        size_t valueStart = line.find_first_not_of(" \t", equals + 1);
        if (valueStart == std::string::npos)
            valueStart = line.size();
        line.replace(valueStart, std::min(size_t(old.nSpan), line.size() - valueStart),
                     JoinEscapedValues(property.arValues));
        m_out += line + kLineEnd;
    }

    void MergeClass(const KT_EDIT_LEXCLASSINFO& old, const KT_EDIT_LEXCLASSINFO& edited, int& last)
    {
        m_indent = "\t";
        PropertySet written;
        for (const KT_EDIT_SCHEMAFILEINFO& property : old.arProperties)
        {
            CopyLines(last + 1, property.nLine - 1);
            last = property.nLine;
            if (const KT_EDIT_SCHEMAFILEINFO* match = FindPropertyInfo(edited, property, written))
            {
                ReplacePropertyLine(property, *match);
                written.insert(match);
            }
        }
        for (const KT_EDIT_SCHEMAFILEINFO& property : edited.arProperties)
            if (!written.count(&property))
                WriteProperty(property);
    }

    void AppendClass(const KT_EDIT_LEXCLASSINFO& cls)
    {
        m_indent = "\t";
        m_out += std::string(kLineEnd) + "lexClass:" + kLineEnd;
        bool named = false;
        for (const KT_EDIT_SCHEMAFILEINFO& property : cls.arProperties)
            named = named || (property.arNameParts.size() == 1 && ktlex::EqualsNoCase(property.arNameParts[0], "name"));
        // Without a name line the block would be dropped when read again.
        if (!named)
            m_out += m_indent + "name = " + cls.strName + kLineEnd;
        for (const KT_EDIT_SCHEMAFILEINFO& property : cls.arProperties)
            WriteProperty(property);
        m_out += std::string("//:lexClass") + kLineEnd;
    }

    static const KT_EDIT_SCHEMAFILEINFO* FindPropertyInfo(const KT_EDIT_LEXCLASSINFO& cls,
                                                          const KT_EDIT_SCHEMAFILEINFO& old, const PropertySet& written)
    {
        for (const KT_EDIT_SCHEMAFILEINFO& property : cls.arProperties)
            if (property.arNameParts.size() == old.arNameParts.size() &&
                ktlex::EqualsNoCase(JoinedName(property), JoinedName(old)) && !written.count(&property))
                return &property;
        return nullptr;
    }

    const std::string& Text() const { return m_out; }

private:
    const std::vector<std::string>& m_lines;
    std::string m_out;
    std::string m_indent = "\t";
};

const KT_EDIT_LEXCLASSINFO* FindClassInfo(const CKTSyntaxEditLexClassInfoArray& infos, const std::string& name)
{
    if (name.empty())
        return nullptr;
    for (const KT_EDIT_LEXCLASSINFO& info : infos.arClasses)
        if (ktlex::EqualsNoCase(info.strName, name))
            return &info;
    return nullptr;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(KTLexNativePath(path), std::ios::binary | std::ios::trunc);
    file.write(text.data(), std::streamsize(text.size()));
    file.close();
    return !file.fail();
}

}  // namespace

CKTSyntaxEditSchemaFileManager::WriteResult CKTSyntaxEditSchemaFileManager::WriteSchemaFile(
    const std::string& path, const CKTSyntaxEditLexClassInfoArray& descriptions)
{
    if (!descriptions.bModified)
        return ktNotModified;
    std::lock_guard<std::mutex> lock(m_lock);
    std::string text;
    CKTSyntaxEditLexClassInfoArray old;
    if (KTLexReadFile(path, text))
        CKTSyntaxEditSchemaReader().ParseSource(text, old);
    std::vector<std::string> lines = SplitLines(text);

    CSchemeMerge merge(lines);
    std::set<const KT_EDIT_LEXCLASSINFO*> written;
    int last = 0;
    for (const KT_EDIT_LEXCLASSINFO& cls : old.arClasses)
    {
        const KT_EDIT_LEXCLASSINFO* edited = FindClassInfo(descriptions, cls.strName);
        if (!edited)
        {
            merge.CopyLines(last + 1, cls.nStartLine - 1);
            last = cls.nEndLine;  // the class is removed up to its last property
            continue;
        }
        written.insert(edited);
        merge.MergeClass(cls, *edited, last);
    }
    merge.CopyLines(last + 1, int(lines.size()) - 1);
    for (const KT_EDIT_LEXCLASSINFO& cls : descriptions.arClasses)
        if (!written.count(&cls))
            merge.AppendClass(cls);

    // The old file stays in place until the new one replaces it in one step.
    std::string temporary = path + ".tmp";
    KTLexMakeWritable(temporary);
    KTLexDeleteFile(temporary);
    if (!WriteWholeFile(temporary, merge.Text()))
    {
        KTLexDeleteFile(temporary);
        return ktWriteFailed;
    }
    KTLexMakeWritable(path + ".old");
    KTLexDeleteFile(path + ".old");
    KTLexMakeWritable(path);
    if (!KTLexReplaceFile(temporary, path))
    {
        KTLexDeleteFile(temporary);
        return ktWriteFailed;
    }
    CKTSyntaxEditSchemaReader().ParseSource(merge.Text(), m_store[ktlex::Lower(path)]);
    return ktWritten;
}
