#pragma once

#include <array>

namespace zav {

// The eight industries as their labels read, in the order of a phase's US production and of a
// side's production and factories.
inline constexpr std::array<const char*, 8> kIndustryLabels = {
    "Aircraft:",     "Armaments:", "Chemical:", "Oil:",
    "Ball-bearing:", "Railyard:",  "Shipping:", "Submarine:"};

}  // namespace zav
