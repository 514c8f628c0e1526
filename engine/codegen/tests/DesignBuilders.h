// DesignBuilders.h: designs in the designer's terms, field by field, for the tests.
#pragma once

#include "Design.h"

#include <string>
#include <vector>

namespace codegen {
namespace builders {

DesignField Integer(const std::string& name, const char* dataType, int role = 0);
DesignField Bits(const std::string& name, int width);
DesignField Text(const std::string& name, int maxLength, int attribute = 0, int variant = 0,
                 const std::string& relatedLength = std::string());
DesignField TextArray(const std::string& name, int maxLength, int maxCount, const std::string& relatedCount,
                      int attribute = 0, int variant = 0, const std::string& relatedLength = std::string());
DesignField Tlv(const std::string& name, const char* dataType, const char* tag, int maxLength = 0);

DesignPacket Packet(const std::string& name, const char* type, std::vector<DesignField> fields);

} // namespace builders
} // namespace codegen
