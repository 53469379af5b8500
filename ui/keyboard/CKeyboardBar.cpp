#include "ui/keyboard/CKeyboardBar.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "document/CVantorDoc.h"
#include "model/CKeyTable.h"
#include "model/CScript.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/ModelText.h"
#include "ui/keyboard/CAddBindDlg.h"
#include "ui/keyboard/CJumpToBindDlg.h"
#include "ui/keyboard/KeyboardPicture.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantor {
namespace {

// The picture sits in a frame of this many picture pixels, painted light grey.
constexpr int kFrame = 4;
constexpr QRgb kFrameColour = 0xFFC0C0C0;
// The smallest the window may be squeezed to, in window pixels.
constexpr int kMinimumSide = 40;
// The state colours, ORed into the black key faces.
constexpr QRgb kStateColours[] = {
    0xFFC0C0C0, // not bound: light grey
    0xFFFFFF00, // bound once: yellow
    0xFF40FF40, // bound two or more times: light green
};

QString KeyName(std::uint16_t code) {
    return FromModelText(CKeyTable::Instance().NameFromCode(code).value_or(""));
}

MessageService* Messages() {
    CVantorApp* app = CVantorApp::Instance();
    return app ? &app->Messages() : nullptr;
}

} // namespace

CKeyboardBar::CKeyboardBar(QWidget* parent) : CKeyboardBar(DrawKeyboardPicture(), parent) {}

CKeyboardBar::CKeyboardBar(const QImage& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture.convertToFormat(QImage::Format_RGB32)) {
    setObjectName(QStringLiteral("keyboardBar"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    const std::vector<KeyboardKey> keys = CKeyTable::Instance().KeyboardKeys();
    for (const KeyboardKey& key : keys)
        AddKey(key.code, key);
    m_hits.Build(keys);

    // The key faces are the picture's pure cyan pixels; from now on they are black in the
    // picture, and rendering ORs each key's state colour into them.
    const int width = m_picture.width(), height = m_picture.height();
    m_faceMask.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (line[x] == kKeyFaceColour) {
                m_faceMask[static_cast<std::size_t>(y * width + x)] = 1;
                line[x] ^= kKeyFaceColour & 0x00FFFFFF;
            }
        }
    }
    for (auto& [code, key] : m_keys)
        m_stateKeys[CKeyRect::Unbound].push_back(&key);
    Render();
    UpdateScale();
    SetCaption(tr("Binds (no Game selected)"));
    setAccessibleName(tr("Keyboard"));
}

CKeyboardBar::~CKeyboardBar() = default;

void CKeyboardBar::AddKey(std::uint16_t code, const KeyboardKey& rect) {
    m_keys.emplace(code, CKeyRect{code, rect, CKeyRect::Unbound});
}

void CKeyboardBar::MarkOutOfDate() {
    m_upToDate = false;
    ++m_generation;
    m_bindsByKey.clear();
}

void CKeyboardBar::SetGame(CVantorDoc* library, CScript* game) {
    m_library = library;
    m_game = library ? game : nullptr;
    m_upToDate = true;
    m_bindsByKey.clear();
    for (auto& [code, key] : m_keys)
        key.state = CKeyRect::Unbound;

    if (m_library && m_game) {
        for (int row = 0; row < m_library->GetModuleCount(); ++row) {
            const CVConfig* module = m_library->GetModule(row);
            const CVObList* list = module->GetList(TypeBindList);
            if (!list || !m_game->UsesModule(*module))
                continue;
            for (int i = 0; i < list->GetChildCount(); ++i) {
                auto* bind = dynamic_cast<CVBind*>(list->GetChild(i));
                if (!bind)
                    continue;
                const auto key = m_keys.find(bind->GetKey());
                if (key == m_keys.end())
                    continue;
                key->second.state = key->second.state == CKeyRect::Unbound ? CKeyRect::BoundOnce
                                                                           : CKeyRect::BoundMore;
                m_bindsByKey[key->first].push_back(bind);
            }
        }
        SetCaption(tr("Binds for %1").arg(FromModelText(m_game->GetGameName())));
    } else {
        SetCaption(tr("Binds (no Game selected)"));
    }

    for (std::vector<const CKeyRect*>& keys : m_stateKeys)
        keys.clear();
    for (const auto& [code, key] : m_keys)
        m_stateKeys[key.state <= CKeyRect::BoundMore ? key.state : 1].push_back(&key);
    Render();
    update();
    if (hasFocus() && m_focusKey)
        ShowFocusKey();
}

// For each state: a work mask of that state's key rectangles, cut down to the key faces, then
// the state's colour ORed into the picture wherever the mask is set.
void CKeyboardBar::Render() {
    m_rendered = m_picture.copy();
    const int width = m_rendered.width(), height = m_rendered.height();
    std::vector<std::uint8_t> scratch(m_faceMask.size());
    for (int state = 0; state < 3; ++state) {
        std::fill(scratch.begin(), scratch.end(), 0);
        for (const CKeyRect* key : m_stateKeys[state]) {
            const int left = std::max(key->rect.left, 0), right = std::min(key->rect.right, width);
            const int top = std::max(key->rect.top, 0), bottom = std::min(key->rect.bottom, height);
            for (int y = top; y < bottom; ++y)
                std::fill_n(scratch.begin() + y * width + left, std::max(right - left, 0), 1);
        }
        for (std::size_t i = 0; i < scratch.size(); ++i)
            scratch[i] &= m_faceMask[i];
        const QRgb colour = kStateColours[state];
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_rendered.scanLine(y));
            const std::uint8_t* mask = scratch.data() + static_cast<std::ptrdiff_t>(y) * width;
            for (int x = 0; x < width; ++x)
                if (mask[x])
                    line[x] |= colour;
        }
    }
}

void CKeyboardBar::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    // The dock shows the caption in its title bar, docked and floating alike.
    if (auto* dock = qobject_cast<QDockWidget*>(parentWidget()))
        dock->setWindowTitle(caption);
}

int CKeyboardBar::KeyState(std::uint16_t code) const {
    const auto key = m_keys.find(code);
    return key == m_keys.end() ? -1 : key->second.state;
}

const std::vector<CVBind*>& CKeyboardBar::FindBinds(std::uint16_t code) const {
    static const std::vector<CVBind*> kNone;
    const auto binds = m_bindsByKey.find(code);
    return m_upToDate && binds != m_bindsByKey.end() ? binds->second : kNone;
}

QString CKeyboardBar::ToolTipText(std::uint16_t code) const {
    if (!m_upToDate || !m_keys.count(code))
        return {};
    const std::vector<CVBind*>& binds = FindBinds(code);
    if (binds.empty())
        return tr("Key '%1'").arg(KeyName(code));
    if (binds.size() > 1)
        return tr("Multiple binds");
    std::string text;
    if (!binds.front()->BuildCommandText(text))
        text = "\"\""; // a Bind without commands (or with commands that cannot be written)
    return FromModelText(text);
}

// --- Geometry --------------------------------------------------------------------------------

void CKeyboardBar::UpdateScale() {
    m_ratio = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    m_scale = std::max(1, static_cast<int>(std::lround(m_ratio)));
    const auto logical = [this](int pixels) {
        return static_cast<int>(std::ceil(pixels * m_scale / m_ratio));
    };
    // Never larger than the picture in its frame; a main window too small for it may squeeze
    // the window, which then shows what fits.
    m_fullSize =
        QSize(logical(m_picture.width() + 2 * kFrame), logical(m_picture.height() + 2 * kFrame));
    setMaximumSize(m_fullSize);
    updateGeometry();
}

QSize CKeyboardBar::sizeHint() const {
    return m_fullSize;
}

QSize CKeyboardBar::minimumSizeHint() const {
    return m_fullSize.boundedTo(QSize(kMinimumSide, kMinimumSide));
}

QPoint CKeyboardBar::PicturePoint(const QPointF& point) const {
    const auto picture = [this](qreal logical) {
        return static_cast<int>(std::floor(logical * m_ratio / m_scale)) - kFrame;
    };
    return {picture(point.x()), picture(point.y())};
}

std::uint16_t CKeyboardBar::HitTest(const QPoint& point) const {
    const QPoint picture = PicturePoint(point);
    return m_hits.Hit(picture.x(), picture.y());
}

QRect CKeyboardBar::KeyWindowRect(std::uint16_t code) const {
    const auto key = m_keys.find(code);
    if (key == m_keys.end())
        return {};
    const auto logical = [this](int picture) {
        return static_cast<int>(std::ceil((picture + kFrame) * m_scale / m_ratio));
    };
    const KeyboardKey& rect = key->second.rect;
    return QRect(QPoint(logical(rect.left), logical(rect.top)),
                 QPoint(logical(rect.right) - 1, logical(rect.bottom) - 1));
}

// --- Painting --------------------------------------------------------------------------------

void CKeyboardBar::showEvent(QShowEvent* event) {
    UpdateScale();
    QWidget::showEvent(event);
}

void CKeyboardBar::paintEvent(QPaintEvent* /*event*/) {
    if (!qFuzzyCompare(devicePixelRatioF(), m_ratio))
        UpdateScale(); // moved to a screen of another density
    QPainter painter(this);
    // Work in device pixels, so that every picture pixel is exactly m_scale of them.
    painter.scale(1.0 / m_ratio, 1.0 / m_ratio);
    const int k = m_scale;
    const QRect picture(kFrame * k, kFrame * k, m_rendered.width() * k, m_rendered.height() * k);
    const QRect whole(0, 0, picture.width() + 2 * kFrame * k, picture.height() + 2 * kFrame * k);
    const QColor frame = QColor::fromRgb(kFrameColour);
    painter.fillRect(QRect(0, 0, whole.width(), picture.top()), frame);
    painter.fillRect(QRect(0, picture.bottom() + 1, whole.width(), kFrame * k), frame);
    painter.fillRect(QRect(0, picture.top(), picture.left(), picture.height()), frame);
    painter.fillRect(QRect(picture.right() + 1, picture.top(), kFrame * k, picture.height()),
                     frame);
    painter.drawImage(picture, m_rendered);

    // The focused key: its border drawn in the highlight colour.
    const auto focused = m_keys.find(m_focusKey);
    if (hasFocus() && focused != m_keys.end()) {
        const KeyboardKey& key = focused->second.rect;
        const QRect rect((key.left + kFrame) * k, (key.top + kFrame) * k,
                         (key.right - key.left) * k, (key.bottom - key.top) * k);
        const QColor colour = palette().color(QPalette::Highlight);
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), k), colour);
        painter.fillRect(QRect(rect.left(), rect.bottom() + 1 - k, rect.width(), k), colour);
        painter.fillRect(QRect(rect.left(), rect.top(), k, rect.height()), colour);
        painter.fillRect(QRect(rect.right() + 1 - k, rect.top(), k, rect.height()), colour);
    }
}

// --- Tool tips and the status bar ------------------------------------------------------------

bool CKeyboardBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (!ShowToolTip(help->pos(), help->globalPos())) {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

bool CKeyboardBar::ShowToolTip(const QPoint& point, const QPoint& globalPoint) {
    const std::uint16_t code = HitTest(point);
    if (!code)
        return false;
    m_toolTipText = ToolTipText(code);
    if (m_toolTipText.isEmpty())
        return false;
    // Centred under the key, for as long as the mouse stays on it.
    const QRect key = KeyWindowRect(code);
    const QPoint below = globalPoint - point + QPoint(key.center().x(), key.bottom() + 2);
    QToolTip::showText(below, m_toolTipText, this, key);
    return true;
}

void CKeyboardBar::ShowStatus(const QString& text) {
    // The main window shows it in its status bar, also while this window floats.
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget()) {
        if (qobject_cast<QMainWindow*>(widget)) {
            QStatusTipEvent tip(text);
            QCoreApplication::sendEvent(widget, &tip);
            return;
        }
    }
}

void CKeyboardBar::ShowFocusKey() {
    const std::uint16_t code = m_focusKey;
    ShowStatus(ToolTipText(code));
    // A screen reader reads the focused key and its state as the window's name, and what the
    // tool tip says as its description; setting them announces the change.
    static const char* const kStates[] = {QT_TR_NOOP("not bound"), QT_TR_NOOP("bound once"),
                                          QT_TR_NOOP("bound more than once")};
    const int state = KeyState(code);
    setAccessibleName(state < 0
                          ? tr("Keyboard")
                          : tr("Key %1, %2").arg(KeyName(code), tr(kStates[std::min(state, 2)])));
    setAccessibleDescription(ToolTipText(code));
}

// --- Mouse -----------------------------------------------------------------------------------

QWidget* CKeyboardBar::FloatingDock() const {
    auto* dock = qobject_cast<QDockWidget*>(parentWidget());
    return dock && dock->isFloating() ? dock : nullptr;
}

void CKeyboardBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressedCode = HitTest(event->position().toPoint());
    if (!m_pressedCode) {
        // Not on a key: the picture is a handle by which the floating window moves.
        if (QWidget* dock = FloatingDock()) {
            m_dragging = true;
            m_dragOffset = event->globalPosition().toPoint() - dock->pos();
            event->accept();
        } else {
            event->ignore();
        }
        return;
    }
    m_tracking = true;
    SetFocusKey(m_pressedCode);
    event->accept();
}

void CKeyboardBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_tracking) {
        event->accept();
        return;
    }
    QWidget* dock = FloatingDock();
    if (m_dragging && dock && (event->buttons() & Qt::LeftButton)) {
        dock->move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CKeyboardBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    if (!m_tracking) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_tracking = false;
    const std::uint16_t code = HitTest(event->position().toPoint());
    if (code == m_pressedCode && KeyState(code) > 0)
        JumpToBind(code);
    event->accept();
}

void CKeyboardBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // The second press of a double click must not jump again when it is released.
    m_tracking = false;
    const std::uint16_t code = HitTest(event->position().toPoint());
    if (code) {
        if (KeyState(code) == CKeyRect::Unbound)
            AddBind(code);
    } else if (auto* dock = qobject_cast<QDockWidget*>(parentWidget());
               dock && dock->features().testFlag(QDockWidget::DockWidgetFloatable)) {
        // Off the keys a double click docks or undocks the window, as on its title.
        dock->setFloating(!dock->isFloating());
    }
    event->accept();
}

// --- Keyboard --------------------------------------------------------------------------------

void CKeyboardBar::focusInEvent(QFocusEvent* event) {
    if (!m_keys.count(m_focusKey) && !m_keys.empty()) {
        // The top-left key first.
        const auto first = std::min_element(m_keys.begin(), m_keys.end(), [](auto& a, auto& b) {
            return std::pair(a.second.rect.top, a.second.rect.left) <
                   std::pair(b.second.rect.top, b.second.rect.left);
        });
        m_focusKey = first->first;
    }
    ShowFocusKey();
    update();
    QWidget::focusInEvent(event);
}

void CKeyboardBar::focusOutEvent(QFocusEvent* event) {
    ShowStatus(QString());
    setAccessibleName(tr("Keyboard"));
    setAccessibleDescription(QString());
    update();
    QWidget::focusOutEvent(event);
}

void CKeyboardBar::SetFocusKey(std::uint16_t code) {
    if (!m_keys.count(code))
        return;
    m_focusKey = code;
    if (hasFocus())
        ShowFocusKey();
    update();
}

// The nearest key whose centre lies in the arrow's direction; distance across the direction
// counts double, so the focus keeps to its row or column where it can.
std::uint16_t CKeyboardBar::Neighbour(std::uint16_t from, int key) const {
    const auto start = m_keys.find(from);
    if (start == m_keys.end())
        return from;
    const auto centre = [](const KeyboardKey& rect) {
        return std::pair(rect.left + rect.right, rect.top + rect.bottom); // doubled
    };
    const auto [x0, y0] = centre(start->second.rect);
    std::uint16_t best = from;
    long bestScore = 0;
    for (const auto& [code, candidate] : m_keys) {
        const auto [x, y] = centre(candidate.rect);
        long along = 0, across = 0;
        switch (key) {
        case Qt::Key_Left:
            along = x0 - x, across = std::abs(y - y0);
            break;
        case Qt::Key_Right:
            along = x - x0, across = std::abs(y - y0);
            break;
        case Qt::Key_Up:
            along = y0 - y, across = std::abs(x - x0);
            break;
        case Qt::Key_Down:
            along = y - y0, across = std::abs(x - x0);
            break;
        default:
            return from;
        }
        if (along <= 0)
            continue;
        const long score = along + 2 * across;
        if (best == from || score < bestScore) {
            best = code;
            bestScore = score;
        }
    }
    return best;
}

void CKeyboardBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        SetFocusKey(Neighbour(m_focusKey, event->key()));
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_keys.count(m_focusKey))
            break;
        ActOnKey(m_focusKey);
        event->accept();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void CKeyboardBar::ActOnKey(std::uint16_t code) {
    if (KeyState(code) > 0)
        JumpToBind(code);
    else
        AddBind(code);
}

// --- Jump and Add ----------------------------------------------------------------------------

void CKeyboardBar::JumpToBind(std::uint16_t code) {
    const std::vector<CVBind*> binds = FindBinds(code);
    if (binds.size() == 1) {
        binds.front()->SelectNode();
        return;
    }
    if (binds.empty())
        return;
    const unsigned generation = m_generation;
    CJumpToBindDlg dialog(binds, KeyName(code), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    CVBind* chosen = dialog.ChosenBind();
    if (!chosen)
        return;
    // Should the Library have changed meanwhile, the Bind must still be one of the key's.
    if (generation != m_generation) {
        const std::vector<CVBind*>& now = FindBinds(code);
        if (std::find(now.begin(), now.end(), chosen) == now.end())
            return;
    }
    chosen->SelectNode();
}

void CKeyboardBar::AddBind(std::uint16_t code) {
    if (!m_upToDate || !m_keys.count(code))
        return;
    MessageService* messages = Messages();
    if (!m_library || !m_game) {
        if (messages)
            messages->Warning(
                tr("You must select a game into which you want to add the new bind."));
        return;
    }
    if (m_game->GetModuleUseCount() == 0) {
        if (messages)
            messages->Warning(
                tr("The game %1 uses no modules.").arg(FromModelText(m_game->GetGameName())));
        return;
    }
    std::vector<CVConfig*> modules;
    for (int row = 0; row < m_library->GetModuleCount(); ++row)
        if (m_game->UsesModule(*m_library->GetModule(row)))
            modules.push_back(m_library->GetModule(row));

    CVantorDoc* library = m_library;
    const unsigned generation = m_generation;
    CAddBindDlg dialog(modules, KeyName(code), window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    CVConfig* module = dialog.ChosenModule();
    if (!module)
        return;
    // Should the Library have changed meanwhile, the Module must still be one of it.
    if (generation != m_generation &&
        (!m_upToDate || m_library != library || library->GetModuleRow(*module) < 0))
        return;

    auto bind = std::make_unique<CVBind>();
    bind->SetKey(code);
    const std::optional<InsertPoint> where = module->GetInsertPoint(InsertNew, TypeBind);
    if (!where || !where->parent)
        return;
    CVBind* added = bind.get();
    where->parent->InsertChildAfter(std::move(bind), where->after);
    library->KeyboardOutOfDate();
    added->SelectNode();
}

} // namespace vantor
