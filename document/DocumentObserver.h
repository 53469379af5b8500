#pragma once

#include "model/ModelObserver.h"

namespace vantor {

class CScript;

/// What a Library document tells its views: everything the model reports (the document
/// passes every ModelObserver call on unchanged), plus the changes of the document's own
/// lists and state. Rows are positions in the document's Module or Game list; "about to"
/// calls come before the list changes, the others after it. A move arrives as a removal
/// followed by an insertion. Every method has a no-op default.
class DocumentObserver : public ModelObserver {
public:
    virtual void ModulesAboutToBeInserted(int /*row*/, int /*count*/) {}
    virtual void ModulesInserted(int /*row*/, int /*count*/) {}
    virtual void ModulesAboutToBeRemoved(int /*row*/, int /*count*/) {}
    virtual void ModulesRemoved(int /*row*/, int /*count*/) {}

    virtual void GamesAboutToBeInserted(int /*row*/, int /*count*/) {}
    virtual void GamesInserted(int /*row*/, int /*count*/) {}
    virtual void GamesAboutToBeRemoved(int /*row*/, int /*count*/) {}
    virtual void GamesRemoved(int /*row*/, int /*count*/) {}

    /// The current Game is now `game` (null for none).
    virtual void CurrentGameChanged(CScript* /*game*/) {}
    /// Every Module's state image (CVantorDoc::GetModuleState) must be shown again.
    virtual void ModuleStatesChanged() {}
    /// The modified flag changed to `modified`.
    virtual void ModifiedChanged(bool /*modified*/) {}

    /// All Modules and Games are about to be destroyed: nothing may stay selected or shown.
    virtual void ContentsAboutToBeDestroyed() {}
    /// Both lists are empty now.
    virtual void ContentsDestroyed() {}

protected:
    DocumentObserver() = default;
    DocumentObserver(const DocumentObserver&) = default;
    DocumentObserver& operator=(const DocumentObserver&) = default;
};

} // namespace vantor
