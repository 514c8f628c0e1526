// ValidationOutputTest.cpp: the validator's lines over thousands of generated designs stay exactly as they were.
#include "validation/DesignValidator.h"
#include "SampleDesigns.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace
{

const char* const kUnsoundNames[] = {"", "int", "2x", "a_b", "header", "kind"};
const char* const kUnsoundCodes[] = {"0x", "1", "0x1G", "0x123456789", "0xFFFFFFFF"};
const char* const kIntegerTypes[] = {"unsigned char", "signed char", "unsigned short int", "signed short int",
                                     "unsigned int",  "signed int",  "unsigned int64",     "signed int64"};
const char* const kUnsoundLengths[] = {"0", "65536", "x", "", "300"};
const char* const kUnsoundCounts[] = {"0", "65536", ""};

// Mostly sound designs with a spoiled member now and then, so that the run
// reaches the later checks, the ones that look back at earlier fields and
// packets among them: names and codes are drawn from ranges small enough to
// meet again, in other spellings.
class DesignMaker
{
public:
    explicit DesignMaker(unsigned seed) : m_random(seed) {}

    ProjectRecord Make()
    {
        ProjectRecord project;
        CopyFixedText(project.name, Spoiled() ? Pick(kUnsoundNames) : "P");
        project.basedProtocol = static_cast<int>(Below(2));
        project.tlvSupport = Spoiled() ? 0 : 1;
        CopyFixedText(project.tlvTagType, Spoiled() ? "char []" : "unsigned char");
        CopyFixedText(project.tlvLengthType, Pick(kIntegerTypes));
        project.folder = "f/";
        MakeHeader(&project.headerFields);
        for (unsigned count = Below(40); count > 0; --count)
            project.packets.Add(MakePacket());
        return project;
    }

private:
    unsigned Below(unsigned n) { return static_cast<unsigned>(m_random() % n); }
    bool OneIn(unsigned n) { return Below(n) == 0; }
    bool Spoiled() { return OneIn(150); }

    template <std::size_t N>
    const char* Pick(const char* const (&choices)[N])
    {
        return choices[Below(N)];
    }

    // A number in one of the spellings that mean the same value.
    std::string Code(unsigned value)
    {
        if (Spoiled())
            return Pick(kUnsoundCodes);
        char text[16];
        const char* const formats[] = {"0x%X", "0x%x", "0x%08X", "0x%04x"};
        std::snprintf(text, sizeof(text), Pick(formats), value);
        return text;
    }

    std::string Name(const char* prefix, unsigned range)
    {
        if (Spoiled())
            return Pick(kUnsoundNames);
        std::string name = prefix + std::to_string(Below(range));
        if (OneIn(3))
            name[0] = static_cast<char>(name[0] - 'a' + 'A');
        return name;
    }

    const char* Length(const char* sound) { return Spoiled() ? Pick(kUnsoundLengths) : sound; }

    void MakeHeader(FieldRecordArray* header)
    {
        header->Add(IntegerField("kind", OneIn(40) ? "unsigned char" : "unsigned short int", FIELD_PACKET_TYPE));
        if (!OneIn(8))
            header->Add(IntegerField("bodyLength", OneIn(8) ? "unsigned char" : "unsigned int", FIELD_BODY_LENGTH));
        if (OneIn(4))
            header->Add(IntegerField("totalLength", Pick(kIntegerTypes), FIELD_TOTAL_LENGTH));
        if (OneIn(4))
            header->Add(BitField("flags", Spoiled() ? 7 : 8));
        if (Spoiled())
            header->Add(TextField("note", "8"));
    }

    PacketRecord MakePacket()
    {
        PacketRecord packet = Packet(Name("k", 800).c_str(), Code(Below(Spoiled() ? 70000 : 800)).c_str());
        m_integers.clear();
        for (unsigned count = Below(12); count > 0; --count)
            packet.fields.Add(MakeField(Name("f", 300)));
        return packet;
    }

    // An earlier integer field's name mostly; now and then any name.
    std::string Related()
    {
        return Spoiled() ? Name("f", 300) : m_integers[Below(static_cast<unsigned>(m_integers.size()))];
    }

    FieldRecord MakeField(const std::string& name)
    {
        const unsigned kind = Below(8);
        // Texts that name a related field come after an integer.
        switch (m_integers.empty() && (kind == 4 || kind == 5) ? 0 : kind)
        {
        case 0:
        case 1:
            m_integers.push_back(name);
            return IntegerField(name.c_str(), Pick(kIntegerTypes), Spoiled() ? FIELD_TOTAL_LENGTH : FIELD_NORMAL_DATA);
        case 2:
            return BitField(name.c_str(), Spoiled() ? static_cast<int>(Below(32)) : 8);
        case 3:
            return TextField(name.c_str(), Length("16"));
        case 4:
            return VariantTextField(name.c_str(), Length(OneIn(2) ? "16" : "300"), static_cast<int>(1 + Below(2)),
                                    Related().c_str());
        case 5:
            return TextArrayField(name.c_str(), Length("8"), Spoiled() ? Pick(kUnsoundCounts) : "100",
                                  OneIn(2) ? "" : Related().c_str());
        default:
            return OneIn(2) ? TlvField(name.c_str(), Code(Below(40)).c_str(), "char []", Length("20"))
                            : TlvField(name.c_str(), Code(Below(40)).c_str(), "unsigned short int", Length("2"));
        }
    }

    std::mt19937 m_random;
    std::vector<std::string> m_integers;  // of the packet being made
};

std::uint64_t Fnv1a(std::uint64_t hash, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
        hash = (hash ^ static_cast<unsigned char>(*p)) * 1099511628211u;
    return (hash ^ '\n') * 1099511628211u;
}

// The digest was taken from the validator as it stood before the checks were
// made linear; a change of any line, or of which problem is found first,
// changes it. (A bit field of a width no data type fits has an empty data
// type; the sample makers once stored "(null)" there.)
TEST(ValidationOutput, LinesOfGeneratedDesignsAreUnchanged)
{
    DesignMaker maker(29);
    std::uint64_t digest = 14695981039346656037u;
    int passed = 0;
    for (int i = 0; i < 4000; ++i)
    {
        CString line;
        if (ValidateDesign(maker.Make(), &line))
            ++passed;
        digest = Fnv1a(digest, line);
    }
    EXPECT_EQ(363, passed);
    EXPECT_EQ(4754584794845408445u, digest);
}

}  // namespace
