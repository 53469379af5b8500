#include "ui/pages/CObjectPage.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "resources/StringTable.h"
#include "ui/frame/ModelText.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
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

bool CObjectPage::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field)
        return QWidget::eventFilter(watched, event);
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
