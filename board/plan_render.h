#pragma once

#include <string>

namespace velmora {

struct Plan;

// The plan as the user reads and copies it: one line per plan line, oldest
// first, each ending in "\r\n". Plans of the name form end with the current
// prediction set apart below the list. A plan without lines gives "".
std::string renderPlan(const Plan& plan);

}  // namespace velmora
