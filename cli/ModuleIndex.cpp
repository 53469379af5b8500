#include "cli/ModuleIndex.h"

#include "cli/LibraryAccess.h"
#include "cli/Messages.h"
#include "document/CVantorDoc.h"
#include "model/CVConfig.h"

namespace vantor::cli {

ModuleIndex::ModuleIndex(const CVantorDoc& library) {
    m_first.reserve(static_cast<std::size_t>(library.GetModuleCount()));
    for (int row = 0; row < library.GetModuleCount(); ++row)
        m_first.try_emplace(library.GetModule(row)->GetName(), library.GetModule(row));
}

CVConfig* ModuleIndex::Find(std::string_view name) const {
    std::string stored;
    if (!ToLibraryText(name, stored))
        return nullptr;
    const auto it = m_first.find(stored);
    if (it == m_first.end()) {
        ReportNoSuch("Module", name);
        return nullptr;
    }
    return it->second;
}

CVConfig* FindModule(const CVantorDoc& library, std::string_view name) {
    return ModuleIndex(library).Find(name);
}

} // namespace vantor::cli
