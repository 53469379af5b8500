#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace vantor {
namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by id, for the binary search below.
constexpr Entry kStrings[] = {
    {133, "Definitions"},
    {134, "Aliases"},
    {135, "Binds"},
    {136, "Startups"},
    {156, "You must specify a name."},
    {180, "???"},
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

} // namespace

std::string_view LoadString(int id) {
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return {};
    return it->text;
}

} // namespace vantor
