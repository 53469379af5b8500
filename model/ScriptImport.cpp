#include "model/ScriptImport.h"

#include "model/AsciiText.h"
#include "model/CCmdFrag.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "model/ModelServices.h"
#include "model/ScriptTokenizer.h"
#include "model/TextLineReader.h"

#include <algorithm>

namespace vantor {
namespace {

int ParamTypeFromLetter(char letter) {
    switch (ascii::ToUpper(letter)) {
    case 'A':
        return ParamAction;
    case 'I':
        return ParamInteger;
    case 'R':
        return ParamReal;
    case 'S':
        return ParamString;
    case 'T':
        return ParamToggle;
    case 'U':
        return ParamUser;
    default:
        return ParamNone;
    }
}

// Feeds every line of the file to `readLine`. False when the file cannot be opened or a
// read fails; the caller then keeps nothing of what was read.
template <typename ReadLine> bool ReadLines(const std::string& path, ReadLine&& readLine) {
    TextLineReader reader;
    if (!reader.Open(path))
        return false;
    std::string_view line;
    while (reader.Next(line))
        readLine(line);
    return !reader.Failed();
}

} // namespace

std::vector<std::unique_ptr<CCmdFrag>> ParseCommandText(std::string_view text) {
    std::vector<std::unique_ptr<CCmdFrag>> parsed;
    // One allocation: there are at most as many commands as pieces.
    parsed.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), ';')) + 1);
    ParseCommandText(text, parsed);
    return parsed;
}

void ParseCommandText(std::string_view text, std::vector<std::unique_ptr<CCmdFrag>>& parsed) {
    CommandSplitter pieces(text);
    while (pieces.Next()) {
        WordTokenizer words(pieces.Token());
        if (!words.Next())
            continue; // an empty piece or a comment
        const std::string_view word = words.Token();
        auto fragment = std::make_unique<CCmdFrag>();
        if (word[0] == '+' || word[0] == '-') {
            // A sign alone would make a fragment without command, which no script can hold.
            if (word.size() == 1 || fragment->SetCommand(word.substr(1)) != 0)
                continue;
            fragment->SetParamType(ParamAction);
            fragment->SetState(word[0] == '+' ? CCmdFrag::StateOn : CCmdFrag::StateOff);
        } else {
            if (fragment->SetCommand(word) != 0)
                continue;
            fragment->SetParamType(ParamUserDefined);
            fragment->SetParam(QuoteStrip(words.Rest()));
        }
        fragment->UpdateText();
        parsed.push_back(std::move(fragment));
    }
}

std::unique_ptr<CVCommand> ParseDefinitionLine(std::string_view line) {
    CommandSplitter pieces(line);
    if (!pieces.Next())
        return nullptr;
    auto definition = std::make_unique<CVCommand>();
    if (definition->Rename(pieces.Token()) != 0 || !pieces.Next())
        return nullptr;
    // The type piece is not trimmed: a blank before the letter makes the type None.
    const std::string_view type = pieces.Token();
    definition->SetDefParamType(type.empty() ? ParamNone : ParamTypeFromLetter(type[0]));
    if (pieces.Next())
        definition->SetDescription(std::string(pieces.Token()));
    return definition;
}

// --- ScriptImport ---------------------------------------------------------------------------

std::size_t ScriptImport::NoCaseHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull; // FNV-1a
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(ascii::ToUpper(c))) * 1099511628211ull;
    return hash;
}

bool ScriptImport::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    return ascii::EqualsNoCase(a, b);
}

ScriptImport::ScriptImport(CVConfig& module) : m_module(module) {
    const CVObList& aliases = *module.GetList(TypeAliasList);
    for (int i = 0; i < aliases.GetChildCount(); ++i) {
        if (auto* action = dynamic_cast<CVAliasAct*>(aliases.GetChild(i)))
            m_actionAliases.try_emplace(action->GetName(), action);
    }
}

ScriptImport::~ScriptImport() = default;

void ScriptImport::ReadLine(std::string_view line) {
    WordTokenizer words(line);
    if (!words.Next())
        return; // an empty line or a comment line
    const bool alias = ascii::EqualsNoCase(words.Token(), "alias");
    if (!alias && !ascii::EqualsNoCase(words.Token(), "bind")) {
        ParseCommandText(line, m_startups);
        return;
    }
    if (!words.Next())
        return;
    if (alias)
        ReadAlias(words.Token(), words.Rest());
    else
        ReadBind(words.Token(), words.Rest());
}

void ScriptImport::ReadAlias(std::string_view name, std::string_view commands) {
    if (name[0] != '+' && name[0] != '-') {
        auto alias = std::make_unique<CVAlias>();
        if (alias->Rename(name) != 0)
            return;
        alias->SetCommandsFromText(commands);
        m_aliases.push_back(std::move(alias));
        return;
    }
    const std::string_view base = name.substr(1);
    if (base.empty() || !CMTObj::IsValidName(base))
        return;
    if (CVAliasActSub* half = ActionAlias(base).GetHalf(name[0] == '+'))
        AddToHalf(*half, commands);
}

CVAliasAct& ScriptImport::ActionAlias(std::string_view name) {
    if (const auto found = m_actionAliases.find(name); found != m_actionAliases.end())
        return *found->second;
    auto action = std::make_unique<CVAliasAct>();
    action->Rename(name); // a valid, non-empty name: accepted
    CVAliasAct& added = *action;
    m_actionAliases.emplace(added.GetName(), &added);
    m_aliases.push_back(std::move(action));
    return added;
}

void ScriptImport::AddToHalf(CMTObj& half, std::string_view commands) {
    // A half of an Action Alias read here is not in the Module yet: it takes the commands
    // at once. One that the Module already holds gets them at Commit.
    if (half.GetModule() == nullptr) {
        half.SetCommandsFromText(commands);
        return;
    }
    auto [entry, added] = m_halfIndex.try_emplace(&half, m_halfCommands.size());
    if (added)
        m_halfCommands.emplace_back(&half, Fragments{});
    ParseCommandText(commands, m_halfCommands[entry->second].second);
}

void ScriptImport::ReadBind(std::string_view key, std::string_view commands) {
    auto bind = std::make_unique<CVBind>();
    // "???" names the table's "no key" entry, which is no key to bind.
    if (!bind->SetKeyByName(ascii::ToLower(QuoteStrip(key))) || bind->GetKey() == 0)
        return;
    bind->SetCommandsFromText(commands);
    m_binds.push_back(std::move(bind));
}

void ScriptImport::Commit() {
    CVObList& aliases = *m_module.GetList(TypeAliasList);
    for (auto& alias : m_aliases)
        aliases.AddChild(std::move(alias));
    CVObList& binds = *m_module.GetList(TypeBindList);
    for (auto& bind : m_binds)
        binds.AddChild(std::move(bind));
    for (auto& [half, fragments] : m_halfCommands)
        half->AppendCommands(std::move(fragments));
    m_module.GetList(TypeStartupList)->AppendCommands(std::move(m_startups));
    m_aliases.clear();
    m_binds.clear();
    m_startups.clear();
    m_halfCommands.clear();
    m_halfIndex.clear();
}

// --- The Module's readers -------------------------------------------------------------------

bool CVConfig::ReadScriptFile(const std::string& path) {
    ModelServices::Wait wait;
    if (m_aliasList == nullptr || m_bindList == nullptr || m_startupList == nullptr)
        return false;
    ScriptImport import(*this);
    if (!ReadLines(path, [&import](std::string_view line) { import.ReadLine(line); }))
        return false;
    import.Commit();
    return true;
}

bool CVConfig::ReadDefinitionFile(const std::string& path) {
    ModelServices::Wait wait;
    if (m_definitionList == nullptr)
        return false;
    std::vector<std::unique_ptr<CVCommand>> definitions;
    const bool read = ReadLines(path, [&definitions](std::string_view line) {
        if (auto definition = ParseDefinitionLine(line))
            definitions.push_back(std::move(definition));
    });
    if (!read)
        return false;
    for (auto& definition : definitions)
        m_definitionList->AddChild(std::move(definition));
    return true;
}

} // namespace vantor
