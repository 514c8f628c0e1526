// DesignFromProject.h: the generators' view of a project record.
#pragma once

#include "Design.h"
#include "model/ProtocolRecords.h"

namespace codegen {

// Copies the record's settings, header fields and packets, in order.
Design DesignFromProject(const ProjectRecord& project);

} // namespace codegen
