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
class CVConfig;

/// The commands a Library offers to the command fragments of its Modules: the Definitions,
/// then the Aliases and Action Aliases, of every Module from the first up to the fragment's
/// own, looked up by upper-cased name, the last one met in that order winning. Objects whose
/// parameter type is 0 are not offered.
///
/// Each Module has an index of its own, from upper-cased name to the Module's last command of
/// that name, so a lookup is one hash probe per Module from the fragment's own back to the
/// first. A Module's index is rebuilt only when the Module changed since it was built
/// (CVConfig::GetContentRevision): an edit in one Module of a big Library rebuilds that
/// Module's index alone.
class CommandOffers {
public:
    /// Brings the index up to date with `library`; nothing to do when it already is. With
    /// a `budget`, builds at most that many Modules' indexes and answers false when more are
    /// left (the index may then not be used), so that it can be built in idle steps.
    bool Update(const CVantorDoc& library, int budget = -1);
    /// Forgets the Library (its objects may go away).
    void Clear();

    /// The command that `name` (any case) means to a fragment of the Module at `moduleRow`,
    /// or null when none is offered there.
    const CVCommand* Find(std::string_view name, int moduleRow) const;
    /// Every command offered to a fragment of the Module at `moduleRow`, one per name, sorted
    /// by name without regard to case.
    std::vector<const CVCommand*> Offered(int moduleRow) const;

private:
    /// One Module's names: the last command of each, found through an open-addressing table.
    struct ModuleIndex {
        struct Key {
            std::size_t textOffset;
            std::size_t textLength;
            const CVCommand* command;
        };
        struct Slot {
            std::uint32_t hash = 0;
            std::uint32_t key = 0; // key index + 1, 0 when empty
        };

        void Build(const CVConfig& module);
        std::string_view KeyText(const Key& key) const {
            return std::string_view(text).substr(key.textOffset, key.textLength);
        }
        /// The slot that holds `upper`, or the empty slot where it would go.
        std::size_t SlotOf(std::string_view upper, std::uint32_t hash) const;
        const CVCommand* Find(std::string_view upper, std::uint32_t hash) const;
        /// Key indexes in name order.
        const std::vector<std::uint32_t>& Sorted() const;

        std::uint64_t revision = 0; // the Module's content revision when built
        std::string text;           // every upper-cased name, one after the other
        std::vector<Key> keys;      // in order of first appearance
        std::vector<Slot> table;
        mutable std::vector<std::uint32_t> sorted;
    };

    static std::uint32_t Hash(std::string_view upper);

    const CVantorDoc* m_library = nullptr;
    std::uint64_t m_revision = 0; // the Library's revision when complete, 0 while not
    std::unordered_map<const CVConfig*, ModuleIndex> m_modules;
    std::vector<const ModuleIndex*> m_rows; // the Modules' indexes in Library order
};

} // namespace vantor
