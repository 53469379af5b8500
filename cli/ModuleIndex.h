#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace vantor {

class CVConfig;
class CVantorDoc;

namespace cli {

/// The first Module of each name in a Library, so that a command naming many Modules finds
/// each one without walking the Module list again.
class ModuleIndex {
public:
    explicit ModuleIndex(const CVantorDoc& library);

    /// The first Module of that name (UTF-8) in Library order; null after reporting that the
    /// name cannot be stored or names no Module.
    CVConfig* Find(std::string_view name) const;

private:
    std::unordered_map<std::string, CVConfig*> m_first;
};

/// The first Module of that name (UTF-8); null after reporting.
CVConfig* FindModule(const CVantorDoc& library, std::string_view name);

} // namespace cli
} // namespace vantor
