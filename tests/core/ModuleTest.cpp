// Modules: the script section, the record with its four lists, and Module files.

#include "ModelTestSupport.h"
#include "ScratchFolder.h"
#include "document/AtomicFile.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelServices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vantor {
namespace {

using test::Frag;
using test::Hex;
using test::ToHex;

const std::string kFixture = std::string(VANTOR_FIXTURES) + "/model/movement.vtm";

std::string ReadFile(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

TEST(Module, NewModuleWritesOnlyItsHeaders) {
    CVConfig module;
    module.Rename("New Module1");
    EXPECT_EQ(test::ScriptOf(module), "\r\n// Module: New Module1\r\n// Author: \r\n"
                                      "// Aliases:\r\n// Binds:\r\n// Startups:\r\n");
    EXPECT_EQ(module.GetModuleReserved(), 1u);
    EXPECT_FALSE(module.IsLocked());
}

TEST(Module, EmptyModuleRecord) {
    CVConfig module;
    module.Rename("M");
    module.SetAuthor("A");
    std::string bytes;
    ArchiveWriter ar(bytes);
    module.Write(ar);
    // The lists share one class descriptor (index 1); the first list is object 2.
    const std::string list = Hex("00000000 00000000 00000000 00000000");
    EXPECT_EQ(ToHex(bytes),
              ToHex(Hex("01") + "M" + Hex("00000000 00000000 04000000") + Hex("FFFF 0200 0800") +
                    "CVObList" + Hex("0B") + "Definitions" + list + Hex("11000000 0180 07") +
                    "Aliases" + list + Hex("12000000 0180 05") + "Binds" + list +
                    Hex("13000000 0180 08") + "Startups" + list + Hex("14000000") +
                    Hex("00000000 01") + "A" + Hex("01000000")));
}

TEST(Module, ReadReplacesTheListsAndRefusesOtherChildren) {
    CVConfig source;
    source.Rename("M");
    source.GetList(TypeAliasList)->AddChild(std::make_unique<CVAlias>());
    const std::string bytes = source.WriteClipboardData();
    std::unique_ptr<CMTObj> read = CMTObj::ReadClipboardData(bytes);
    auto* copy = dynamic_cast<CVConfig*>(read.get());
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->GetChildCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(copy->GetList(17 + i), copy->GetChild(i));
    EXPECT_EQ(copy->GetList(TypeAliasList)->GetChildCount(), 1);

    struct Case {
        const char* what;
        std::function<void(CVConfig&)> damage;
        ArchiveError::Kind kind;
    };
    using Kind = ArchiveError::Kind;
    const Case cases[] = {
        {"three lists", [](CVConfig& m) { m.RemoveChild(*m.GetList(TypeStartupList)); },
         Kind::BadFormat},
        {"lists out of order", [](CVConfig& m) { m.MoveChild(*m.GetList(TypeBindList), true); },
         Kind::BadFormat},
        {"a fifth list",
         [](CVConfig& m) { m.AddChild(std::make_unique<CVObList>(TypeStartupList, "S")); },
         Kind::BadFormat},
        {"a list of the wrong type",
         [](CVConfig& m) {
             m.RemoveChild(*m.GetList(TypeStartupList));
             m.AddChild(std::make_unique<CVObList>(TypeBindList, "S"));
         },
         Kind::BadFormat},
        {"a Definition for a list",
         [](CVConfig& m) {
             m.RemoveChild(*m.GetList(TypeStartupList));
             m.AddChild(test::Def("x"));
         },
         Kind::BadFormat},
        {"a Module inside a list",
         [](CVConfig& m) { m.GetList(TypeAliasList)->AddChild(std::make_unique<CVConfig>()); },
         Kind::BadClass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CVConfig module;
        c.damage(module);
        try {
            CMTObj::ReadClipboardData(module.WriteClipboardData());
            ADD_FAILURE() << "read without error";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.GetKind(), c.kind);
        }
    }
}

TEST(Module, DamagedRecordsAreRefusedWithoutHarm) {
    const std::string bytes = ReadFile(kFixture);
    ASSERT_FALSE(bytes.empty());
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        CVConfig module;
        ArchiveReader ar(std::string_view(bytes).substr(0, n));
        EXPECT_THROW(module.Read(ar), ArchiveError) << n;
    }
    // Any single damaged byte either reads or raises an archive error; nothing else.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (char value : {'\x00', '\x7F', '\x80', '\xFF'}) {
            std::string damaged = bytes;
            damaged[i] = value;
            CVConfig module;
            ArchiveReader ar(damaged);
            try {
                module.Read(ar);
            } catch (const ArchiveError&) {
            }
        }
    }
}

// Counts the wait cursor's calls and checks that they pair.
class RecordingServices : public ModelServices {
public:
    int begun = 0;
    int ended = 0;
    void BeginWait() override { ++begun; }
    void EndWait() override {
        ++ended;
        EXPECT_LE(ended, begun);
    }
};

class ModuleFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::MakeScratchFolder("vantor-module");
        ModelServices::Install(&m_services);
    }
    void TearDown() override {
        ModelServices::Install(nullptr);
        AtomicFile::FailWritesAfter(-1);
        fs::remove_all(m_dir);
    }
    std::string Path(const char* name) const { return (m_dir / name).string(); }
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
    }

    fs::path m_dir;
    RecordingServices m_services;
};

TEST_F(ModuleFile, LoadsTheFixtureAndExportsItByteForByte) {
    CVConfig module;
    ASSERT_TRUE(module.LoadModuleFile(kFixture));
    EXPECT_EQ(module.GetName(), "Movement");
    EXPECT_EQ(module.GetAuthor(), "Ann");
    EXPECT_TRUE(module.IsLocked());
    EXPECT_TRUE(module.IsExpanded());
    EXPECT_EQ(module.GetModuleReserved(), 1u);
    const auto& fov = dynamic_cast<const CVCommand&>(*module.GetList(17)->GetChild(0));
    EXPECT_EQ(fov.GetIntMax(), 170);
    EXPECT_TRUE(fov.GetUseSlider());
    const auto& bind = dynamic_cast<const CVBind&>(*module.GetList(19)->GetChild(0));
    EXPECT_EQ(bind.GetKey(), 2);
    EXPECT_EQ(test::ScriptOf(module), "\r\n// Module: Movement\r\n// Author: Ann\r\n"
                                      "// Aliases:\r\n"
                                      "ALIAS hop \"say hi\"\r\n"
                                      "ALIAS +zoom \"fov 30\"\r\n"
                                      "// ALIAS -zoom (no commands defined)\r\n"
                                      "// Binds:\r\n"
                                      "BIND mouse2 \"+zoom\"\r\n"
                                      "// Startups:\r\n"
                                      "unbindall\r\n");

    ASSERT_TRUE(module.ExportModuleFile(Path("copy.vtm")));
    EXPECT_EQ(ToHex(ReadFile(Path("copy.vtm"))), ToHex(ReadFile(kFixture)));
    EXPECT_EQ(m_services.begun, 2);
    EXPECT_EQ(m_services.ended, 2);
}

TEST_F(ModuleFile, ExportedModuleLoadsBackIdentical) {
    CVConfig module;
    module.Rename("Weapons. v2");
    module.SetAuthor("Bea");
    module.GetList(TypeDefinitionList)->AddChild(test::Def("impulse", ParamInteger));
    auto act = std::make_unique<CVAliasAct>();
    act->Rename("fire");
    act->GetHalf(true)->AddCommand(Frag("attack", ParamAction, "+"));
    module.GetList(TypeAliasList)->AddChild(std::move(act));
    for (std::uint16_t key : {1, 0}) {
        auto bind = std::make_unique<CVBind>();
        bind->SetKey(key);
        bind->AddCommand(Frag("fire", ParamAction, "2"));
        module.GetList(TypeBindList)->AddChild(std::move(bind));
    }
    module.GetList(TypeStartupList)->AddCommand(Frag("say", ParamString, "ready"));

    ASSERT_TRUE(module.ExportModuleFile(Path("m.vtm")));
    const std::string bytes = ReadFile(Path("m.vtm"));
    EXPECT_EQ(bytes.substr(0, 12), Hex("0B") + "Weapons. v2"); // the name comes first

    CVConfig loaded;
    ASSERT_TRUE(loaded.LoadModuleFile(Path("m.vtm")));
    EXPECT_EQ(test::ScriptOf(loaded), test::ScriptOf(module));
    ASSERT_TRUE(loaded.ExportModuleFile(Path("again.vtm")));
    EXPECT_EQ(ToHex(ReadFile(Path("again.vtm"))), ToHex(bytes));
}

TEST_F(ModuleFile, FailedExportsLeaveNoFileBehind) {
    CVConfig module;
    module.Rename("M");
    module.GetList(TypeStartupList)->AddCommand(Frag("unbindall"));

    // A folder that does not exist.
    EXPECT_FALSE(module.ExportModuleFile(Path("missing/m.vtm")));
    EXPECT_FALSE(fs::exists(m_dir / "missing"));

    // Writing fails part-way: the previous file stays whole, no temporary file is left.
    ASSERT_TRUE(WriteFileAtomically(Path("m.vtm"), "previous"));
    AtomicFile::FailWritesAfter(20);
    EXPECT_FALSE(module.ExportModuleFile(Path("m.vtm")));
    AtomicFile::FailWritesAfter(-1);
    EXPECT_EQ(ReadFile(Path("m.vtm")), "previous");
    EXPECT_EQ(EntryCount(), 1u);
    EXPECT_EQ(m_services.begun, 2);
    EXPECT_EQ(m_services.ended, 2);
}

TEST_F(ModuleFile, LoadFailures) {
    const std::string good = ReadFile(kFixture);
    ASSERT_TRUE(WriteFileAtomically(Path("cut.vtm"), good.substr(0, good.size() - 1)));
    ASSERT_TRUE(WriteFileAtomically(Path("empty.vtm"), ""));
    for (const char* name : {"absent.vtm", "cut.vtm", "empty.vtm"}) {
        CVConfig module;
        EXPECT_FALSE(module.LoadModuleFile(Path(name))) << name;
    }
    EXPECT_EQ(m_services.begun, m_services.ended);

    // A Module of a Library is never overwritten by a file.
    test::RecordingObserver library;
    CVConfig linked;
    linked.Rename("Mine");
    linked.SetLibrary(&library);
    EXPECT_FALSE(linked.LoadModuleFile(kFixture));
    EXPECT_EQ(linked.GetName(), "Mine");
    EXPECT_TRUE(library.events.empty());
}

} // namespace
} // namespace vantor
