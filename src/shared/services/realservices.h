// The real implementations of the six service classes, registered with the factory.
#pragma once

#include "serviceobject.h"

#include <utility>
#include <vector>

namespace suite {

std::vector<std::pair<QString, Creator>> realServiceCreators();

} // namespace suite
