#include "document/CVantorDoc.h"

#include "document/AtomicFile.h"
#include "document/CScriptOutput.h"
#include "document/DocumentObserver.h"
#include "document/ModuleView.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "model/GameReadContext.h"
#include "model/ModelCodes.h"
#include "model/ReadOwned.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {
namespace {

// Reads a whole regular file. 0 on success, otherwise the error number of the failure.
int ReadLibraryFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        // A folder or a device is no Library; reading a pipe could block for ever.
        error = EINVAL;
    } else {
        bytes.clear();
        bytes.reserve(static_cast<std::size_t>(st.st_size));
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                error = errno;
            if (n <= 0)
                break;
            bytes.append(buf, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return error;
}

// A framework text with "%1" replaced by the file name.
std::string FileText(int id, const std::string& fileName) {
    std::string text(LoadString(id));
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, fileName);
    return text;
}

std::string FileErrorText(int error, const std::string& path) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileText(IDS_FILE_NOT_FOUND, path);
    case EACCES:
    case EPERM:
        return FileText(IDS_FILE_ACCESS_DENIED, path);
    default:
        return std::string(LoadString(IDS_FAILED_TO_OPEN_DOC));
    }
}

} // namespace

CVantorDoc::CVantorDoc() {
    Revise();
}

CVantorDoc::~CVantorDoc() {
    m_observer = nullptr;
    m_moduleView = nullptr;
    DestroyContents();
}

// --- Fields ---------------------------------------------------------------------------------

void CVantorDoc::SetLibraryProperties(std::string engineFolder, bool writeAll) {
    const bool changed = engineFolder != m_engineFolder || writeAll != m_writeAll;
    m_engineFolder = std::move(engineFolder);
    m_writeAll = writeAll;
    // Unsaved property changes must not be lost silently on closing.
    if (changed)
        Modified();
}

void CVantorDoc::SetModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    if (m_observer)
        m_observer->ModifiedChanged(modified);
}

// --- Modules --------------------------------------------------------------------------------

int CVantorDoc::GetModuleRow(const CVConfig& module) const {
    const std::int32_t row = module.GetPosition();
    if (row < 0 || static_cast<std::size_t>(row) >= m_modules.size() ||
        m_modules[static_cast<std::size_t>(row)].get() != &module)
        return -1;
    return row;
}

void CVantorDoc::RenumberModules(std::size_t from) {
    for (std::size_t i = from; i < m_modules.size(); ++i)
        m_modules[i]->SetPosition(static_cast<std::int32_t>(i));
}

void CVantorDoc::NumberModules() {
    RenumberModules(0);
}

int CVantorDoc::InsertModuleAt(std::size_t row, std::unique_ptr<CVConfig> module) {
    if (!module)
        throw std::invalid_argument("CVantorDoc: no Module to insert");
    const int r = static_cast<int>(row);
    if (m_observer)
        m_observer->ModulesAboutToBeInserted(r, 1);
    module->SetLibrary(this);
    m_modules.insert(m_modules.begin() + r, std::move(module));
    RenumberModules(row);
    Revise();
    m_modules[row]->SetContentRevision(m_revision);
    if (m_observer)
        m_observer->ModulesInserted(r, 1);
    return r;
}

std::unique_ptr<CVConfig> CVantorDoc::TakeModule(std::size_t row) {
    const int r = static_cast<int>(row);
    if (m_observer)
        m_observer->ModulesAboutToBeRemoved(r, 1);
    std::unique_ptr<CVConfig> taken = std::move(m_modules[row]);
    m_modules.erase(m_modules.begin() + r);
    RenumberModules(row);
    taken->SetPosition(-1);
    taken->SetLibrary(nullptr);
    Revise();
    if (m_observer)
        m_observer->ModulesRemoved(r, 1);
    return taken;
}

int CVantorDoc::AddModule(std::unique_ptr<CVConfig> module) {
    const int row = InsertModuleAt(m_modules.size(), std::move(module));
    Modified();
    return row;
}

int CVantorDoc::InsertModuleAfter(std::unique_ptr<CVConfig> module, CVConfig* after) {
    std::size_t row = 0;
    if (after != nullptr) {
        const int anchor = GetModuleRow(*after);
        if (anchor < 0)
            throw std::invalid_argument("InsertModuleAfter: anchor is not in this Library");
        row = static_cast<std::size_t>(anchor) + 1;
    }
    const int r = InsertModuleAt(row, std::move(module));
    Modified();
    return r;
}

CVConfig* CVantorDoc::AddModuleAtSelection(std::unique_ptr<CVConfig> module) {
    CVConfig* added = module.get();
    CVConfig* after = nullptr;
    if (m_moduleView != nullptr) {
        if (CMTObj* selected = m_moduleView->GetSelectedNode()) {
            // Every node answers with the Module that holds it: the new one goes after that.
            const auto point = selected->GetInsertPoint(InsertNew, TypeModule);
            if (point && point->parent == nullptr && point->after != nullptr) {
                auto* anchor = dynamic_cast<CVConfig*>(point->after);
                if (anchor != nullptr && GetModuleRow(*anchor) >= 0)
                    after = anchor;
            }
        }
    }
    if (after != nullptr)
        InsertModuleAfter(std::move(module), after);
    else
        AddModule(std::move(module));
    if (m_moduleView != nullptr)
        added->SelectNode();
    return added;
}

std::unique_ptr<CVConfig> CVantorDoc::RemoveModule(CVConfig& module, bool fromGames) {
    const int row = GetModuleRow(module);
    if (row < 0)
        return nullptr;
    std::unique_ptr<CVConfig> taken = TakeModule(static_cast<std::size_t>(row));
    if (fromGames)
        for (auto& game : m_games)
            game->RemoveModuleUse(*taken);
    Modified();
    return taken;
}

bool CVantorDoc::MoveModule(CVConfig& module, bool up) {
    const int row = GetModuleRow(module);
    if (row < 0 || (up && row == 0) || (!up && row + 1 >= GetModuleCount()))
        return false;
    // A removal and an insertion, one place further up or down; Games keep the Module.
    std::unique_ptr<CVConfig> taken = TakeModule(static_cast<std::size_t>(row));
    InsertModuleAt(static_cast<std::size_t>(up ? row - 1 : row + 1), std::move(taken));
    Modified();
    return true;
}

CVantorDoc::ModuleState CVantorDoc::GetModuleState(const CVConfig& module) const {
    if (m_currentGame == nullptr)
        return ModuleNoGame;
    return m_currentGame->UsesModule(module) ? ModuleUsed : ModuleUnused;
}

// --- Games ----------------------------------------------------------------------------------

int CVantorDoc::GetGameRow(const CScript& game) const {
    const auto it = m_gameRows.find(&game);
    return it == m_gameRows.end() ? -1 : static_cast<int>(it->second);
}

void CVantorDoc::RenumberGames(std::size_t from) {
    for (std::size_t i = from; i < m_games.size(); ++i)
        m_gameRows[m_games[i].get()] = i;
}

int CVantorDoc::InsertGameAt(std::size_t row, std::unique_ptr<CScript> game) {
    if (!game)
        throw std::invalid_argument("CVantorDoc: no Game to insert");
    const int r = static_cast<int>(row);
    if (m_observer)
        m_observer->GamesAboutToBeInserted(r, 1);
    game->SetLibrary(this);
    m_games.insert(m_games.begin() + r, std::move(game));
    RenumberGames(row);
    if (m_observer)
        m_observer->GamesInserted(r, 1);
    return r;
}

std::unique_ptr<CScript> CVantorDoc::TakeGame(std::size_t row) {
    const int r = static_cast<int>(row);
    if (m_observer)
        m_observer->GamesAboutToBeRemoved(r, 1);
    std::unique_ptr<CScript> taken = std::move(m_games[row]);
    m_games.erase(m_games.begin() + r);
    m_gameRows.erase(taken.get());
    RenumberGames(row);
    taken->SetLibrary(nullptr);
    if (m_observer)
        m_observer->GamesRemoved(r, 1);
    return taken;
}

int CVantorDoc::AddGame(std::unique_ptr<CScript> game) {
    return InsertGameAt(m_games.size(), std::move(game));
}

int CVantorDoc::InsertGameAfter(std::unique_ptr<CScript> game, CScript* after) {
    std::size_t row = 0;
    if (after != nullptr) {
        const int anchor = GetGameRow(*after);
        if (anchor < 0)
            throw std::invalid_argument("InsertGameAfter: anchor is not in this Library");
        row = static_cast<std::size_t>(anchor) + 1;
    }
    const int r = InsertGameAt(row, std::move(game));
    Modified();
    return r;
}

std::unique_ptr<CScript> CVantorDoc::RemoveGame(CScript& game) {
    const int row = GetGameRow(game);
    if (row < 0)
        return nullptr;
    // The current Game must always be one of the Library's.
    if (m_currentGame == &game)
        SetCurrentGame(nullptr);
    std::unique_ptr<CScript> taken = TakeGame(static_cast<std::size_t>(row));
    Modified();
    return taken;
}

bool CVantorDoc::MoveGame(CScript& game, bool up) {
    const int row = GetGameRow(game);
    if (row < 0 || (up && row == 0) || (!up && row + 1 >= GetGameCount()))
        return false;
    std::unique_ptr<CScript> taken = TakeGame(static_cast<std::size_t>(row));
    InsertGameAt(static_cast<std::size_t>(up ? row - 1 : row + 1), std::move(taken));
    Modified();
    return true;
}

void CVantorDoc::SetCurrentGame(CScript* game) {
    if (game == m_currentGame)
        return;
    if (game != nullptr && GetGameRow(*game) < 0)
        throw std::invalid_argument("SetCurrentGame: the Game is not in this Library");
    m_currentGame = game;
    if (m_observer) {
        m_observer->CurrentGameChanged(game);
        m_observer->ModuleStatesChanged();
    }
    KeyboardOutOfDate();
}

// --- Commands -------------------------------------------------------------------------------

CVConfig* CVantorDoc::NewModule(std::string_view defaultAuthor) {
    auto module = std::make_unique<CVConfig>();
    module->MakeDefaultName(IDS_NEW_MODULE);
    module->SetAuthor(std::string(defaultAuthor));
    return AddModuleAtSelection(std::move(module));
}

CScript* CVantorDoc::NewGame() {
    auto game = std::make_unique<CScript>();
    game->MakeDefaultGameName();
    CScript* added = game.get();
    AddGame(std::move(game));
    // AddGame leaves the flag alone (reading uses it); a new Game is an unsaved change.
    Modified();
    return added;
}

// One counter for the whole process: a revision is never reused, not even by a document
// created later at the same address.
void CVantorDoc::Revise() {
    static std::uint64_t s_lastRevision = 0;
    m_revision = ++s_lastRevision;
}

// A change below a Module moves the Module's content revision along with the Library's.
void CVantorDoc::ReviseModuleOf(CMTObj& node) {
    Revise();
    CMTObj* top = &node;
    while (top->GetParent() != nullptr)
        top = top->GetParent();
    if (auto* module = dynamic_cast<CVConfig*>(top))
        module->SetContentRevision(m_revision);
}

void CVantorDoc::DeleteContents() {
    if (m_observer)
        m_observer->ContentsAboutToBeDestroyed();
    DestroyContents();
    if (m_observer)
        m_observer->ContentsDestroyed();
}

void CVantorDoc::DestroyContents() {
    m_currentGame = nullptr;
    Revise();
    // Modules first, then Games, each list from its head; cleared in one step at the end.
    for (auto& module : m_modules) {
        module->SetLibrary(nullptr);
        module.reset();
    }
    m_modules.clear();
    for (auto& game : m_games) {
        game->SetLibrary(nullptr);
        game.reset();
    }
    m_games.clear();
    m_gameRows.clear();
}

// --- The Library file -----------------------------------------------------------------------

std::string CVantorDoc::WriteLibrary() {
    std::string bytes;
    ArchiveWriter ar(bytes);
    ar.WriteString(m_engineFolder);
    ar.WriteDword(m_reserved);
    ar.WriteDword(m_writeAll ? 1 : 0);
    ar.WriteDword(static_cast<std::uint32_t>(m_gamePaneWidth));
    ar.WriteDword(static_cast<std::uint32_t>(m_modulePaneWidth));
    ar.WriteDword(static_cast<std::uint32_t>(m_modules.size()));
    ar.WriteDword(static_cast<std::uint32_t>(m_games.size()));
    for (const auto& module : m_modules)
        ar.WriteObject(module.get());
    // The Games store their Modules by these numbers.
    NumberModules();
    for (const auto& game : m_games)
        ar.WriteObject(game.get());
    return bytes;
}

std::unique_ptr<CVantorDoc> CVantorDoc::ReadLibrary(std::string_view bytes) {
    auto doc = std::make_unique<CVantorDoc>();
    ArchiveReader ar(bytes);
    doc->m_engineFolder = ar.ReadString();
    doc->m_reserved = ar.ReadDword();
    doc->m_writeAll = ar.ReadDword() != 0;
    doc->m_gamePaneWidth = ar.ReadInt32();
    doc->m_modulePaneWidth = ar.ReadInt32();
    // Counts of 0 or less read nothing; larger ones must fit the bytes left.
    const std::size_t moduleCount = ar.ReadSignedCount();
    const std::size_t gameCount = ar.ReadSignedCount();
    doc->m_modules.reserve(moduleCount);
    for (std::size_t i = 0; i < moduleCount; ++i)
        doc->AddModule(ReadOwned<CVConfig>(ar));

    GameReadContext context;
    context.modules.reserve(doc->m_modules.size());
    for (const auto& module : doc->m_modules)
        context.modules.push_back(module.get());
    ar.SetGameContext(&context);
    doc->m_games.reserve(gameCount);
    doc->m_gameRows.reserve(gameCount);
    for (std::size_t i = 0; i < gameCount; ++i)
        doc->AddGame(ReadOwned<CScript>(ar));
    ar.SetGameContext(nullptr);

    doc->m_modified = false;
    return doc;
}

CVantorDoc::OpenResult CVantorDoc::Open(const std::string& path) {
    OpenResult result;
    try {
        std::string bytes;
        if (const int error = ReadLibraryFile(path, bytes)) {
            result.error = FileErrorText(error, path);
            return result;
        }
        result.document = ReadLibrary(bytes);
        result.document->m_pathName = path;
    } catch (const ArchiveError&) {
        result.document.reset();
        result.error = LoadString(IDS_UNEXPECTED_FORMAT);
    } catch (const std::exception&) {
        result.document.reset();
        result.error = LoadString(IDS_FAILED_TO_OPEN_DOC);
    }
    return result;
}

CVantorDoc::SaveResult CVantorDoc::SaveLibrary(const std::string& path) {
    SaveResult result;
    try {
        if (path.empty() || !WriteFileAtomically(path, WriteLibrary())) {
            result.error = LoadString(IDS_FAILED_TO_SAVE_DOC);
            return result;
        }
    } catch (const std::exception&) {
        result.error = LoadString(IDS_FAILED_TO_SAVE_DOC);
        return result;
    }
    m_pathName = path;
    SetModified(false);
    result.saved = true;
    return result;
}

CVantorDoc::SaveResult CVantorDoc::Save(const std::string& path, const CScriptOutput& output) {
    SaveResult result = SaveLibrary(path);
    if (!result.saved || !m_writeAll)
        return result;
    for (const auto& game : m_games) {
        if (!game->GetSaveWithLibrary() || game->GetScriptFile().empty())
            continue;
        if (!output.WriteGameScript(*this, *game)) {
            result.scriptFailed = true;
            break;
        }
    }
    return result;
}

// --- What the model reports -----------------------------------------------------------------

void CVantorDoc::ChildrenAboutToBeInserted(CMTObj& parent, int row, int count) {
    if (m_observer)
        m_observer->ChildrenAboutToBeInserted(parent, row, count);
}

void CVantorDoc::ChildrenInserted(CMTObj& parent, int row, int count) {
    ReviseModuleOf(parent);
    if (m_observer)
        m_observer->ChildrenInserted(parent, row, count);
}

void CVantorDoc::ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) {
    if (m_observer)
        m_observer->ChildrenAboutToBeRemoved(parent, row, count);
}

void CVantorDoc::ChildrenRemoved(CMTObj& parent, int row, int count) {
    ReviseModuleOf(parent);
    if (m_observer)
        m_observer->ChildrenRemoved(parent, row, count);
}

void CVantorDoc::CommandsAboutToBeInserted(CMTObj& owner, int row, int count) {
    if (m_observer)
        m_observer->CommandsAboutToBeInserted(owner, row, count);
}

void CVantorDoc::CommandsInserted(CMTObj& owner, int row, int count) {
    if (m_observer)
        m_observer->CommandsInserted(owner, row, count);
}

void CVantorDoc::CommandsAboutToBeRemoved(CMTObj& owner, int row, int count) {
    if (m_observer)
        m_observer->CommandsAboutToBeRemoved(owner, row, count);
}

void CVantorDoc::CommandsRemoved(CMTObj& owner, int row, int count) {
    if (m_observer)
        m_observer->CommandsRemoved(owner, row, count);
}

void CVantorDoc::NodeChanged(CMTObj& node, unsigned what) {
    ReviseModuleOf(node);
    if (m_observer)
        m_observer->NodeChanged(node, what);
}

void CVantorDoc::FragmentChanged(CCmdFrag& fragment) {
    if (m_observer)
        m_observer->FragmentChanged(fragment);
}

void CVantorDoc::GameChanged(CScript& game, unsigned what) {
    if (m_observer)
        m_observer->GameChanged(game, what);
}

void CVantorDoc::Modified() {
    SetModified(true);
    if (m_observer)
        m_observer->Modified();
}

void CVantorDoc::KeyboardOutOfDate() {
    if (m_observer)
        m_observer->KeyboardOutOfDate();
}

bool CVantorDoc::SelectNode(CMTObj& node) {
    return m_observer != nullptr && m_observer->SelectNode(node);
}

} // namespace vantor
