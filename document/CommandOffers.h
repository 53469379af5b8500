#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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
/// objects changed since it was built (CVantorDoc::GetRevision). Building it groups the
/// names by hash, with no sort and one allocation per table; the names are put in order only
/// when a full list is first asked for.
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
        int moduleRow;
        const CVCommand* command;
    };
    /// One upper-cased name: its text in m_text and its run of entries in walk order.
    struct Key {
        std::size_t textOffset;
        std::size_t textLength;
        std::size_t first;
        std::size_t count;
    };

    std::string_view KeyText(const Key& key) const {
        return std::string_view(m_text).substr(key.textOffset, key.textLength);
    }
    struct TableSlot {
        std::uint32_t hash = 0;
        std::uint32_t key = 0; // key index + 1, 0 when empty
    };
    static std::uint32_t Hash(std::string_view upper);
    /// The slot of m_slots that holds `upper`, or the empty slot where it would go.
    std::size_t Slot(std::string_view upper, std::uint32_t hash) const;
    const Entry* Winner(const Key& key, int moduleRow) const;

    const CVantorDoc* m_library = nullptr;
    std::uint64_t m_revision = 0;
    std::string m_text;                          // every upper-cased name, one after the other
    std::vector<Entry> m_entries;                // grouped by name, each group in walk order
    std::vector<Key> m_keys;                     // in order of first appearance
    std::vector<TableSlot> m_slots;              // open addressing, by hash
    mutable std::vector<std::uint32_t> m_sorted; // key indexes by name, made on first need
};

} // namespace vantor
