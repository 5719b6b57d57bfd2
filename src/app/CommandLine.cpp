#include "app/CommandLine.h"

#include "document/PolyText.h"

namespace tess {

std::optional<int> parseRingNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMaxRings) return std::nullopt;
    return value;
}

}  // namespace tess
