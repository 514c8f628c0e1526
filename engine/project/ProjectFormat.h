// ProjectFormat.h: the element and attribute names of the ".kvs" format, shared by reader and writer.
#pragma once

namespace ProjectFormat
{

const char* const kRootElement = "solution";
const char* const kProjectElement = "project";
const char* const kHeadElement = "head";
const char* const kBodyElement = "body";
const char* const kPacketElement = "packet";
const char* const kFieldElement = "field";

// Project settings.
const char* const kPlatform = "platform";
const char* const kProtocol = "protocol";
const char* const kLibrary = "library";
const char* const kTlv = "tlv";
const char* const kTlvTagType = "tlvTagType";
const char* const kTlvLengthType = "tlvLengthType";

// Shared by project, packet and field.
const char* const kName = "name";
const char* const kType = "type";

// Packet.
const char* const kHasBody = "hasBody";

// Field.
const char* const kMaxLength = "maxLength";
const char* const kMaxCount = "maxCount";
const char* const kUnit = "unit";
const char* const kDataType = "dataType";
const char* const kTag = "tag";
const char* const kReinterpretName = "reinterpretName";
const char* const kRelatedCount = "relatedCount";
const char* const kAttribute = "attribute";
const char* const kVariant = "variant";
const char* const kRelatedLength = "relatedLength";

}  // namespace ProjectFormat
