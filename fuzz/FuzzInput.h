#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads a fuzz input as consecutive raw values, so that every bit pattern
// (NaN, infinities, huge and tiny numbers) is reachable. Missing bytes count as 0.
struct FuzzInput {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    template <typename T> T Next()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (std::size_t i = 0; i < sizeof(T) && at < size; ++i)
            bytes[i] = data[at++];
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }
};
