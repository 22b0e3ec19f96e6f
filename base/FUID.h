#pragma once
// 16-byte class and interface identifier of the component model.

#include <cstdint>

namespace Ostrel {

struct FUID {
    uint8_t bytes[16];

    // An identifier built without a value holds 16 zero bytes.
    constexpr FUID() : bytes{} {}
    // Each word is stored with its most significant byte first.
    constexpr FUID(uint32_t a, uint32_t b, uint32_t c, uint32_t d) : bytes{} {
        const uint32_t words[4] = {a, b, c, d};
        for (int w = 0; w < 4; ++w)
            for (int i = 0; i < 4; ++i)
                bytes[w * 4 + i] = static_cast<uint8_t>(words[w] >> (24 - 8 * i));
    }

    friend constexpr bool operator==(const FUID& x, const FUID& y) {
        for (int i = 0; i < 16; ++i)
            if (x.bytes[i] != y.bytes[i])
                return false;
        return true;
    }
};

static_assert(sizeof(FUID) == 16);

} // namespace Ostrel
