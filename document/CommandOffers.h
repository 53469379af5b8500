#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor {

class CVantorDoc;
class CVCommand;

/// The commands a Library offers to the command fragments of its Modules: the Definitions,
/// then the Aliases and Action Aliases, of every Module from the first up to the fragment's
/// own, looked up by upper-cased name, the last one met in that order winning. Objects whose
/// parameter type is 0 are not offered.
///
/// The index covers every Module at once, so a lookup for any Module is one hash probe and
/// a short search, whatever the Library's size. It is rebuilt only when the Library's
/// objects changed since it was built (CVantorDoc::GetRevision).
class CommandOffers {
public:
    /// Brings the index up to date with `library`; nothing to do when it already is.
    void Update(const CVantorDoc& library);
    /// Forgets the Library (its objects may go away).
    void Clear();

    /// The command that `name` (any case) means to a fragment of the Module at `moduleRow`,
    /// or null when none is offered there.
    const CVCommand* Find(std::string_view name, int moduleRow) const;
    /// Every command offered to a fragment of the Module at `moduleRow`, one per name, sorted
    /// by name without regard to case.
    std::vector<const CVCommand*> Offered(int moduleRow) const;

private:
    struct Entry {
        std::string key; // the name in upper case
        int moduleRow;
        std::size_t order; // place in the walk, so that sorting keeps the walk's order
        const CVCommand* command;
    };
    struct Range {
        std::size_t first;
        std::size_t count;
    };

    const Entry* Winner(const Range& range, int moduleRow) const;

    const CVantorDoc* m_library = nullptr;
    std::uint64_t m_revision = 0;
    // Every offered object, sorted by key, then by walk order; each key's run of entries.
    std::vector<Entry> m_entries;
    std::unordered_map<std::string_view, Range> m_byKey;
    std::vector<Range> m_keys; // the runs in key order
};

} // namespace vantor
