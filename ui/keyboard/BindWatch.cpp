#include "ui/keyboard/BindWatch.h"

#include "model/CMTObj.h"
#include "model/ModelCodes.h"

namespace vantor {

void BindWatch::ChildrenInserted(CMTObj& parent, int /*row*/, int /*count*/) {
    if (parent.GetType() == TypeBindList)
        m_changed();
}

void BindWatch::ChildrenRemoved(CMTObj& parent, int /*row*/, int /*count*/) {
    if (parent.GetType() == TypeBindList)
        m_changed();
}

void BindWatch::ModulesInserted(int /*row*/, int /*count*/) {
    m_changed();
}

void BindWatch::ModulesRemoved(int /*row*/, int /*count*/) {
    m_changed();
}

void BindWatch::ContentsAboutToBeDestroyed() {
    m_changed();
}

} // namespace vantor
