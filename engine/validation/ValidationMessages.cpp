// ValidationMessages.cpp: the texts of the design-validation problems.
#include "ValidationMessages.h"

#include <cstring>

namespace
{

struct ProblemText
{
    ValidationProblem problem;
    const char* text;
};

// Indexed by the enumeration; the check below keeps the two in step.
constexpr ProblemText kProblems[VP_PROBLEM_COUNT] = {
    {VP_NAME_EMPTY, "the name is empty"},
    {VP_NAME_NOT_IDENTIFIER, "the name must be a letter followed by letters or digits"},
    {VP_NAME_RESERVED, "the name is reserved in the generated C code"},
    {VP_NAME_TOO_LONG,
     "the name has more than %s characters, so the longest file name made from it would exceed the limit of %s "
     "characters"},
    {VP_SETTING_OUT_OF_RANGE, "the target platform, based protocol or library type is out of range"},
    {VP_TLV_TAG_TYPE, "the TLV tag data type \"%s\" is not an integer type"},
    {VP_TLV_LENGTH_TYPE, "the TLV length data type \"%s\" is not an integer type"},
    {VP_FIELD_NAME_DUPLICATE, "an earlier field of the %s has the same name"},
    {VP_UNIT_OUT_OF_RANGE, "the unit is out of range"},
    {VP_DATA_TYPE_UNKNOWN, "the data type \"%s\" is unknown"},
    {VP_FIELD_TYPE_OUT_OF_RANGE, "the field type is out of range"},
    {VP_VARIANT_OUT_OF_RANGE, "the attribute or the variant way is out of range"},
    {VP_INTEGER_LENGTH, "the max length of a \"%s\" field must be %s, not \"%s\""},
    {VP_BIT_WIDTH, "the max length of a bit field must be a width from 1 to 31, not \"%s\""},
    {VP_BIT_DATA_TYPE, "a bit field of %s bits must have the data type \"%s\", not \"%s\""},
    {VP_BIT_RUN, "the run of bit fields that ends here takes %s bits, not a whole number of bytes"},
    {VP_TEXT_LENGTH, "the max length of a \"%s\" field must be a number from 1 to %s, not \"%s\""},
    {VP_TEXT_COUNT, "the max count of a \"char *\" field must be a number from 1 to %s, not \"%s\""},
    {VP_LENGTH_FIELD_MISSING, "a variant length field whose variant way is \"%s\" needs a related length field"},
    {VP_RELATED_NOT_FOUND, "the related %s field \"%s\" is not an earlier field of the same %s"},
    {VP_RELATED_NOT_INTEGER, "the related %s field \"%s\" must be a byte or bit field of an integer type"},
    {VP_RELATED_TOO_NARROW, "the related %s field \"%s\" cannot hold the max %s %s"},
    {VP_ROLE_IN_PACKET, "a \"%s\" field belongs in the header, not in a packet"},
    {VP_ROLE_NOT_INTEGER, "a \"%s\" field must be a byte field of an integer data type"},
    {VP_ROLE_DUPLICATE, "the header already has a \"%s\" field, %s"},
    {VP_ROLE_TOO_NARROW, "the \"%s\" field %s cannot hold the largest %s of %s bytes"},
    {VP_TLV_NOT_SUPPORTED, "a TLV field needs TLV support switched on for the project"},
    {VP_TLV_NOT_NORMAL, "a TLV field must be of type \"normal data\""},
    {VP_TLV_DATA_TYPE, "a TLV field cannot have the data type \"char *\""},
    {VP_TLV_TAG_MALFORMED, "the TLV tag \"%s\" is not \"0x\" followed by one to eight hexadecimal digits"},
    {VP_TLV_TAG_DUPLICATE, "the TLV tag %s is the same as that of the earlier field %s"},
    {VP_TLV_TAG_TOO_WIDE, "the TLV tag %s does not fit the TLV tag data type \"%s\""},
    {VP_TLV_LENGTH_TOO_NARROW, "the TLV length data type \"%s\" cannot hold the max length %s"},
    {VP_HEADER_NOT_FIXED, "a header field must have a fixed size: an integer, a bit field or a fix length \"char []\""},
    {VP_NO_PACKETS, "the project has no packet"},
    {VP_PACKET_TYPE_FIELD_MISSING, "a project of %s packets needs a header field of type \"packet type\""},
    {VP_PACKET_NAME_DUPLICATE, "an earlier packet has the same name, regardless of case"},
    {VP_PACKET_TYPE_MALFORMED, "the packet type \"%s\" is not \"0x\" followed by one to eight hexadecimal digits"},
    {VP_PACKET_TYPE_DUPLICATE, "the packet type %s is the same as that of the earlier packet %s"},
    {VP_PACKET_TYPE_TOO_WIDE, "the packet type %s does not fit the \"%s\" packet type field %s"},
    {VP_PACKET_TOO_LARGE, "the packet can take %s bytes with the header, more than the limit of %s"},
    {VP_DATAGRAM_TOO_LARGE, "the packet can take %s bytes with the header, more than one UDP datagram of %s"},
    {VP_TCP_NEEDS_LENGTH,
     "the packet's size varies, so over TCP the header needs a \"body length\" or \"total length\" field"},
};

constexpr bool InEnumerationOrder()
{
    for (int i = 0; i < VP_PROBLEM_COUNT; ++i)
    {
        if (kProblems[i].problem != i || kProblems[i].text == nullptr)
            return false;
    }
    return true;
}
static_assert(InEnumerationOrder(), "the problem texts must follow the enumeration");

// An empty name shows as "" so that the line still reads.
CString Named(const char* kind, const char* name) { return CString(kind) + (name[0] != '\0' ? name : "\"\""); }

CString PlaceText(const ValidationPlace& place)
{
    CString text = Named("project ", place.project);
    if (place.packet != nullptr)
        text += Named(", packet ", place.packet);
    if (place.field != nullptr)
        text += Named(place.packet != nullptr ? ", field " : ", header field ", place.field);
    return text;
}

}  // namespace

const char* ValidationMessageText(ValidationProblem problem)
{
    if (problem < 0 || problem >= VP_PROBLEM_COUNT)
        return "";
    return kProblems[problem].text;
}

CString FormatValidationLine(const ValidationPlace& place, ValidationProblem problem,
                             std::initializer_list<const char*> arguments)
{
    CString line = CString("Error: ") + PlaceText(place) + ": ";
    const char* const* argument = arguments.begin();
    for (const char* p = ValidationMessageText(problem); *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] == 's' && argument != arguments.end())
        {
            line += *argument++;
            ++p;
            continue;
        }
        line += *p;
    }
    return line + ", please redesign your protocol!";
}
