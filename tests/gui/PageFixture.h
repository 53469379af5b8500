#pragma once

#include "FieldInput.h"
#include "LibraryFixture.h"
#include "tests/core/LibraryTestSupport.h"
#include "document/CVantorDoc.h"
#include "document/DocumentObserver.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CPaneView.h"
#include "ui/pages/CObjectPage.h"
#include "ui/pages/CObjectProp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>

namespace vantor::test {

/// Counts what the Library tells its views about Games and fragments.
struct RecordingObserver : DocumentObserver {
    void GameChanged(CScript& /*game*/, unsigned what) override {
        ++gameChanges;
        gameBits |= what;
    }
    void FragmentChanged(CCmdFrag& /*fragment*/) override { ++fragmentChanges; }
    int gameChanges = 0;
    unsigned gameBits = 0;
    int fragmentChanges = 0;
};

/// A started editor with one empty Library, whose objects the tests build and show in the
/// Property Window the way the panes do (through the main window).
class PageFixture : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        messages.saveAnswer = MessageService::SaveAnswer::No;
        ASSERT_TRUE(StartEditor());
        ASSERT_NE(Active(), nullptr);
        Active()->Observers().Add(recorder);
    }
    void TearDown() override {
        if (Active()) {
            Active()->Observers().Remove(recorder);
            Show(nullptr);
        }
        LibraryFixture::TearDown();
    }

    CVantorDoc& Doc() const { return Active()->Document(); }
    CObjectProp& Prop() const { return Frame()->PropertyWindow(); }
    void Show(ArchiveObject* object) { Frame()->SetPropertyObject(object); }
    template <class T = QWidget> T* Find(const char* name) const {
        T* found = Prop().findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    CVConfig& AddModule(const std::string& name) { return test::AddModule(Doc(), name); }
    CVBind& AddBind(CVConfig& module, std::uint16_t key) {
        auto bind = std::make_unique<CVBind>();
        if (key != 0)
            bind->SetKey(key);
        CVBind& added = *bind;
        module.GetList(TypeBindList)->AddChild(std::move(bind));
        return added;
    }
    /// A new, unset command at the end of the Module's Startup List.
    CCmdFrag& AddStartup(CVConfig& module) {
        auto fragment = std::make_unique<CCmdFrag>();
        CCmdFrag& added = *fragment;
        module.GetList(TypeStartupList)->AddCommand(std::move(fragment));
        return added;
    }

    static void Type(QWidget* field, const QString& text) { TypeInto(field, text); }
    void LeaveField() { test::LeaveField(*Active()); }
    /// The text of the message boxes shown since the last call.
    QStringList TakeMessages() {
        QStringList shown = messages.calls;
        messages.calls.clear();
        return shown;
    }

    RecordingObserver recorder;
};

} // namespace vantor::test
