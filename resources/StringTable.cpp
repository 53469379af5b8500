#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace vantor {
namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by id, each id once, for the binary search below.
constexpr Entry kStrings[] = {
    {133, "Definitions"},
    {134, "Aliases"},
    {135, "Binds"},
    {136, "Startups"},
    {137, "NewDefinition%d"},
    {139, "NewAlias%d"},
    {142, "Are you sure you want to delete this Module?"},
    {143, "Are you sure you want to delete this Definition?"},
    {144, "Are you sure you want to delete this Bind?"},
    {145, "Are you sure you want to delete this Alias?"},
    {147, "New Module%d"},
    {150, "Module must have a name."},
    {156, "You must specify a name."},
    {175, "Integer parameter:"},
    {176, "Real number parameter:"},
    {177, "String parameter:"},
    {178, "Parameter(s):"},
    {179, "Command has invalid characters. Use a-z, A-Z, 0-9, '_'."},
    {180, "???"},
    {181, "Illegal integer parameter."},
    {182, "Illegal real number parameter."},
    {184, "Integer parameter out of range."},
    {185, "Real number parameter out of range."},
    {188, "Definition name must contain characters."},
    {189, "Definition name has invalid characters. Use a-z, A-Z, 0-9, '_'."},
    {201, "// Aliases:\n"},
    {202, "// Binds:\n"},
    {203, "// Startups:\n"},
    {211, "Don't use quotes (\")  in string parameter (Vantor will automatically add them)."},
    {214, "Illegal range value."},
};

static_assert(std::adjacent_find(std::begin(kStrings), std::end(kStrings),
                                 [](const Entry& a, const Entry& b) { return a.id >= b.id; }) ==
              std::end(kStrings));

} // namespace

std::string_view LoadString(int id) {
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return {};
    return it->text;
}

} // namespace vantor
