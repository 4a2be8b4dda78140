#include "replay/ResidentMemory.h"

#include "app/NumberText.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace tavernrush {

std::optional<long> residentKiBFromStatm(std::string_view statm, long pageBytes)
{
    // The first field is the total size; the resident size is the second.
    const std::size_t firstEnd = statm.find(' ');
    if (firstEnd == std::string_view::npos || pageBytes <= 0 || !parseWholeNumber(statm.substr(0, firstEnd))) {
        return std::nullopt;
    }
    const std::size_t secondStart = firstEnd + 1;
    const std::size_t secondEnd = statm.find_first_of(" \n", secondStart);
    const std::optional<long> pages = parseWholeNumber(
        statm.substr(secondStart, secondEnd == std::string_view::npos ? std::string_view::npos : secondEnd - secondStart));
    if (!pages || *pages > (std::numeric_limits<long>::max() / pageBytes)) {
        return std::nullopt;
    }
    return *pages * pageBytes / 1024;
}

std::optional<long> residentKiB()
{
    std::ifstream file("/proc/self/statm");
    const std::string statm{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.eof() && !file) {
        return std::nullopt;
    }
    return residentKiBFromStatm(statm, sysconf(_SC_PAGESIZE));
}

} // namespace tavernrush
