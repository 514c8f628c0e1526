// ValidationMessages.h: the one table of design-validation problems and the line that reports one.
#pragma once

#include <afx.h>

#include <initializer_list>

enum ValidationProblem
{
    VP_NAME_EMPTY,
    VP_NAME_NOT_IDENTIFIER,
    VP_NAME_RESERVED,
    VP_NAME_TOO_LONG,
    VP_SETTING_OUT_OF_RANGE,
    VP_TLV_TAG_TYPE,
    VP_TLV_LENGTH_TYPE,
    VP_FIELD_NAME_DUPLICATE,
    VP_UNIT_OUT_OF_RANGE,
    VP_DATA_TYPE_UNKNOWN,
    VP_FIELD_TYPE_OUT_OF_RANGE,
    VP_VARIANT_OUT_OF_RANGE,
    VP_INTEGER_LENGTH,
    VP_BIT_WIDTH,
    VP_BIT_DATA_TYPE,
    VP_BIT_RUN,
    VP_TEXT_LENGTH,
    VP_TEXT_COUNT,
    VP_LENGTH_FIELD_MISSING,
    VP_RELATED_NOT_FOUND,
    VP_RELATED_NOT_INTEGER,
    VP_RELATED_TOO_NARROW,
    VP_ROLE_IN_PACKET,
    VP_ROLE_NOT_INTEGER,
    VP_ROLE_DUPLICATE,
    VP_ROLE_TOO_NARROW,
    VP_TLV_NOT_SUPPORTED,
    VP_TLV_NOT_NORMAL,
    VP_TLV_DATA_TYPE,
    VP_TLV_TAG_MALFORMED,
    VP_TLV_TAG_DUPLICATE,
    VP_TLV_TAG_TOO_WIDE,
    VP_TLV_LENGTH_TOO_NARROW,
    VP_HEADER_NOT_FIXED,
    VP_NO_PACKETS,
    VP_PACKET_TYPE_FIELD_MISSING,
    VP_PACKET_NAME_DUPLICATE,
    VP_PACKET_TYPE_MALFORMED,
    VP_PACKET_TYPE_DUPLICATE,
    VP_PACKET_TYPE_TOO_WIDE,
    VP_PACKET_TOO_LARGE,
    VP_DATAGRAM_TOO_LARGE,
    VP_TCP_NEEDS_LENGTH,
    VP_PROBLEM_COUNT
};

// Where a problem lies: the project, and the packet and field when there are.
// A field without a packet is a header field.
struct ValidationPlace
{
    const char* project;
    const char* packet;
    const char* field;
};

// The problem's text with "%s" where its arguments go.
const char* ValidationMessageText(ValidationProblem problem);

// "Error: <place>: <problem>, please redesign your protocol!" with the
// arguments put in place of the "%s" marks in order.
CString FormatValidationLine(const ValidationPlace& place, ValidationProblem problem,
                             std::initializer_list<const char*> arguments);
