// Names of parameterised test cases: the case's own words with every
// character a test name cannot hold replaced by '_', so that ctest and CI
// name the case that fails ("Weizen_sehr_hoch").
#pragma once

#include <string>
#include <string_view>

namespace nodra::test {

inline std::string Testname(std::string_view text) {
    std::string name;
    for (char c : text) {
        const bool gueltig = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        name += gueltig ? c : '_';
    }
    return name;
}

}  // namespace nodra::test
