#include "ui/pages/CObjectPage.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "resources/StringTable.h"
#include "ui/frame/ModelText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <algorithm>

namespace vantor {
namespace {

std::function<MessageService&()>& Messages() {
    static std::function<MessageService&()> service;
    return service;
}

// The main window above `widget`: its parent chain leads there even while the Property
// Window floats.
QMainWindow* MainWindowOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* frame = qobject_cast<QMainWindow*>(w))
            return frame;
    return nullptr;
}

bool IsMainWindowShortcut(QWidget* field, const QKeyEvent& key) {
    QMainWindow* frame = MainWindowOf(field);
    if (!frame)
        return false;
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : frame->actions())
        for (const QKeySequence& shortcut : action->shortcuts())
            if (shortcut == pressed)
                return true;
    return false;
}

// The widget a mnemonic acts on: a label's buddy, a button itself.
QWidget* MnemonicWidget(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->buddy();
    return control;
}

QString MnemonicText(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

} // namespace

CObjectPage::CObjectPage(QWidget* parent) : QWidget(parent) {}

CObjectPage::~CObjectPage() = default;

void CObjectPage::SetMessageService(std::function<MessageService&()> service) {
    Messages() = std::move(service);
}

void CObjectPage::ShowRefusal(std::string_view text) {
    const QString shown = FromModelText(text);
    if (Messages())
        Messages()().Warning(shown);
    else if (CVantorApp* app = CVantorApp::Instance())
        app->Messages().Warning(shown);
}

void CObjectPage::ShowRefusal(int id) {
    ShowRefusal(LoadString(id));
}

void CObjectPage::AttachObject(ArchiveObject* object) {
    m_object = object;
    LoadFromObject();
}

void CObjectPage::DetachObject(ArchiveObject* object) {
    if (object != nullptr && object != m_object)
        return;
    if (m_object)
        SaveToObject();
    m_object = nullptr;
}

bool CObjectPage::TakeEdit(QLineEdit* field) {
    if (!field->isModified())
        return false;
    field->setModified(false);
    return true;
}

void CObjectPage::WatchField(QWidget* field, std::function<void()> commit) {
    field->installEventFilter(this);
    if (commit)
        m_commits.emplace_back(field, std::move(commit));
}

// The page answers its mnemonics itself, and only while the focus is in it: its buttons give
// up the shortcuts Qt made from their texts (else "Use S&lider" would compete with the menu
// bar's "&Library" wherever the focus is), and what a label's buddy shortcut still delivers
// is dropped in the filter.
void CObjectPage::WatchMnemonics() {
    for (QWidget* child : findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(child))
            button->setShortcut(QKeySequence());
        if (child->focusPolicy() != Qt::NoFocus || qobject_cast<QLabel*>(child))
            child->installEventFilter(this);
    }
}

std::vector<QWidget*> CObjectPage::MnemonicTargets(const QKeyEvent& key) const {
    std::vector<QWidget*> targets;
    const bool letterOrDigit = (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) ||
                               (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9);
    if (key.modifiers() != Qt::AltModifier || !letterOrDigit)
        return targets;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key.key())));
    for (QWidget* control : findChildren<QWidget*>()) {
        QWidget* target = MnemonicWidget(control);
        if (target && target->isVisible() && target->isEnabled() &&
            QKeySequence::mnemonic(MnemonicText(control)) == pressed)
            targets.push_back(target);
    }
    return targets;
}

// One control: focus it, and click it when it is a button. Several with the same letter:
// the focus moves on to the next of them, nothing is clicked.
void CObjectPage::ActivateMnemonic(const std::vector<QWidget*>& targets) {
    if (targets.size() == 1) {
        QWidget* target = targets.front();
        target->setFocus(Qt::ShortcutFocusReason);
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        return;
    }
    const auto focused = std::find(targets.begin(), targets.end(), QApplication::focusWidget());
    const auto next = focused == targets.end() || focused + 1 == targets.end() ? targets.begin()
                                                                               : focused + 1;
    (*next)->setFocus(Qt::ShortcutFocusReason);
}

bool CObjectPage::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Shortcut)
        return true;
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        // Taking the override keeps the key from the shortcut map, where the menu bar's
        // mnemonic of the same letter would make both ambiguous; the press then acts here.
        const std::vector<QWidget*> targets = MnemonicTargets(*static_cast<QKeyEvent*>(event));
        if (!targets.empty()) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                ActivateMnemonic(targets);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Left unaccepted, the key goes to the main window's shortcut instead of the field.
        if (IsMainWindowShortcut(field, *static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A context menu or a list popping up is not leaving the field.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && m_object) {
            const auto it = std::find_if(m_commits.begin(), m_commits.end(),
                                         [field](const auto& c) { return c.first == field; });
            if (it != m_commits.end())
                it->second();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter and Escape reach the page when no field took them: they do nothing.
void CObjectPage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace vantor
