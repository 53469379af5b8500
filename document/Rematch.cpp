#include "document/Rematch.h"

#include "document/CVantorDoc.h"
#include "document/ProgressMonitor.h"
#include "model/CCmdFrag.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantor {
namespace {

class NoProgress : public ProgressMonitor {};

void ToUpperAscii(std::string& text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
}

// The Definitions and Aliases that the commands of one Module may name: those of every
// Module from the first up to that one. The walk reaches Modules in Library order, so the
// table grows by the next Modules instead of being built anew for each (which would cost
// the square of the number of Modules); the answers are the same.
class LookupTable {
public:
    explicit LookupTable(const CVantorDoc& library) : m_library(library) {}

    // Makes the table hold the entries of Modules 0 to `row`.
    void Reach(int row) {
        if (row < m_reached) {
            m_entries.clear();
            m_reached = -1;
        }
        while (m_reached < row) {
            const CVConfig& module = *m_library.GetModule(++m_reached);
            Add(module.GetList(TypeDefinitionList));
            Add(module.GetList(TypeAliasList));
        }
    }

    // The Definition or Alias of that upper-cased name, or null.
    const CVCommand* Find(const std::string& upperName) const {
        const auto it = m_entries.find(upperName);
        return it == m_entries.end() ? nullptr : it->second;
    }

private:
    void Add(const CVObList* list) {
        if (list == nullptr)
            return;
        for (int i = 0; i < list->GetChildCount(); ++i) {
            const auto* command = dynamic_cast<const CVCommand*>(list->GetChild(i));
            if (command == nullptr || command->GetDefParamType() == ParamUnset)
                continue;
            m_key = command->GetName();
            ToUpperAscii(m_key);
            m_entries.insert_or_assign(m_key, command);
        }
    }

    const CVantorDoc& m_library;
    std::unordered_map<std::string, const CVCommand*> m_entries;
    std::string m_key;
    int m_reached = -1;
};

// The commands of one Module end at `end` in the collected list.
struct ModuleSpan {
    std::size_t end;
    int row;
};

} // namespace

std::size_t RematchCommands(CVantorDoc& library, int firstRow, int lastRow,
                            ProgressMonitor* progress) {
    NoProgress noProgress;
    ProgressMonitor& monitor = progress != nullptr ? *progress : noProgress;
    monitor.Open();

    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, library.GetModuleCount() - 1);
    std::vector<CCmdFrag*> commands;
    std::vector<ModuleSpan> spans;
    for (int row = firstRow; row <= lastRow; ++row) {
        library.GetModule(row)->CollectCommands(commands);
        if (commands.size() > (spans.empty() ? 0 : spans.back().end))
            spans.push_back({commands.size(), row});
    }
    if (commands.empty()) {
        monitor.Close();
        return 0;
    }
    monitor.SetRange(commands.size());

    LookupTable table(library);
    CCmdFrag scratch; // tries the parameter before the command itself is touched
    std::string key;
    std::string param;
    std::size_t bound = 0;
    std::size_t span = 0;
    int moduleRow = -1;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (monitor.IsCancelled())
            break;
        while (i >= spans[span].end)
            ++span;
        if (spans[span].row != moduleRow) {
            moduleRow = spans[span].row;
            monitor.SetStatus(FormatText(LoadString(IDS_PROCESSING_MODULE),
                                         {library.GetModule(moduleRow)->GetName()}));
            table.Reach(moduleRow);
        }
        monitor.Step();

        CCmdFrag& command = *commands[i];
        if (command.GetParamType() != ParamUserDefined)
            continue;
        key = command.GetCommand();
        ToUpperAscii(key);
        const CVCommand* match = table.Find(key);
        if (match == nullptr)
            continue;
        scratch.CopyFromDefinition(*match);
        if (scratch.SetParam(command.GetParam()) != 0)
            continue;
        param = command.GetParam(); // binding resets the parameter
        command.CopyFromDefinition(*match);
        command.SetParam(param);
        command.UpdateText();
        ++bound;
    }
    monitor.Close();
    // Bound commands are saved with the Library.
    if (bound > 0)
        library.Modified();
    return bound;
}

} // namespace vantor
