#include "days_window/day_id.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <random>

namespace days_window {

std::string NewDayId() {
    static std::mt19937_64 generator = [] {
        // The time as well: some runtimes' random_device gives the same numbers every run.
        std::random_device device;
        const auto now = std::chrono::system_clock::now().time_since_epoch().count();
        std::seed_seq seed{device(), device(), device(), static_cast<unsigned>(now),
                           static_cast<unsigned>(now >> 32)};
        return std::mt19937_64{seed};
    }();
    std::array<std::uint8_t, 16> bytes{};
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        const std::uint64_t random = generator();
        for (std::size_t j = 0; j < 8; ++j) {
            bytes[i + j] = static_cast<std::uint8_t>(random >> (8 * j));
        }
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    static constexpr char kHex[] = "0123456789abcdef";
    std::string id;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            id += '-';
        }
        id += kHex[bytes[i] >> 4];
        id += kHex[bytes[i] & 0x0F];
    }
    return id;
}

}  // namespace days_window
