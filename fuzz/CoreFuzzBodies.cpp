#include "FuzzBodies.h"
#include "document/CVantorDoc.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVConfig.h"
#include "model/TextOutput.h"

#include <memory>
#include <sys/mman.h>
#include <unistd.h>

namespace vantor::fuzz {
namespace {

void Expect(bool condition, const char* what) {
    if (!condition)
        throw Failure(what);
}

std::string WriteModule(const CVConfig& module) {
    std::string bytes;
    ArchiveWriter ar(bytes);
    module.Write(ar);
    return bytes;
}

// What the program wrote must read back, and write the same bytes again.
void RoundTripModule(const CVConfig& module) {
    const std::string written = WriteModule(module);
    CVConfig again;
    try {
        ArchiveReader ar(written);
        again.Read(ar);
    } catch (const ArchiveError& e) {
        throw Failure(std::string("a written Module does not read back: ") + e.what());
    }
    Expect(WriteModule(again) == written, "a Module read back writes other bytes");
}

// A file descriptor holding `bytes`, read through its /proc path as a named file would be.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : m_fd(::memfd_create("fuzz", MFD_CLOEXEC)) {
        Expect(m_fd >= 0, "memfd_create failed");
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
            Expect(n > 0, "writing the memory file failed");
            done += static_cast<std::size_t>(n);
        }
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string Path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};

} // namespace

void ReadLibrary(std::string_view bytes) {
    std::unique_ptr<CVantorDoc> doc;
    try {
        doc = CVantorDoc::ReadLibrary(bytes);
    } catch (const ArchiveError&) {
        return;
    }
    const std::string written = doc->WriteLibrary();
    std::unique_ptr<CVantorDoc> again;
    try {
        again = CVantorDoc::ReadLibrary(written);
    } catch (const ArchiveError& e) {
        throw Failure(std::string("a written Library does not read back: ") + e.what());
    }
    Expect(again->WriteLibrary() == written, "a Library read back writes other bytes");

    // Each Module's script section once, and which Games would write it.
    std::string script;
    TextOutput out(script);
    for (int row = 0; row < doc->GetModuleCount(); ++row) {
        const CVConfig& module = *doc->GetModule(row);
        module.WriteScript(out);
        for (int g = 0; g < doc->GetGameCount(); ++g)
            Expect(doc->GetGame(g)->UsesModule(module) ==
                       again->GetGame(g)->UsesModule(*again->GetModule(row)),
                   "a Game's Modules changed in the round trip");
    }
    Expect(out.Close(), "writing a script into memory failed");
    doc->RematchCommands();
}

void ReadModule(std::string_view bytes) {
    {
        CVConfig module;
        bool read = true;
        try {
            ArchiveReader ar(bytes);
            module.Read(ar);
        } catch (const ArchiveError&) {
            read = false;
        }
        if (read) {
            RoundTripModule(module);
            std::string script;
            TextOutput out(script);
            module.WriteScript(out);
        }
    }
    try {
        if (std::unique_ptr<CMTObj> node = CMTObj::ReadClipboardData(bytes)) {
            const std::string data = node->WriteClipboardData();
            Expect(CMTObj::ReadClipboardData(data)->WriteClipboardData() == data,
                   "clipboard data read back writes other bytes");
        }
    } catch (const ArchiveError&) {
    }
    try {
        CVAlias alias;
        alias.PasteCommands(bytes, nullptr);
    } catch (const ArchiveError&) {
    }
}

void ImportScript(std::string_view text) {
    const MemoryFile file(text);
    CVConfig module;
    Expect(module.ReadScriptFile(file.Path()), "the script import refused a readable file");
    Expect(module.ReadDefinitionFile(file.Path()), "the definition import refused a readable file");
    RoundTripModule(module);
    std::string script;
    TextOutput out(script);
    module.WriteScript(out);
}

} // namespace vantor::fuzz
