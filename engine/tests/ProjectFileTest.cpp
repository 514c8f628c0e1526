// ProjectFileTest.cpp: ".kvs" round trips, every refusal of the reader, duplicates and safe writing.
#include "project/ProjectFile.h"
#include "SampleDesigns.h"
#include "model/Vocabulary.h"
#include "xml/XmlLog.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#define MakeDirectory(path) _mkdir(path)
#else
#define MakeDirectory(path) mkdir(path, 0755)
#endif

namespace
{

std::string g_lastLog;
int g_logLines = 0;

void KeepLine(const char* line)
{
    g_lastLog = line;
    ++g_logLines;
}

// The files of one test process, with the separator the reader gives back.
const std::string& Folder()
{
    static const CTestFolder folder("engine");
    static const std::string path = folder.Path() + static_cast<char>(std::filesystem::path::preferred_separator);
    return path;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void ExpectSameField(const FieldRecord& a, const FieldRecord& b)
{
    SCOPED_TRACE(a.name);
    EXPECT_STREQ(a.name, b.name);
    EXPECT_STREQ(a.maxLength, b.maxLength);
    EXPECT_STREQ(a.maxCount, b.maxCount);
    EXPECT_EQ(a.unit, b.unit);
    EXPECT_STREQ(a.dataType, b.dataType);
    EXPECT_STREQ(a.tlvTag, b.tlvTag);
    EXPECT_EQ(a.type, b.type);
    EXPECT_STREQ(a.reinterpretName, b.reinterpretName);
    EXPECT_STREQ(a.relatedCountField, b.relatedCountField);
    EXPECT_EQ(a.attribute, b.attribute);
    EXPECT_EQ(a.variantWay, b.variantWay);
    EXPECT_STREQ(a.relatedLengthField, b.relatedLengthField);
}

void ExpectSameFields(const FieldRecordArray& a, const FieldRecordArray& b)
{
    ASSERT_EQ(a.GetSize(), b.GetSize());
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        ExpectSameField(a[i], b[i]);
}

void ExpectSameProject(const ProjectRecord& a, const ProjectRecord& b)
{
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(a.targetPlatform, b.targetPlatform);
    EXPECT_EQ(a.basedProtocol, b.basedProtocol);
    EXPECT_EQ(a.libraryType, b.libraryType);
    EXPECT_EQ(a.tlvSupport, b.tlvSupport);
    EXPECT_STREQ(a.tlvTagType, b.tlvTagType);
    EXPECT_STREQ(a.tlvLengthType, b.tlvLengthType);
    ExpectSameFields(a.headerFields, b.headerFields);
    ASSERT_EQ(a.packets.GetSize(), b.packets.GetSize());
    for (INT_PTR i = 0; i < a.packets.GetSize(); ++i)
    {
        EXPECT_STREQ(a.packets[i].name, b.packets[i].name);
        EXPECT_STREQ(a.packets[i].packetType, b.packets[i].packetType);
        EXPECT_EQ(a.packets[i].hasBody, b.packets[i].hasBody);
        ExpectSameFields(a.packets[i].fields, b.packets[i].fields);
    }
}

class ProjectFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_lastLog.clear();
        g_logLines = 0;
        SetXmlLogSink(KeepLine);
        m_path = Folder() + "Chat.kvs";
        std::remove(m_path.c_str());
    }
    void TearDown() override
    {
        std::remove(m_path.c_str());
        SetXmlLogSink(nullptr);
    }

    ProjectRecord RoundTrip(const ProjectRecord& project)
    {
        CString error, message;
        EXPECT_TRUE(WriteProjectFile(project, m_path.c_str(), &error)) << error;
        ProjectRecord read;
        EXPECT_TRUE(ReadProjectFile(m_path.c_str(), &read, &message)) << g_lastLog;
        return read;
    }

    std::string m_path;
};

TEST_F(ProjectFileTest, RichDesignRoundTripsEveryMember)
{
    ProjectRecord project = RichProject();
    // Members the editors leave alone still come back as they were.
    CopyFixedText(project.headerFields[0].reinterpretName, "ver & <sion> \"q\" 'a'");
    CopyFixedText(project.headerFields[1].tlvTag, "0x0000ABCD");
    CopyFixedText(project.headerFields[2].relatedCountField, "stale\tvalue\r\n");
    CopyFixedText(project.headerFields[3].maxCount, "\xE9t\xE9");
    project.packets[0].hasBody = -7;
    project.tlvSupport = 2147483647;

    const ProjectRecord read = RoundTrip(project);
    ExpectSameProject(project, read);
    EXPECT_EQ(CString(Folder().c_str()), read.folder);
}

std::string Repeated(const std::string& text, std::size_t times)
{
    std::string result;
    for (std::size_t i = 0; i < times; ++i)
        result += text;
    return result;
}

// Plain texts are taken as they stand and others are converted: either way a text that fills its
// room comes back whole, and one character more is refused.
TEST_F(ProjectFileTest, TextsThatFillTheirRoomComeBackWholeAndOneMoreIsRefused)
{
    const std::size_t room = FixedTextCapacity(FieldRecord().name);
    // The file is written in the 8-bit code page, which the XML reader hands over as UTF-8.
    for (const std::string character : {"p", "\xE9"})
    {
        SCOPED_TRACE(character);
        ProjectRecord project = RichProject();
        FieldRecord& field = project.headerFields[0];
        ASSERT_TRUE(CopyFixedText(field.name, Repeated(character, room).c_str()));
        ASSERT_TRUE(CopyFixedText(field.maxLength, Repeated("9", FixedTextCapacity(field.maxLength)).c_str()));
        ExpectSameProject(project, RoundTrip(project));

        std::string written = ReadText(m_path);
        const std::size_t at = written.find("name=\"" + Repeated(character, room) + "\"");
        ASSERT_NE(std::string::npos, at);
        WriteText(m_path, written.insert(at + 6, character));
        ProjectRecord read;
        CString message;
        EXPECT_FALSE(ReadProjectFile(m_path.c_str(), &read, &message));
        EXPECT_NE(std::string::npos, g_lastLog.find("\"name\" is longer than 255 characters")) << g_lastLog;
    }
}

TEST_F(ProjectFileTest, EveryValueOfEveryEnumerationRoundTrips)
{
    ProjectRecord project = RichProject();
    for (int platform = 0; platform < 2; ++platform)
        for (int protocol = 0; protocol < 2; ++protocol)
            for (int library = 0; library < 2; ++library)
            {
                project.targetPlatform = platform;
                project.basedProtocol = protocol;
                project.libraryType = library;
                ExpectSameProject(project, RoundTrip(project));
            }
    FieldRecord field = IntegerField("x", "unsigned int");
    project.headerFields.RemoveAll();
    for (int unit = 0; unit < 3; ++unit)
        for (int type = 0; type < 5; ++type)
            for (int attribute = 0; attribute < 2; ++attribute)
                for (int way = 0; way < 3; ++way)
                {
                    field.unit = unit;
                    field.type = type;
                    field.attribute = attribute;
                    field.variantWay = way;
                    project.headerFields.Add(field);
                }
    ExpectSameProject(project, RoundTrip(project));
}

TEST_F(ProjectFileTest, EmptyProjectRoundTripsAndTheFileReadsPlainly)
{
    ProjectRecord project;
    CopyFixedText(project.name, "Empty");
    const ProjectRecord read = RoundTrip(project);
    ExpectSameProject(project, read);
    const std::string text = ReadText(m_path);
    EXPECT_EQ(0u, text.find("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<solution>\r\n"
                            "\t<project name=\"Empty\" platform=\"Windows\" protocol=\"TCP\" "
                            "library=\"dll library\" tlv=\"0\" tlvTagType=\"\" tlvLengthType=\"\">\r\n"
                            "\t\t<head>\r\n\t\t</head>\r\n\t\t<body>\r\n\t\t</body>\r\n\t</project>\r\n"
                            "</solution>\r\n"));
}

// Each document differs from a valid one in one way that the reader refuses.
struct Refusal
{
    const char* what;
    const char* document;
};

const char* const kField =
    "name=\"f\" maxLength=\"4\" maxCount=\"\" unit=\"byte\" dataType=\"unsigned int\" tag=\"0x00000000\" "
    "type=\"normal data\" reinterpretName=\"\" relatedCount=\"\" attribute=\"fix length\" "
    "variant=\"separated by binary 0\" relatedLength=\"\"";

std::string Document(const std::string& project, const std::string& head, const std::string& body)
{
    return "<solution><project " + project + "><head>" + head + "</head><body>" + body + "</body></project></solution>";
}

const std::string kSettings = "name=\"P\" platform=\"Windows\" protocol=\"TCP\" library=\"dll library\" tlv=\"0\" "
                              "tlvTagType=\"\" tlvLengthType=\"\"";

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST_F(ProjectFileTest, TheValidBaseDocumentIsRead)
{
    const std::string base =
        Document(kSettings, std::string("<field ") + kField + "/>",
                 std::string("<packet name=\"K\" type=\"0x1\" hasBody=\"1\"><field ") + kField + "/></packet>");
    WriteText(m_path, base);
    ProjectRecord read;
    CString message;
    ASSERT_TRUE(ReadProjectFile(m_path.c_str(), &read, &message)) << g_lastLog;
    EXPECT_STREQ("P", read.name);
    EXPECT_EQ(1, static_cast<int>(read.packets[0].fields.GetSize()));
}

// The document with the attributes of every element in the opposite order.
std::string WithAttributesReversed(const std::string& document)
{
    static const std::regex element("<(\\w+) ([^>]*?)(/?)>");
    static const std::regex attribute("\\w+=\"[^\"]*\"");
    std::string result;
    auto last = document.cbegin();
    for (std::sregex_iterator it(document.begin(), document.end(), element), end; it != end; ++it)
    {
        const std::string attributes = (*it)[2];
        std::vector<std::string> each;
        for (std::sregex_iterator a(attributes.begin(), attributes.end(), attribute); a != end; ++a)
            each.insert(each.begin(), a->str());
        result.append(last, (*it)[0].first) += "<" + (*it)[1].str();
        for (const std::string& one : each)
            result += " " + one;
        result += (*it)[3].str() + ">";
        last = (*it)[0].second;
    }
    return result.append(last, document.cend());
}

// Written files keep one order, which the reader looks for first; any other order reads the same.
TEST_F(ProjectFileTest, AttributesAreReadInAnyOrder)
{
    const ProjectRecord project = RichProject();
    RoundTrip(project);
    const std::string reversed = WithAttributesReversed(ReadText(m_path));
    ASSERT_NE(std::string::npos, reversed.find("<field relatedLength=")) << reversed.substr(0, 400);
    WriteText(m_path, reversed);
    ProjectRecord read;
    CString message;
    ASSERT_TRUE(ReadProjectFile(m_path.c_str(), &read, &message)) << g_lastLog;
    ExpectSameProject(project, read);
}

TEST_F(ProjectFileTest, EveryMalformedDocumentIsAnInvalidProjectFile)
{
    const std::string field = std::string("<field ") + kField + "/>";
    const std::string packet = "<packet name=\"K\" type=\"0x1\" hasBody=\"1\">" + field + "</packet>";
    const std::string base = Document(kSettings, field, packet);
    const std::string longName(256, 'n');
    const std::string cases[] = {
        "",
        "not xml at all",
        base.substr(0, base.size() - 3),
        Replace(base, "<solution>", "<solutions>"),
        "<solution></solution>",
        "<solution><project/></solution>",
        Replace(base, "</project>", "</project><project/>"),
        Replace(base, "<solution>", "<solution version=\"2\">"),
        Replace(base, "<solution>", "<solution>stray"),
        Replace(base, "<head>", "<head><packet/>"),
        Replace(base, "<body>", "<body><field/>"),
        Replace(base, "</body>", "</body><extra/>"),
        Replace(base, "<head>" + field + "</head>", ""),
        Replace(base, "name=\"P\" ", ""),
        Replace(base, "name=\"P\"", "name=\"\""),
        Replace(base, "name=\"P\"", "name=\"" + longName + "\""),
        Replace(base, "platform=\"Windows\"", "platform=\"windows\""),
        Replace(base, "protocol=\"TCP\"", "protocol=\"SCTP\""),
        Replace(base, "library=\"dll library\"", "library=\"\""),
        Replace(base, "tlv=\"0\"", "tlv=\"2147483648\""),
        Replace(base, "tlv=\"0\"", "tlv=\"-2147483649\""),
        Replace(base, "tlv=\"0\"", "tlv=\"1.5\""),
        Replace(base, "tlv=\"0\"", "tlv=\"\""),
        Replace(base, "tlv=\"0\"", "tlv=\"0\" colour=\"red\""),
        Replace(base, "tlvTagType=\"\"", "tlvTagType=\"int\""),
        Replace(base, "hasBody=\"1\"", "hasBody=\"yes\""),
        Replace(base, " hasBody=\"1\"", ""),
        Replace(base, "type=\"0x1\"", "type=\"" + longName + "\""),
        Replace(base, "<packet name=\"K\"", "<packet name=\"K\" extra=\"\""),
        Replace(base, "unit=\"byte\"", "unit=\"Byte\""),
        Replace(base, "dataType=\"unsigned int\"", "dataType=\"unsigned long\""),
        Replace(base, "dataType=\"unsigned int\"", "dataType=\"\""),
        Replace(base, "type=\"normal data\"", "type=\"checksum\""),
        Replace(base, "attribute=\"fix length\"", "attribute=\"fixed\""),
        Replace(base, "variant=\"separated by binary 0\"", "variant=\"3\""),
        Replace(base, " relatedLength=\"\"", ""),
        Replace(base, "maxCount=\"\"", "maxCount=\"" + std::string(30, '9') + "\""),
        Replace(base, "maxLength=\"4\"", "maxLength=\"" + std::string(50, '9') + "\""),
        Replace(base, "tag=\"0x00000000\"", "tag=\"" + longName + "\""),
        Replace(base, "<head>", "<head>text"),
        Replace(base, "hasBody=\"1\">", "hasBody=\"1\">words"),
        Replace(base, "<solution>", "<!DOCTYPE solution><solution>"),
        Replace(base, "name=\"f\"", "name=\"\xE2\x82\xAC\""),
        Replace(base, field + "</head>", std::string("<field ") + kField + "><x/></field></head>"),
        Replace(base, "</packet>", "</packet><packet name=\"L\" type=\"0x2\" hasBody=\"1\">" + field + "</packet>x"),
    };
    int index = 0;
    for (const std::string& document : cases)
    {
        SCOPED_TRACE(index++);
        WriteText(m_path, document);
        ProjectRecord read = RichProject();
        CString message;
        g_lastLog.clear();
        EXPECT_FALSE(ReadProjectFile(m_path.c_str(), &read, &message)) << document;
        EXPECT_EQ(CString("invalid project file!"), message);
        EXPECT_STREQ("", read.name);
        EXPECT_EQ(0, static_cast<int>(read.headerFields.GetSize() + read.packets.GetSize()));
        EXPECT_NE(std::string::npos, g_lastLog.find("[TWM.XCFG]"));
    }
}

// Room for packets is found before the parse; a count that misses some or
// looks for more where the text only resembles a packet changes nothing.
// A big design is saved and digested a piece at a time, never held whole as text.
TEST_F(ProjectFileTest, TheTextInPiecesIsTheWholeTextAndNoPieceIsBig)
{
    const ProjectRecord design = LargeProject(2000, 12);
    CString whole, error;
    ASSERT_TRUE(FormatProjectText(design, &whole, &error)) << error;
    std::string joined;
    std::size_t largest = 0;
    ASSERT_TRUE(FormatProjectInPieces(
        design,
        [&](const void* data, std::size_t size)
        {
            joined.append(static_cast<const char*>(data), size);
            largest = std::max(largest, size);
        },
        &error))
        << error;
    EXPECT_TRUE(joined == std::string(whole, whole.GetLength()));
    EXPECT_GT(joined.size(), std::size_t(1) << 20);
    EXPECT_LT(largest, std::size_t(80) << 10);

    ProjectRecord refused = design;
    CopyFixedText(refused.packets[1500].fields[0].dataType, "no type");
    EXPECT_FALSE(FormatProjectInPieces(
        refused, [](const void*, std::size_t) {}, &error));
    EXPECT_NE(-1, error.Find("no type")) << error;
    WriteText(m_path, "old");
    EXPECT_FALSE(WriteProjectFile(refused, m_path.c_str(), &error));
    EXPECT_EQ(0, error.Find(("cannot save " + m_path + ": ").c_str())) << error;
    EXPECT_EQ("old", ReadText(m_path)) << "a design refused halfway leaves the file as it was";
}

TEST_F(ProjectFileTest, ALargeProjectRoundTripsWhateverTheTextAroundItsPackets)
{
    ProjectRecord design = LargeProject(300, 12);
    CString error;
    ASSERT_TRUE(WriteProjectFile(design, m_path.c_str(), &error)) << error;
    std::ifstream file(m_path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    WriteText(m_path, Replace(text, "<body>", "<body><!-- <packet <packet <packet -->"));
    ProjectRecord read;
    CString message;
    ASSERT_TRUE(ReadProjectFile(m_path.c_str(), &read, &message)) << g_lastLog;
    ASSERT_EQ(design.packets.GetSize(), read.packets.GetSize());
    for (INT_PTR i = 0; i < design.packets.GetSize(); ++i)
    {
        ASSERT_EQ(design.packets[i].fields.GetSize(), read.packets[i].fields.GetSize());
        EXPECT_STREQ(design.packets[i].name, read.packets[i].name);
        EXPECT_STREQ(design.packets[i].fields[11].relatedLengthField, read.packets[i].fields[11].relatedLengthField);
    }
}

TEST_F(ProjectFileTest, AMissingFileIsAnInvalidProjectFile)
{
    ProjectRecord read;
    CString message;
    EXPECT_FALSE(ReadProjectFile((Folder() + "no-such.kvs").c_str(), &read, &message));
    EXPECT_EQ(CString("invalid project file!"), message);
    EXPECT_NE(std::string::npos, g_lastLog.find("cannot open"));
}

// The reason goes to the log and to the caller, who shows it: the file, what was wrong and where.
TEST_F(ProjectFileTest, EachRefusalIsLoggedOnceAndGivenWithThePathTheReasonAndThePlace)
{
    ProjectRecord read;
    CString message, reason;
    WriteText(m_path, "<solution>\n  <project></solution>");
    EXPECT_FALSE(ReadProjectFile(m_path.c_str(), &read, &message, &reason));
    EXPECT_EQ(1, g_logLines);
    EXPECT_EQ(std::string(m_path + ": mismatched tag at line 2, column 14"), std::string(reason));
    EXPECT_NE(std::string::npos, g_lastLog.find(reason)) << g_lastLog;

    g_logLines = 0;
    WriteText(m_path, "<solution>\n  <other/></solution>");
    EXPECT_FALSE(ReadProjectFile(m_path.c_str(), &read, &message, &reason));
    EXPECT_EQ(1, g_logLines);
    EXPECT_EQ(std::string("invalid project file " + m_path +
                          ": <solution> must hold exactly one <project> at line 2, column 3"),
              std::string(reason));
    EXPECT_NE(std::string::npos, g_lastLog.find(reason)) << g_lastLog;
}

TEST_F(ProjectFileTest, AProjectAlreadyLoadedIsRefusedWhateverItsCase)
{
    CString error, message;
    ASSERT_TRUE(WriteProjectFile(RichProject(), m_path.c_str(), &error));
    ProjectRecordArray loaded;
    ProjectRecord other;
    CopyFixedText(other.name, "Other");
    loaded.Add(other);

    ProjectRecord read;
    ASSERT_TRUE(LoadProjectFile(m_path.c_str(), loaded, &read, &message));
    loaded.Add(read);

    ProjectRecord again;
    EXPECT_FALSE(LoadProjectFile(m_path.c_str(), loaded, &again, &message));
    EXPECT_EQ(CString("the Chat protocol already exist in the current projects!"), message);
    CopyFixedText(loaded[1].name, "cHAT");
    EXPECT_FALSE(LoadProjectFile(m_path.c_str(), loaded, &again, &message));
    EXPECT_EQ(CString("the Chat protocol already exist in the current projects!"), message);
    EXPECT_STREQ("", again.name);
}

TEST_F(ProjectFileTest, AFailedWriteKeepsTheOldFile)
{
    CString error;
    ASSERT_TRUE(WriteProjectFile(RichProject(), m_path.c_str(), &error));
    const std::string before = ReadText(m_path);

    // A folder where the temporary file would go makes the write fail.
    const std::string blocker = m_path + ".tmp";
    ASSERT_EQ(0, MakeDirectory(blocker.c_str()));
    ProjectRecord changed = RichProject();
    CopyFixedText(changed.packets[0].name, "Changed");
    EXPECT_FALSE(WriteProjectFile(changed, m_path.c_str(), &error));
    EXPECT_NE(-1, error.Find("Chat.kvs.tmp"));
    EXPECT_EQ(before, ReadText(m_path));
    struct stat info;
    EXPECT_EQ(0, stat(blocker.c_str(), &info));
    rmdir(blocker.c_str());

    EXPECT_TRUE(WriteProjectFile(changed, m_path.c_str(), &error));
    EXPECT_NE(before, ReadText(m_path));
    EXPECT_NE(0, stat(blocker.c_str(), &info));
}

const std::filesystem::perms kWriteBits =
    std::filesystem::perms::owner_write | std::filesystem::perms::group_write | std::filesystem::perms::others_write;

// On Windows the write bits are the read-only attribute.
void SetReadOnly(const std::string& path, bool readOnly)
{
    using std::filesystem::perm_options;
    std::filesystem::permissions(path, kWriteBits, readOnly ? perm_options::remove : perm_options::add);
}

bool IsReadOnly(const std::string& path)
{
    return (std::filesystem::status(path).permissions() & kWriteBits) == std::filesystem::perms::none;
}

TEST_F(ProjectFileTest, AReadOnlyFileIsRefusedAsWindowsRefusesItAndKept)
{
    CString error;
    ASSERT_TRUE(WriteProjectFile(RichProject(), m_path.c_str(), &error));
    const std::string before = ReadText(m_path);
    SetReadOnly(m_path, true);
    ProjectRecord changed = RichProject();
    CopyFixedText(changed.packets[0].name, "Changed");

    EXPECT_FALSE(WriteProjectFile(changed, m_path.c_str(), &error));
#ifdef _WIN32
    // The system's own sentence stands between the path and the number.
    const std::string text(error);
    const std::string start = "cannot replace " + m_path + ": ";
    const std::string end = " (system error 5)";
    EXPECT_EQ(0u, text.find(start)) << text;
    EXPECT_GT(text.size(), start.size() + end.size() + 4) << text;
    EXPECT_EQ(text.size() - end.size(), text.rfind(end)) << text;
#else
    EXPECT_EQ(CString(("cannot replace " + m_path + ": Permission denied").c_str()), error);
#endif
    EXPECT_EQ(before, ReadText(m_path));
    EXPECT_TRUE(IsReadOnly(m_path));
    EXPECT_FALSE(std::filesystem::exists(m_path + ".tmp"));

    SetReadOnly(m_path, false);
    EXPECT_TRUE(WriteProjectFile(changed, m_path.c_str(), &error)) << error;
    EXPECT_NE(before, ReadText(m_path));
}

TEST_F(ProjectFileTest, WritingIntoAMissingFolderFailsAndCreatesNothing)
{
    CString error;
    const std::string path = Folder() + "missing-folder/Chat.kvs";
    EXPECT_FALSE(WriteProjectFile(RichProject(), path.c_str(), &error));
    EXPECT_NE(-1, error.Find("missing-folder"));
}

// Every file the designer makes is named after the project: a name that climbs out of the folder,
// names a device or holds what Windows refuses would write where the user never chose.
TEST_F(ProjectFileTest, ANameThatCannotBeOneFileInTheFolderIsRefusedWhereItStands)
{
    const std::string refused[] = {
        "..\\..\\victim", "../x", "a\\b", "c:x", "..",  ".",   "con", "CON.txt", "nul.diagram", "com1",
        "Lpt9",           "aux ", "x.",   "a*b", "a?b", "a|b", "a<b", "a>b",     "a\"b",        "tab\tx"};
    for (const std::string& name : refused)
    {
        SCOPED_TRACE(name);
        std::string escaped = Replace(Replace(name, "\"", "&quot;"), "\t", "&#9;");
        escaped = Replace(Replace(escaped, "<", "&lt;"), ">", "&gt;");
        WriteText(m_path, Document(Replace(kSettings, "name=\"P\"", "name=\"" + escaped + "\""), "", ""));
        ProjectRecord read;
        CString message, reason;
        g_logLines = 0;
        EXPECT_FALSE(ReadProjectFile(m_path.c_str(), &read, &message, &reason));
        EXPECT_EQ(0,
                  reason.Find(("invalid project file " + m_path + ": project attribute \"name\" is refused: ").c_str()))
            << reason;
        EXPECT_NE(-1, reason.Find(" cannot be a file name: ")) << reason;
        EXPECT_NE(-1, reason.Find("at line 1, column 11")) << "where the project stands: " << reason;
        EXPECT_EQ(1, g_logLines);
        EXPECT_STREQ("", read.name);
    }
    // Names the validator refuses later, but each is one file in the folder.
    for (const char* name : {"console", "com10", "lpt", "a.b", "..x", "my project"})
    {
        WriteText(m_path, Document(Replace(kSettings, "name=\"P\"", std::string("name=\"") + name + "\""), "", ""));
        ProjectRecord read;
        CString message;
        EXPECT_TRUE(ReadProjectFile(m_path.c_str(), &read, &message)) << name << ": " << g_lastLog;
    }
}

// The limit counts the whole path of the longest file made from the name, "<name>_api_demo.c.tmp".
TEST_F(ProjectFileTest, ANameWhoseLongestPathInTheFolderPassesTheLimitIsRefusedOnReading)
{
    const std::size_t fitting = 259 - Folder().size() - std::strlen("_api_demo.c.tmp");
    const std::string document = Document(kSettings, "", "");
    const std::string fits = Replace(document, "name=\"P\"", "name=\"" + std::string(fitting, 'n') + "\"");
    const std::string over = Replace(document, "name=\"P\"", "name=\"" + std::string(fitting + 1, 'n') + "\"");
    ProjectRecord read;
    CString message, reason;
    WriteText(m_path, fits);
    EXPECT_TRUE(ReadProjectFile(m_path.c_str(), &read, &message, &reason)) << reason;
    WriteText(m_path, over);
    EXPECT_FALSE(ReadProjectFile(m_path.c_str(), &read, &message, &reason));
    EXPECT_NE(-1, reason.Find("_api_demo.c.tmp would have 260 characters, more than the limit of 259 at line 1"))
        << reason;

    // Text of no file has no folder to measure against.
    CString detail;
    EXPECT_TRUE(ParseProjectText(over.data(), over.size(), Folder().c_str(), &read, &detail)) << detail;
}

// Before, a short name in a long folder was refused as if the name were at fault.
TEST_F(ProjectFileTest, AFolderTooLongForAnyNameIsBlamedAndNotTheName)
{
    const std::size_t longest = 259 - std::strlen("x_api_demo.c.tmp");
    const std::string folder = Folder() + std::string(longest + 1 - Folder().size() - 1, 'f');
    ASSERT_EQ(0, MakeDirectory(folder.c_str()));
    const std::string path = folder + static_cast<char>(std::filesystem::path::preferred_separator) + "P.kvs";
    WriteText(path, Document(kSettings, "", ""));
    ProjectRecord read;
    CString message, reason;
    EXPECT_FALSE(ReadProjectFile(path.c_str(), &read, &message, &reason));
    std::remove(path.c_str());
    std::filesystem::remove(folder);
    EXPECT_NE(-1, reason.Find((" the folder " + folder).c_str())) << reason;
    EXPECT_NE(-1, reason.Find("is too long for a project's files: even with a name of one character they would have "
                              "260 characters, more than the limit of 259"))
        << reason;
    EXPECT_EQ(-1, reason.Find("\"name\"")) << reason;
}

#ifdef _WIN32
// Past the limit the ANSI file functions can neither rename nor remove what the C library made.
TEST_F(ProjectFileTest, AWriteWhoseTemporaryPassesThePathLimitFailsAndLeavesNothing)
{
    const std::string path = Folder() + std::string(257 - Folder().size() - 4, 'n') + ".kvs";
    ASSERT_EQ(257u, path.size());
    WriteText(path, "old contents");
    CString error;
    EXPECT_FALSE(WriteProjectFile(RichProject(), path.c_str(), &error));
    EXPECT_NE(-1, error.Find("(system error 206)")) << error;
    EXPECT_EQ("old contents", ReadText(path));
    for (const auto& entry : std::filesystem::directory_iterator(Folder()))
        EXPECT_NE(".tmp", entry.path().extension().string()) << entry.path().string();
    std::remove(path.c_str());
}
#endif

TEST_F(ProjectFileTest, TheWriterRefusesWhatTheReaderWouldRefuse)
{
    CString error;
    const std::string before = "old contents";
    WriteText(m_path, before);
    struct Case
    {
        const char* what;
        void (*spoil)(ProjectRecord&);
    };
    const Case cases[] = {
        {"attribute \"unit\" has an unknown value", [](ProjectRecord& p) { p.headerFields[0].unit = 3; }},
        {"attribute \"type\" has an unknown value", [](ProjectRecord& p) { p.packets[1].fields[0].type = -1; }},
        {"attribute \"platform\" has an unknown value", [](ProjectRecord& p) { p.targetPlatform = 2; }},
        {"unknown data type \"long\"",
         [](ProjectRecord& p) { CopyFixedText(p.packets[0].fields[0].dataType, "long"); }},
        {"unknown data type \"int\"", [](ProjectRecord& p) { CopyFixedText(p.tlvLengthType, "int"); }},
        {"control character", [](ProjectRecord& p) { CopyFixedText(p.packets[2].name, "a\x01"); }},
        {"no name", [](ProjectRecord& p) { CopyFixedText(p.name, ""); }},
        {"\"..\\x\" cannot be a file name", [](ProjectRecord& p) { CopyFixedText(p.name, "..\\x"); }},
        {"\"nul.c\" cannot be a file name", [](ProjectRecord& p) { CopyFixedText(p.name, "nul.c"); }},
    };
    for (const Case& c : cases)
    {
        ProjectRecord project = RichProject();
        c.spoil(project);
        EXPECT_FALSE(WriteProjectFile(project, m_path.c_str(), &error)) << c.what;
        EXPECT_NE(-1, error.Find(c.what)) << error;
        EXPECT_EQ(before, ReadText(m_path));
    }
}

TEST(ProjectPaths, FolderAndFileNameOfAProject)
{
    EXPECT_EQ(CString("C:\\work\\"), ProjectFolderOf("C:\\work\\Chat.kvs"));
#ifdef _WIN32
    EXPECT_EQ(CString("C:\\work\\sub\\"), ProjectFolderOf("C:/work/sub/Chat.kvs"));
    EXPECT_EQ(CString(".\\"), ProjectFolderOf("Chat.kvs"));
#else
    EXPECT_EQ(CString("/work/sub/"), ProjectFolderOf("/work/sub/Chat.kvs"));
    EXPECT_EQ(CString("./"), ProjectFolderOf("Chat.kvs"));
#endif
    ProjectRecord project;
    CopyFixedText(project.name, "Chat");
    project.folder = "C:\\work\\";
    CString path, error;
    ASSERT_TRUE(ProjectFilePath(project, &path, &error)) << error;
    EXPECT_EQ(CString("C:\\work\\Chat.kvs"), path);
    CopyFixedText(project.name, "..\\Chat");
    EXPECT_FALSE(ProjectFilePath(project, &path, &error));
    EXPECT_EQ(CString("\"..\\Chat.kvs\" cannot be a file name: it holds the character \\"), error);
}

TEST(NewProject, TakesTheDialogsResultsAndRefusesNamesThatDoNotFit)
{
    ProjectRecord project;
    CString error;
    ASSERT_TRUE(NewProjectRecord("smpp33", "C:\\work", PROTOCOL_UDP, PLATFORM_UNIX, LIBRARY_STATIC, &project, &error));
    EXPECT_STREQ("smpp33", project.name);
    EXPECT_EQ(PROTOCOL_UDP, project.basedProtocol);
    EXPECT_EQ(PLATFORM_UNIX, project.targetPlatform);
    EXPECT_EQ(LIBRARY_STATIC, project.libraryType);
    EXPECT_EQ(0, project.tlvSupport);
    EXPECT_STREQ("unsigned int", project.tlvTagType);
    EXPECT_EQ(0, static_cast<int>(project.headerFields.GetSize() + project.packets.GetSize()));
#ifdef _WIN32
    EXPECT_EQ(CString("C:\\work\\smpp33\\"), project.folder);
#else
    EXPECT_EQ(CString("C:\\work/smpp33/"), project.folder);
#endif
    ASSERT_TRUE(NewProjectRecord("a", "/tmp/", 0, 0, 0, &project, &error));
    EXPECT_EQ(0, project.folder.Find("/tmp/a"));

    const std::string tooLong(256, 'n');
    EXPECT_FALSE(NewProjectRecord(tooLong.c_str(), "/tmp/", 0, 0, 0, &project, &error));
    EXPECT_FALSE(NewProjectRecord("", "/tmp/", 0, 0, 0, &project, &error));
    EXPECT_EQ(CString("the project name must have 1 to 255 characters"), error);
    EXPECT_FALSE(NewProjectRecord("nul", "/tmp/", 0, 0, 0, &project, &error));
    EXPECT_EQ(CString("\"nul\" cannot be a file name: it is the name of a device"), error);
    // "<location>/<name>/<name>_api_demo.c.tmp": the name counts twice.
    const std::string location(100, 'l');
    EXPECT_TRUE(NewProjectRecord(std::string(71, 'n').c_str(), location.c_str(), 0, 0, 0, &project, &error)) << error;
    EXPECT_FALSE(NewProjectRecord(std::string(72, 'n').c_str(), location.c_str(), 0, 0, 0, &project, &error));
    EXPECT_NE(-1, error.Find("more than the limit of 259")) << error;
    EXPECT_EQ(std::string(71, 'n'), std::string(project.name));
}

TEST(ProjectText, FormatAndParseAgreeWithoutFiles)
{
    CString text, error, detail;
    const ProjectRecord project = RichProject();
    ASSERT_TRUE(FormatProjectText(project, &text, &error));
    ProjectRecord read;
    ASSERT_TRUE(ParseProjectText(text, text.GetLength(), "somewhere/", &read, &detail)) << detail;
    ExpectSameProject(project, read);
    EXPECT_EQ(CString("somewhere/"), read.folder);
}

}  // namespace
