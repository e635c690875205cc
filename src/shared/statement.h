// Statement texts with named values filled in: the store's, named here for the windows above it that still
// fill their own.
#pragma once

#include "store/statement.h"

namespace shared {

using store::statement;
using store::StatementValue;

} // namespace shared
