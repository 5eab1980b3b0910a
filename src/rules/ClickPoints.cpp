#include "rules/ClickPoints.h"

#include <charconv>
#include <limits>

namespace ClickPoints {
namespace {

// Optional "-" and decimal digits, all of the text, within the signed 32-bit range.
std::optional<std::int32_t> wholeNumber(std::string_view text) {
    if (text.empty() || text == "-" || text.front() == '+') return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<ScreenPoint> parseEntry(std::string_view entry) {
    const auto comma = entry.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto x = wholeNumber(entry.substr(0, comma)), y = wholeNumber(entry.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return ScreenPoint{*x, *y};
}

}  // namespace

PointList parse(std::string_view text) {
    PointList points;
    if (text.empty()) return points;
    for (std::size_t start = 0;;) {
        const auto end = text.find(';', start);
        points.push_back(parseEntry(text.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos) return points;
        start = end + 1;
    }
}

std::string format(const PointList& points) {
    std::size_t used = points.size();
    while (used > 0 && !points[used - 1]) --used;
    std::string stored;
    for (std::size_t i = 0; i < used; ++i) {
        if (i) stored += ';';
        if (const auto& point = points[i]) stored += std::to_string(point->x) + ',' + std::to_string(point->y);
    }
    return stored;
}

std::string text(ScreenPoint point) { return std::to_string(point.x) + ", " + std::to_string(point.y); }

int parseVary(std::string_view text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    const int seconds = std::stoi(std::string(text));
    return seconds <= kMostVary ? seconds : 0;
}

std::int32_t desktopAbsolute(std::int32_t pixel, std::int32_t origin, std::int32_t extent) {
    if (extent <= 0) return 0;
    const std::int64_t offset = static_cast<std::int64_t>(pixel) - origin;
    const std::int64_t scaled = offset * 65536;
    // Rounded up, toward plus infinity also for a pixel left of the origin.
    const std::int64_t quotient = scaled / extent + (scaled % extent > 0 ? 1 : 0);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(quotient, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace ClickPoints
