#include "map/HttpFreshness.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace tess {

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// The number after "max-age=" in a Cache-Control value.
std::optional<std::int64_t> maxAge(const std::string& cacheControl) {
    std::string lower = cacheControl;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const std::size_t at = lower.find("max-age=");
    if (at == std::string::npos) return std::nullopt;
    std::int64_t seconds = 0;
    std::size_t k = at + 8;
    if (k >= lower.size() || !std::isdigit(static_cast<unsigned char>(lower[k]))) return std::nullopt;
    for (; k < lower.size() && std::isdigit(static_cast<unsigned char>(lower[k])); ++k)
        seconds = std::min<std::int64_t>(seconds * 10 + (lower[k] - '0'), std::int64_t{1} << 40);
    return seconds;
}

}  // namespace

std::optional<std::int64_t> httpDate(const std::string& text) {
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char weekday[4] = {}, month[4] = {}, zone[4] = {};
    int day = 0, year = 0, hour = 0, minute = 0, second = 0, used = 0;
    if (std::sscanf(text.c_str(), "%3[A-Za-z], %2d %3s %4d %2d:%2d:%2d %3s%n", weekday, &day, month, &year, &hour, &minute,
                    &second, zone, &used) != 8 ||
        static_cast<std::size_t>(used) != text.size() || std::strcmp(zone, "GMT") != 0)
        return std::nullopt;
    const auto m = std::find_if(kMonths.begin(), kMonths.end(), [&](const char* name) { return std::strcmp(name, month) == 0; });
    if (m == kMonths.end() || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) return std::nullopt;
    const auto monthNumber = static_cast<unsigned>(m - kMonths.begin() + 1);
    return daysFromCivil(year, monthNumber, static_cast<unsigned>(day)) * 86400 + hour * 3600 + minute * 60 + second;
}

std::int64_t freshUntil(std::int64_t now, const std::string& cacheControl, const std::string& expires) {
    std::int64_t until = now;
    if (const auto age = maxAge(cacheControl)) until = now + *age;
    else if (const auto date = httpDate(expires)) until = *date;
    return std::max(until, now + kShortestKeepSeconds);
}

}  // namespace tess
