// The floor: the least any program can do to turn one of these files into
// another, to measure ours against in the same run. It reads the whole
// file in one go, parses every number with std::from_chars, writes the
// result and flushes it to disk. Nothing is checked, nothing is kept.
//   bench_floor poly IN OUT   the two numbers of every line with a period;
//                             the text written as it is
//   bench_floor gpx IN OUT    every lat="..." lon="..." pair; one vertex
//                             line per point
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The whole file in one read, into memory that is not cleared first.
std::string_view readAll(const char* path) {
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0) return {};
    struct stat st {};
    ::fstat(fd, &st);
    const auto size = static_cast<std::size_t>(st.st_size);
    char* text = new char[size];
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, text + got, size - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return {text, got};
}

bool writeAll(const char* path, std::string_view text) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return false;
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n <= 0) break;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    const bool ok = text.empty() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The number starting at p (after blanks), and where it ends.
const char* number(const char* p, const char* end, double& value) {
    while (p < end && isBlank(*p)) ++p;
    if (p < end && *p == '+') ++p;
    return std::from_chars(p, end, value).ptr;
}

double polyNumbers(std::string_view text) {
    double sum = 0;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!eol) eol = end;
        if (std::memchr(p, '.', static_cast<std::size_t>(eol - p))) {
            double lon = 0, lat = 0;
            number(number(p, eol, lon), eol, lat);
            sum += lon + lat;
        }
        p = eol + 1;
    }
    return sum;
}

std::string gpxLines(std::string_view text, double& sum) {
    std::string out;
    out.reserve(text.size() / 3);
    constexpr std::string_view kLat = "lat=\"", kLon = "lon=\"";
    for (std::size_t at = text.find(kLat); at != std::string_view::npos; at = text.find(kLat, at)) {
        const std::size_t latStart = at + kLat.size();
        const std::size_t latEnd = text.find('"', latStart);
        if (latEnd == std::string_view::npos) break;
        const std::size_t lonAt = latEnd + 2;
        at = latEnd;
        if (text.compare(lonAt, kLon.size(), kLon) != 0) continue;
        const std::size_t lonStart = lonAt + kLon.size();
        const std::size_t lonEnd = text.find('"', lonStart);
        if (lonEnd == std::string_view::npos) break;
        const std::string_view lat = text.substr(latStart, latEnd - latStart);
        const std::string_view lon = text.substr(lonStart, lonEnd - lonStart);
        double a = 0, b = 0;
        std::from_chars(lat.data(), lat.data() + lat.size(), a);
        std::from_chars(lon.data(), lon.data() + lon.size(), b);
        sum += a + b;
        out += "   ";
        out += lon;
        out += ' ';
        out += lat;
        out += '\n';
        at = lonEnd;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_floor poly|gpx IN OUT\n");
        return 2;
    }
    const std::string_view kind = argv[1];
    const std::string_view text = readAll(argv[2]);
    double sum = 0;
    bool written = false;
    if (kind == "poly") {
        sum = polyNumbers(text);
        written = writeAll(argv[3], text);
    } else {
        written = writeAll(argv[3], gpxLines(text, sum));
    }
    // The sum keeps the parsing from being optimised away.
    return written && sum == sum ? 0 : 1;
}
