// Reading the values the batch commands take, the same way for every verb.
#pragma once

#include <optional>
#include <string>

namespace tess {

// A ring number as --ring takes it: digits alone, from 1 up to the most
// rings a document holds ("2x", " 1", "1e3" and "+1" are not).
std::optional<int> parseRingNumber(const std::string& text);

}  // namespace tess
