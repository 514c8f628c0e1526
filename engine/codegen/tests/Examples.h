// Examples.h: the example designs shipped in the program folder's example folder, loaded for the tests.
#pragma once

#include "model/ProtocolRecords.h"

#include <string>
#include <vector>

namespace codegen
{
namespace testing
{

// chat: TCP, packet type and body length, bit fields, every text variant,
// counted "char *", a packet without body. sensor: UDP, header length and
// total length, bit runs, signed values. vault: TCP, TLV fields, total
// length. beacon: TCP framed by fixed packet sizes alone.
std::vector<std::string> ExampleNames();

// Reads example/<name>.kvs of the program folder; fails the test when it cannot.
ProjectRecord LoadExample(const std::string& name);

}  // namespace testing
}  // namespace codegen
