#include "ui/frame/CPaneView.h"

#include "model/CMTObj.h"
#include "ui/frame/AccessibleName.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace vantor {

CPaneView::CPaneView(const QString& headerText, QAbstractItemView* view, QWidget* parent)
    : QWidget(parent), m_headerText(headerText), m_view(view) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    // A click on the header puts the focus into the list, as a click on the list does.
    setFocusProxy(m_view);
    setFocusPolicy(Qt::ClickFocus);
    m_view->installEventFilter(this);
    // Screen readers name the pane and its list after the header, shown or not.
    NameAfterCaption(this, headerText);
    NameAfterCaption(m_view, headerText);
    WatchSelection();
    UpdateLayout();
}

CPaneView::~CPaneView() = default;

void CPaneView::SetHeaderStyle(const PaneHeaderStyle& style) {
    m_style = style;
    UpdateLayout();
    update();
}

int CPaneView::HeaderHeight() const {
    return m_style.shown ? m_style.height : 0;
}

void CPaneView::SetActive(bool active) {
    if (active == m_active)
        return;
    m_active = active;
    update(0, 0, width(), HeaderHeight());
}

ArchiveObject* CPaneView::PropertyObject() const {
    return SelectedObject();
}

bool CPaneView::Handles(CommandId id) const {
    static_cast<void>(id);
    return false;
}

void CPaneView::Execute(CommandId id) {
    static_cast<void>(id);
}

void CPaneView::WatchSelection() {
    QItemSelectionModel* selection = m_view->selectionModel();
    if (!selection)
        return;
    connect(selection, &QItemSelectionModel::selectionChanged, this, &CPaneView::selectionChanged,
            Qt::UniqueConnection);
    connect(selection, &QItemSelectionModel::currentChanged, this, &CPaneView::selectionChanged,
            Qt::UniqueConnection);
}

void CPaneView::UpdateLayout() {
    // The list or tree starts right below the header, or at the top edge without one.
    layout()->setContentsMargins(0, HeaderHeight(), 0, 0);
}

// The header: filled to one pixel above its bottom, the text from the top-left corner in the
// header font, and a line along the bottom pixel row.
void CPaneView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    const int height = HeaderHeight();
    if (height <= 0)
        return;
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect band(0, 0, width(), height - 1);
    if (m_active) {
        painter.fillRect(band, colours.color(QPalette::Active, QPalette::Highlight));
        painter.setPen(colours.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        painter.fillRect(band, colours.color(QPalette::Inactive, QPalette::Mid));
        painter.setPen(colours.color(QPalette::Inactive, QPalette::WindowText));
    }
    painter.setFont(m_style.font);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_headerText);
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(0, height - 1, width(), height - 1);
}

bool CPaneView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view) {
        if (event->type() == QEvent::FocusIn) {
            emit focusEntered();
        } else if (event->type() == QEvent::KeyPress) {
            // Tab moves between the panes instead of along the window's focus chain.
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain =
                (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::NoModifier;
            if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
                emit tabPressed(key->key() == Qt::Key_Tab &&
                                !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantor
