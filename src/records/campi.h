// A record held as the texts of its fields, in the order its line has them.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace ga {

template <std::size_t N>
using Campi = std::array<std::string, N>;

}  // namespace ga
