#include "ui/pages/CObjectProp.h"

#include "model/CCmdFrag.h"
#include "model/CMTObj.h"
#include "model/CScript.h"
#include "model/CVAliasActSub.h"
#include "model/ModelCodes.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/ModelText.h"
#include "ui/pages/CAliasPage.h"
#include "ui/pages/CBindKeyPage.h"
#include "ui/pages/CCommandPage.h"
#include "ui/pages/CDefinitionPage.h"
#include "ui/pages/CGamePage.h"
#include "ui/pages/CModulePage.h"
#include "ui/pages/PageIcons.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {
namespace {

constexpr int kIconSize = 16;

} // namespace

CObjectProp::CObjectProp(QWidget* parent)
    : QWidget(parent), m_iconLabel(new QLabel), m_caption(new QLabel), m_pageArea(new QFrame),
      m_noProperties(new QLabel(FromModelText(LoadString(IDS_NO_PROPERTIES)))) {
    setObjectName(QStringLiteral("objectProp"));
    m_iconLabel->setObjectName(QStringLiteral("kindIcon"));
    m_iconLabel->setFixedSize(kIconSize, kIconSize);
    m_caption->setObjectName(QStringLiteral("kindCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setText(FromModelText(LoadString(IDS_KIND_NONE)));

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(m_iconLabel);
    header->addWidget(m_caption, 1);

    m_pageArea->setObjectName(QStringLiteral("pageArea"));
    m_pageArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_noProperties->setObjectName(QStringLiteral("noProperties"));
    m_noProperties->setParent(m_pageArea);
    m_noProperties->setAlignment(Qt::AlignCenter);

    m_pages = {new CBindKeyPage,    new CModulePage,  new CAliasPage,
               new CDefinitionPage, new CCommandPage, new CGamePage};
    // One fixed area that holds the largest page; every page fills it.
    QSize largest(1, 1);
    for (CObjectPage* page : m_pages) {
        page->setParent(m_pageArea);
        page->hide();
        page->WatchMnemonics();
        largest = largest.expandedTo(page->minimumSizeHint());
    }
    const int frame = m_pageArea->frameWidth();
    const QRect inner(QPoint(frame, frame), largest);
    m_pageArea->setFixedSize(largest + QSize(2 * frame, 2 * frame));
    for (CObjectPage* page : m_pages)
        page->setGeometry(inner);
    m_noProperties->setGeometry(inner);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 2, 3, 3);
    layout->setSpacing(2);
    layout->addLayout(header);
    layout->addWidget(m_pageArea, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
}

CObjectProp::~CObjectProp() = default;

void CObjectProp::SetBrowseForScript(std::function<void(CScript&)> browse) {
    static_cast<CGamePage*>(Page(GamePage))->SetBrowseForScript(std::move(browse));
}

CObjectPage* CObjectProp::VisiblePage() const {
    return m_visible == kNoPage ? nullptr : Page(m_visible);
}

QString CObjectProp::Caption() const {
    return m_caption->text();
}

// Games and fragments are told by their class; nodes by their type.
CObjectProp::Kind CObjectProp::KindOf(ArchiveObject* object) {
    if (dynamic_cast<CScript*>(object))
        return {GamePage, 12, IDS_KIND_GAME};
    if (dynamic_cast<CCmdFrag*>(object))
        return {CommandPage, 11, IDS_KIND_COMMAND};
    auto* node = dynamic_cast<CMTObj*>(object);
    if (!node)
        return {kNoPage, -1, IDS_KIND_NONE};
    switch (node->GetType()) {
    case TypeModule:
        return {ModulePage, 0, IDS_KIND_MODULE};
    case TypeDefinitionList:
        return {kNoPage, 1, IDS_KIND_DEFINITION_LIST};
    case TypeAliasList:
        return {kNoPage, 2, IDS_KIND_ALIAS_LIST};
    case TypeBindList:
        return {kNoPage, 3, IDS_KIND_BIND_LIST};
    case TypeStartupList:
        return {kNoPage, 4, IDS_KIND_STARTUP_LIST};
    case TypeDefinition:
        return {DefinitionPage, 5, IDS_KIND_DEFINITION};
    case TypeAlias:
        return {AliasPage, 6, IDS_KIND_ALIAS};
    case TypeActionAlias:
        return {AliasPage, 7, IDS_KIND_ACTION_ALIAS};
    case TypeActionHalf: {
        const auto* half = dynamic_cast<CVAliasActSub*>(node);
        if (half && half->IsPlus())
            return {kNoPage, 8, IDS_KIND_ACTION_PLUS};
        return {kNoPage, 9, IDS_KIND_ACTION_MINUS};
    }
    case TypeBind:
        return {BindPage, 10, IDS_KIND_BIND};
    default:
        return {kNoPage, -1, IDS_KIND_NONE};
    }
}

void CObjectProp::ShowKind(const Kind& kind) {
    m_icon = kind.icon;
    m_iconLabel->setPixmap(kind.icon < 0 ? QPixmap()
                                         : ObjectKindIcon(kind.icon).pixmap(kIconSize, kIconSize));
    m_caption->setText(FromModelText(LoadString(kind.caption)));
}

void CObjectProp::SetObject(ArchiveObject* object) {
    if (!object) {
        ClearObject();
        return;
    }
    if (object == m_current) {
        ShowPage(m_visible);
        return;
    }
    // The new object is recorded first: the page that is left saves into the object it was
    // attached to, which it still holds, never into this one.
    m_current = object;
    const Kind kind = KindOf(object);
    ShowKind(kind);
    ShowPage(kind.page);
}

void CObjectProp::ClearObject() {
    m_current = nullptr;
    ShowKind({kNoPage, -1, IDS_KIND_NONE});
    ShowPage(kNoPage);
}

void CObjectProp::ShowPage(int index) {
    if (index < kNoPage || index >= kPageCount)
        index = kNoPage;
    update();
    if (index != m_visible) {
        // The application's focus widget: QWidget::focusWidget() would name the last child
        // of this window that had the focus, however long ago.
        const bool hadFocus = isAncestorOf(QApplication::focusWidget());
        CObjectPage* old = VisiblePage();
        m_visible = index;
        if (old) {
            old->DetachObject(nullptr);
            // Hiding the field that has the focus would pass the focus on along the chain,
            // possibly into another Library's window, which then shows its own object here.
            // The focus waits on this window instead, for the page that comes next.
            if (hadFocus) {
                setFocusProxy(nullptr);
                setFocus(Qt::OtherFocusReason);
            }
            old->hide();
            // Should something have shown another page meanwhile, that page stands.
            if (m_visible != index)
                return;
        }
        CObjectPage* page = VisiblePage();
        if (page) {
            page->AttachObject(m_current);
            page->show();
        }
        m_noProperties->setVisible(page == nullptr);
        setFocusProxy(page);
        QWidget* focus = QApplication::focusWidget();
        if (hadFocus && (focus == this || !isAncestorOf(focus)))
            setFocus(Qt::OtherFocusReason);
        return;
    }
    if (CObjectPage* page = VisiblePage()) {
        page->DetachObject(nullptr);
        page->AttachObject(m_current);
    }
}

void CObjectProp::ObjectChanged(ArchiveObject* object) {
    if (object && object == m_current)
        if (CObjectPage* page = VisiblePage())
            page->RefreshFromObject();
}

} // namespace vantor
