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
    {154, "Game must have a name."},
    {155, "New Game%d"},
    {156, "You must specify a name."},
    {157, "cfg"},
    {158, "Script files (*.cfg, *.rc)|*.cfg;*.rc|All Files (*.*)|*.*||"},
    {159, "Import Game Script File"},
    {160, "Save Game Script As"},
    {172, "Are you sure you want to delete this Game?"},
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
    {190, "Alias name must contain characters."},
    {191, "Alias name has invalid characters. Use a-z, A-Z, 0-9, '_'."},
    {198, "\n// Module: %s\n"},
    {199, "// Author: %s\n"},
    {200, "\n// End Vantor configuration file\n"},
    {201, "// Aliases:\n"},
    {202, "// Binds:\n"},
    {203, "// Startups:\n"},
    {211, "Don't use quotes (\")  in string parameter (Vantor will automatically add them)."},
    {214, "Illegal range value."},
    {229, "Couldn't restore all previously open files."},
    {231, "Properties (F7)"},
    {247, "https://vantor.example.org/"},
    {900, "The user manual %1 could not be opened."},
    {901, "The home page %1 could not be opened. Is a web browser installed?"},
    {57344, "Vantor"},
    {57345, "Ready"},
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
