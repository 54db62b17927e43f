// The outcome of a reading or rounding as one comparable text: the bits of
// the value, or the kind and text of the error.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "core/Zahlen.h"

namespace nodra::test {

template <class F>
std::string Ausgang(F&& f) {
    try {
        const double w = f();
        std::uint64_t bits = 0;
        std::memcpy(&bits, &w, sizeof bits);
        return std::to_string(bits);
    } catch (const Laufzeitfehler& e) {
        return "Fehler " + std::to_string(static_cast<int>(e.art())) + ": " + e.what();
    }
}

}  // namespace nodra::test
