// SampleDesigns.h: protocol designs for tests, the benchmark and the fuzz seeds.
#pragma once

#include "model/ProtocolRecords.h"

// Single fields, each valid on its own in a design with TLV support.
FieldRecord IntegerField(const char* name, const char* dataType, int type = 0);
FieldRecord BitField(const char* name, int bits);
FieldRecord TextField(const char* name, const char* maxLength);
FieldRecord VariantTextField(const char* name, const char* maxLength, int way, const char* lengthField);
FieldRecord TextArrayField(const char* name, const char* maxLength, const char* maxCount, const char* countField);
FieldRecord TlvField(const char* name, const char* tag, const char* dataType, const char* maxLength);

PacketRecord Packet(const char* name, const char* type);

// A design that passes validation and uses every unit, data type, role,
// attribute and variant way.
ProjectRecord RichProject();

// A valid design of the given size: a header of four fields and packets of
// fieldsPerPacket fields each.
ProjectRecord LargeProject(int packets, int fieldsPerPacket);
