#pragma once

#include <QWidget>

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

class QKeyEvent;
class QLineEdit;

namespace vantor {

class ArchiveObject;
class MessageService;

/// The base of every property page: a borderless child of the Property Window that edits one
/// model object (a node, a Game or a command fragment; not owned). A field is written into
/// the object when it loses the keyboard focus, a button when it is clicked, and whatever is
/// still pending when the page is detached.
///
/// Enter and Escape never close or reset a page, and the main window's shortcut keys keep
/// working inside its fields (Delete, Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+A included: they run
/// the active pane's commands instead of editing the field). While the focus is in the page,
/// Alt with a letter goes to the page's control of that mnemonic before the menu bar.
class CObjectPage : public QWidget {
    Q_OBJECT
public:
    explicit CObjectPage(QWidget* parent = nullptr);
    ~CObjectPage() override;

    /// Remembers the object, then fills the controls from it.
    void AttachObject(ArchiveObject* object);
    /// With null or the attached object: writes what is pending into it, then forgets it.
    /// Any other object: nothing.
    void DetachObject(ArchiveObject* object);
    ArchiveObject* Object() const { return m_object; }

    /// Fills the controls from the attached object.
    virtual void LoadFromObject() {}
    /// Writes what is still pending back into the attached object.
    virtual void SaveToObject() {}
    /// Shows the object's name again after it was changed elsewhere.
    virtual void RefreshFromObject() {}

    /// Makes the page answer its own mnemonics first while the focus is in it (call once the
    /// controls are built).
    void WatchMnemonics();

    /// Where the pages show their refusals (the application's service unless set).
    static void SetMessageService(std::function<MessageService&()> service);

protected:
    /// Shows string `id` in a message box with an exclamation icon.
    static void ShowRefusal(int id);
    static void ShowRefusal(std::string_view text);
    /// Makes `field` commit through `commit` when it loses the keyboard focus, and lets the
    /// main window's shortcut keys through it.
    void WatchField(QWidget* field, std::function<void()> commit = {});
    /// Whether the user edited the field since the program last set its text; clears that.
    /// A field cut to its length limit, or showing a rounded value, must not be stored back
    /// merely because it was passed through.
    static bool TakeEdit(QLineEdit* field);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// The page's shown and enabled controls whose mnemonic is `key` (labels by their buddy).
    std::vector<QWidget*> MnemonicTargets(const QKeyEvent& key) const;
    void ActivateMnemonic(const std::vector<QWidget*>& targets);

    ArchiveObject* m_object = nullptr;
    std::vector<std::pair<QWidget*, std::function<void()>>> m_commits;
};

} // namespace vantor
