// The collection templates: CArray, CList, CMap, their element helpers and the typed pointer wrappers.
#pragma once

#include "afx.h"
#include "kfw_collhelpers.h"
#include "kfw_nodepool.h"
#include "kfw_array.h"
#include "kfw_list.h"
#include "kfw_map.h"
#include "kfw_typedptr.h"
