#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;

namespace vantor {

class ArchiveObject;
class CObjectPage;
class CScript;

/// The Property Window: the icon and caption of the current object's kind above one fixed
/// page area that holds the page editing that kind. The six pages are created once; at most
/// one is shown. Focus given to the window goes on to the visible page.
class CObjectProp : public QWidget {
    Q_OBJECT
public:
    /// The pages in the order they are created.
    enum PageIndex : int {
        BindPage,
        ModulePage,
        AliasPage,
        DefinitionPage,
        CommandPage,
        GamePage,
        kPageCount
    };
    static constexpr int kNoPage = -1;

    explicit CObjectProp(QWidget* parent = nullptr);
    ~CObjectProp() override;

    /// Shows `object` (a model node, Game or command fragment; not owned). The same object
    /// again saves and reloads its page.
    void SetObject(ArchiveObject* object);
    /// Shows nothing.
    void ClearObject();
    /// Shows page `index` (kNoPage: none) for the current object; the page that is left
    /// first saves its edits into the object it was showing.
    void ShowPage(int index);
    /// `object` was renamed elsewhere: its page shows the new name.
    void ObjectChanged(ArchiveObject* object);

    ArchiveObject* CurrentObject() const { return m_current; }
    CObjectPage* Page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    /// The visible page, or null.
    CObjectPage* VisiblePage() const;
    int VisiblePageIndex() const { return m_visible; }
    /// The kind's caption and icon index (-1: none) as shown now.
    QString Caption() const;
    int IconIndex() const { return m_icon; }

    /// What Browse for Script on the Game page does (the Library window's Game operation).
    void SetBrowseForScript(std::function<void(CScript&)> browse);

private:
    struct Kind {
        int page;
        int icon;
        int caption;
    };
    static Kind KindOf(ArchiveObject* object);
    void ShowKind(const Kind& kind);

    std::array<CObjectPage*, kPageCount> m_pages{};
    QLabel* m_iconLabel;
    QLabel* m_caption;
    QFrame* m_pageArea;
    QLabel* m_noProperties;
    ArchiveObject* m_current = nullptr;
    int m_visible = kNoPage;
    int m_icon = -1;
};

} // namespace vantor
