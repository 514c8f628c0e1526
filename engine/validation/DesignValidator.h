// DesignValidator.h: checks a whole protocol design before code is generated from it.
#pragma once

#include "model/ProtocolRecords.h"

#include <afx.h>

#include <cstdint>

// Limits that keep the generated buffers within what a C compiler and a
// datagram accept.
const std::uint64_t kMaxTextLength = 65535;                 // bytes of one "char []" or "char *" text
const std::uint64_t kMaxTextCount = 65535;                  // texts of one "char *" field
const std::uint64_t kMaxPacketBytes = 16u * 1024u * 1024u;  // header and body together
const std::uint64_t kMaxDatagramBytes = 65507;              // header and body over UDP

// Windows keeps one file name within 255 characters. The longest a project's
// name makes is the demo source's, while it is written beside its place.
const std::uint64_t kMaxFileNameLength = 255;
const char kLongestFileNameEnd[] = "_api_demo.c.tmp";
const std::uint64_t kMaxProjectNameLength = kMaxFileNameLength - (sizeof(kLongestFileNameEnd) - 1);

// Checks the project's settings, its header fields and then every packet and
// its fields in order. At the first problem returns false with one line that
// begins "Error:" and ends "please redesign your protocol!".
bool ValidateDesign(const ProjectRecord& project, CString* errorLine);
