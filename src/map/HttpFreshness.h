// How long a tile from a web server may be used before it is asked for
// again: what the server's Cache-Control or Expires says, but never less
// than a week, since a tile server wants its tiles kept that long.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tess {

inline constexpr std::int64_t kShortestKeepSeconds = 7 * 24 * 3600;

// Seconds since 1970 for an HTTP date ("Sun, 06 Nov 1994 08:49:37 GMT");
// empty for anything else.
std::optional<std::int64_t> httpDate(const std::string& text);

// Until when (seconds since 1970) a tile fetched at `now` stays fresh.
std::int64_t freshUntil(std::int64_t now, const std::string& cacheControl, const std::string& expires);

}  // namespace tess
