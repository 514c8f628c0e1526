// Writers.h: the writers of each generated file, over a resolved layout, and the names they share.
#pragma once

#include "CodeText.h"
#include "Layout.h"

#include <string>

namespace codegen
{

void WriteApiHeader(const ProtocolLayout& layout, CodeText& out);
void WriteApiSource(const ProtocolLayout& layout, CodeText& out);
void WriteDemo(const ProtocolLayout& layout, CodeText& out);
void WriteMakefile(const ProtocolLayout& layout, CodeText& out);
void WriteDiagram(const ProtocolLayout& layout, CodeText& out);

// Identifiers of the generated C, all prefixed with the project's name.
inline std::string HeaderStruct(const ProtocolLayout& l) { return l.name + "_header_t"; }
inline std::string PacketStruct(const ProtocolLayout& l, const PacketLayout& p) { return l.name + "_" + p.name + "_t"; }
inline std::string UnionStruct(const ProtocolLayout& l) { return l.name + "_packet_t"; }
inline std::string TypeConstant(const ProtocolLayout& l, const PacketLayout& p) { return l.name + "_TYPE_" + p.name; }

}  // namespace codegen
