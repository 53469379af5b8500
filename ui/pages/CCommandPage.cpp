#include "ui/pages/CCommandPage.h"

#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CMTObj.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/ModelCodes.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/AccessibleName.h"
#include "ui/frame/ModelText.h"

#include <QAbstractListModel>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vantor {

namespace {

constexpr int kMaxCommand = 40;
constexpr int kSliderSteps = 100;

} // namespace

/// The command box's list: the offered names, already sorted. Holds copies of the names, so
/// that nothing it shows can outlive its object; all of them in one block of text, so that a
/// list of a million names is one allocation to make and to free.
class OfferedNamesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void SetNames(const std::vector<const CVCommand*>& commands) {
        beginResetModel();
        m_text.clear();
        m_ends.clear();
        std::size_t length = 0;
        for (const CVCommand* command : commands)
            length += command->GetName().size();
        m_text.reserve(length);
        m_ends.reserve(commands.size());
        for (const CVCommand* command : commands) {
            m_text += command->GetName();
            m_ends.push_back(m_text.size());
        }
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_ends.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= static_cast<int>(m_ends.size()) ||
            (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        const auto row = static_cast<std::size_t>(index.row());
        const std::size_t begin = row == 0 ? 0 : m_ends[row - 1];
        return FromModelText(std::string_view(m_text).substr(begin, m_ends[row] - begin));
    }

private:
    std::string m_text;              // the names one after the other
    std::vector<std::size_t> m_ends; // where each name ends in m_text
};

/// The command box. Its list is filled only when the user comes to need it: before it opens,
/// before the arrow keys or the wheel step through it. Showing a fragment of a Library of
/// a million objects then sorts no names.
class OfferBox : public QComboBox {
public:
    explicit OfferBox(std::function<void()> fillList) : m_fillList(std::move(fillList)) {}

    void showPopup() override {
        m_fillList();
        QComboBox::showPopup();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            m_fillList();
            break;
        default:
            break;
        }
        QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        m_fillList();
        QComboBox::wheelEvent(event);
    }

private:
    std::function<void()> m_fillList;
};

/// The up-down buttons at the number field's right edge: each step writes the field's value
/// plus or minus one as an integer, wrapping from one end of the range to the other. The
/// arrow keys in the field step too. The buttons never take the focus from the field.
class Spinner : public QWidget {
public:
    explicit Spinner(QLineEdit* field) : m_field(field) {
        setObjectName(QStringLiteral("spinner"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        // Two half-height buttons beside the field, as tall as the field together.
        const int height = field->sizeHint().height();
        setFixedHeight(height);
        for (bool up : {true, false}) {
            auto* button = new QToolButton;
            button->setObjectName(up ? QStringLiteral("spinUp") : QStringLiteral("spinDown"));
            button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            button->setAccessibleName(up ? tr("Step up") : tr("Step down"));
            button->setFocusPolicy(Qt::NoFocus);
            button->setAutoRepeat(true);
            button->setFixedSize(field->fontMetrics().averageCharWidth() * 2 + 6,
                                 up ? height / 2 : height - height / 2);
            connect(button, &QToolButton::clicked, this, [this, up] { Step(up ? 1 : -1); });
            layout->addWidget(button);
        }
        field->installEventFilter(this);
    }

    void SetRange(int minimum, int maximum) {
        m_min = minimum;
        m_max = maximum;
    }

    void Step(int delta) {
        if (!isEnabled() || !isVisible())
            return;
        std::int32_t value = m_min;
        if (ScanInt(ToModelText(m_field->text()), value) != ScanResult::Ok)
            value = m_min;
        long long next = static_cast<long long>(value) + delta;
        if (next > m_max)
            next = m_min;
        else if (next < m_min)
            next = m_max;
        m_field->setText(QString::number(next));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_field && event->type() == QEvent::KeyPress && isEnabled() && isVisible()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    QLineEdit* m_field;
    int m_min = 0;
    int m_max = 0;
};

CCommandPage::CCommandPage(QWidget* parent)
    : CObjectPage(parent), m_commandBox(new OfferBox([this] { FillList(); })),
      m_offered(new OfferedNamesModel(this)), m_paramLabel(new QLabel(tr("&Param:"))),
      m_number(new QLineEdit), m_spinner(new Spinner(m_number)),
      m_slider(new QSlider(Qt::Horizontal)), m_text(new QLineEdit),
      m_switches(new QButtonGroup(this)), m_on(new QPushButton(tr("O&N (+)"))),
      m_off(new QPushButton(tr("O&FF (-)"))), m_third(new QPushButton(tr("&Toggle"))),
      m_indexStep(new QTimer(this)) {
    setObjectName(QStringLiteral("commandPage"));
    m_commandBox->setObjectName(QStringLiteral("commandBox"));
    m_paramLabel->setObjectName(QStringLiteral("paramLabel"));
    m_number->setObjectName(QStringLiteral("numberField"));
    m_slider->setObjectName(QStringLiteral("slider"));
    m_text->setObjectName(QStringLiteral("textField"));
    m_on->setObjectName(QStringLiteral("switchOn"));
    m_off->setObjectName(QStringLiteral("switchOff"));
    m_third->setObjectName(QStringLiteral("switchThird"));

    // The box offers names but does not complete them: what the user types is applied as
    // typed, keystroke by keystroke.
    m_commandBox->setEditable(true);
    m_commandBox->setInsertPolicy(QComboBox::NoInsert);
    m_commandBox->setCompleter(nullptr);
    m_commandBox->setModel(m_offered);
    m_commandBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_commandBox->setMinimumContentsLength(16);
    m_commandBox->lineEdit()->setMaxLength(kMaxCommand);
    if (auto* list = qobject_cast<QListView*>(m_commandBox->view()))
        list->setUniformItemSizes(true); // the list may hold very many names
    auto* commandLabel = new QLabel(tr("&Command:"));
    commandLabel->setBuddy(m_commandBox);
    NameAfterCaption(m_commandBox->lineEdit(), commandLabel->text());

    m_slider->setRange(0, kSliderSteps);
    m_slider->setTickInterval(10);
    m_slider->setTickPosition(QSlider::TicksAbove);
    m_slider->setPageStep(10);
    const int charWidth = fontMetrics().averageCharWidth();
    m_number->setFixedWidth(
        m_number->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000000")) + charWidth * 2);
    m_slider->setMinimumWidth(charWidth * 18);

    int state = CCmdFrag::StateOn;
    for (QPushButton* button : {m_on, m_off, m_third}) {
        button->setCheckable(true);
        m_switches->addButton(button, state++);
    }
    m_switches->setExclusive(true);

    // The parameter controls share one row; only those of the fragment's type are shown.
    auto* params = new QGridLayout;
    params->setContentsMargins(0, 0, 0, 0);
    params->setHorizontalSpacing(0);
    params->addWidget(m_number, 0, 0);
    params->addWidget(m_spinner, 0, 1);
    params->addItem(new QSpacerItem(charWidth * 2, 0, QSizePolicy::Fixed), 0, 2);
    params->addWidget(m_slider, 0, 3);
    params->addWidget(m_text, 0, 0, 1, 4);
    auto* switches = new QHBoxLayout;
    switches->addWidget(m_on);
    switches->addWidget(m_off);
    switches->addWidget(m_third);
    params->addLayout(switches, 0, 0, 1, 4);
    params->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(commandLabel);
    layout->addWidget(m_commandBox);
    layout->addWidget(m_paramLabel);
    layout->addLayout(params);
    layout->addStretch(1);

    setFocusProxy(m_commandBox);
    WatchField(m_commandBox->lineEdit());
    WatchField(m_number, [this] { CommitNumber(); });
    WatchField(m_text, [this] { CommitText(); });
    for (QWidget* control : {static_cast<QWidget*>(m_slider), static_cast<QWidget*>(m_on),
                             static_cast<QWidget*>(m_off), static_cast<QWidget*>(m_third)})
        WatchField(control);

    connect(m_commandBox->lineEdit(), &QLineEdit::textEdited, this, &CCommandPage::ApplyCommand);
    connect(m_commandBox, &QComboBox::activated, this, [this](int index) {
        if (!m_leavingBox)
            ApplyCommand(m_commandBox->itemText(index));
    });
    m_indexStep->setSingleShot(true);
    m_indexStep->setInterval(0);
    connect(m_indexStep, &QTimer::timeout, this, [this] {
        int moduleRow = -1;
        if (CVantorDoc* library = Library(moduleRow); library && !m_offers.Update(*library, 1))
            m_indexStep->start();
    });
    connect(m_switches, &QButtonGroup::idClicked, this, &CCommandPage::SwitchClicked);
    connect(m_slider, &QSlider::actionTriggered, this, [this] { m_sliderAction = true; });
    connect(m_slider, &QSlider::valueChanged, this, &CCommandPage::SliderValueChanged);
    connect(m_slider, &QSlider::sliderReleased, this, [this] { WriteSliderValue(true); });
}

CCommandPage::~CCommandPage() = default;

// Leaving the box, or Enter in it, makes the box pick the entry that matches its text and
// report it as chosen. That is no choice of the user's: applying it would reset the
// parameter. Only entries chosen from the list, with the mouse or the arrow keys, count.
bool CCommandPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_commandBox->lineEdit()) {
        const bool leaving = event->type() == QEvent::FocusOut;
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (enter || (leaving && m_typed)) {
            // The box matches the text against its list: the list must be there.
            FillList();
        }
        if (leaving || enter) {
            m_leavingBox = true;
            QTimer::singleShot(0, this, [this] { m_leavingBox = false; });
        }
    }
    return CObjectPage::eventFilter(watched, event);
}

CCmdFrag* CCommandPage::Fragment() const {
    return dynamic_cast<CCmdFrag*>(Object());
}

CVantorDoc* CCommandPage::Library(int& moduleRow) const {
    moduleRow = -1;
    CCmdFrag* fragment = Fragment();
    CMTObj* owner = fragment ? fragment->GetOwner() : nullptr;
    CVConfig* module = owner ? owner->GetModule() : nullptr;
    auto* library = module ? dynamic_cast<CVantorDoc*>(module->GetLibrary()) : nullptr;
    if (library)
        moduleRow = library->GetModuleRow(*module);
    return moduleRow < 0 ? nullptr : library;
}

void CCommandPage::LoadFromObject() {
    CCmdFrag* fragment = Fragment();
    if (!fragment)
        return;
    int moduleRow = -1;
    CVantorDoc* library = Library(moduleRow);
    // The list is emptied, to be made again when it is needed, only when the Library changed
    // or the fragment is in another Module than the one the list was made for.
    const ListKey key{library, library ? library->GetRevision() : 0, moduleRow};
    if (!(key == m_listKey)) {
        if (!library)
            m_offers.Clear();
        m_offered->SetNames({});
        m_listKey = key;
        m_listFilled = false;
    }
    m_typed = false;
    // The index is brought up to date in idle steps, one Module at a time, so that the first
    // keystroke finds it ready without the page ever waiting for a whole big Library.
    if (library)
        m_indexStep->start();
    // Showing the fragment's name is not an edit: nothing is applied.
    m_commandBox->setCurrentIndex(-1);
    m_commandBox->setEditText(FromModelText(fragment->GetCommand()));
    LayOut();
}

void CCommandPage::FillList() {
    if (m_listFilled)
        return;
    m_listFilled = true;
    int moduleRow = -1;
    CVantorDoc* library = Library(moduleRow);
    if (!library)
        return;
    m_offers.Update(*library);
    // Filling the list clears the box's text: what the user sees and typed stays as it was.
    QLineEdit* edit = m_commandBox->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const bool modified = edit->isModified();
    m_offered->SetNames(m_offers.Offered(moduleRow));
    m_commandBox->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
    edit->setModified(modified);
}

void CCommandPage::SaveToObject() {
    // The index and the list stay for the next fragment: both are checked against the
    // Library's revision before they are used again.
    CommitNumber();
    CommitText();
}

void CCommandPage::ApplyCommand(const QString& text) {
    CCmdFrag* fragment = Fragment();
    if (!fragment)
        return;
    m_typed = true;
    const CVCommand* command = nullptr;
    int moduleRow = -1;
    if (CVantorDoc* library = Library(moduleRow)) {
        m_offers.Update(*library);
        command = m_offers.Find(ToModelText(text), moduleRow);
    }
    if (command) {
        fragment->CopyFromDefinition(*command);
        fragment->UpdateText();
        LayOut();
        return;
    }
    fragment->SetParamType(ParamUserDefined);
    const int refusal = fragment->SetCommand(ToModelText(m_commandBox->currentText()));
    fragment->UpdateText();
    LayOut();
    if (refusal)
        ShowRefusal(refusal);
}

void CCommandPage::LayOut() {
    CCmdFrag* fragment = Fragment();
    if (!fragment)
        return;
    const int type = fragment->GetParamType();
    if (type < ParamUnset || type > ParamUserDefined)
        return;
    const bool switches = type == ParamAction || type == ParamToggle;
    const bool number = type == ParamInteger || type == ParamReal;
    const bool slider = type == ParamReal && fragment->GetUseSlider();
    const bool text = type >= ParamString;

    setUpdatesEnabled(false);
    // A focused control about to be hidden hands the focus to the command box; left to Qt, it
    // would go to the next widget of the window, another pane, which then becomes active.
    const std::pair<QWidget*, bool> shown[] = {{m_on, switches},    {m_off, switches},
                                               {m_third, switches}, {m_number, number},
                                               {m_slider, slider},  {m_text, text}};
    for (const auto& [control, stays] : shown)
        if (!stays && control->hasFocus())
            m_commandBox->setFocus(Qt::OtherFocusReason);
    m_paramLabel->setVisible(number || text);
    m_on->setVisible(switches);
    m_off->setVisible(switches);
    m_third->setVisible(switches);
    m_number->setVisible(number);
    m_spinner->setVisible(type == ParamInteger);
    m_slider->setVisible(slider);
    m_text->setVisible(text);

    switch (type) {
    case ParamAction:
    case ParamToggle: {
        m_third->setText(type == ParamAction ? tr("&Toggle") : tr("Repor&t Value"));
        if (QAbstractButton* checked = m_switches->button(fragment->GetState()))
            checked->setChecked(true);
        break;
    }
    case ParamInteger: {
        m_paramLabel->setText(FromModelText(LoadString(IDS_LABEL_INTEGER)));
        m_paramLabel->setBuddy(m_number);
        m_number->setText(FromModelText(fragment->GetParam()));
        const int min = fragment->GetIntMin();
        const int max = fragment->GetIntMax();
        const bool usable = min >= -32767 && min <= max && max - min <= 32767;
        m_spinner->SetRange(min, max);
        m_spinner->setEnabled(usable);
        break;
    }
    case ParamReal:
        m_paramLabel->setText(FromModelText(LoadString(IDS_LABEL_REAL)));
        m_paramLabel->setBuddy(m_number);
        m_number->setText(FromModelText(fragment->GetParam()));
        if (slider) {
            m_slider->setEnabled(fragment->GetRealMin() < fragment->GetRealMax());
            m_sliderStep = (fragment->GetRealMax() - fragment->GetRealMin()) /
                           static_cast<float>(kSliderSteps);
            PlaceThumb();
        }
        break;
    case ParamString:
    case ParamUser:
    case ParamUserDefined:
        m_paramLabel->setText(FromModelText(
            LoadString(type == ParamString ? IDS_LABEL_STRING : IDS_LABEL_PARAMETERS)));
        m_paramLabel->setBuddy(m_text);
        m_text->setText(FromModelText(fragment->GetParam()));
        break;
    default:
        break;
    }
    setUpdatesEnabled(true);
}

void CCommandPage::CommitNumber() {
    CCmdFrag* fragment = Fragment();
    if (!fragment)
        return;
    const int type = fragment->GetParamType();
    if (type != ParamInteger && type != ParamReal)
        return;
    if (const int refusal = fragment->SetParam(ToModelText(m_number->text()))) {
        m_number->setText(FromModelText(fragment->GetParam()));
        ShowRefusal(refusal);
        return;
    }
    if (type == ParamReal && fragment->GetUseSlider())
        PlaceThumb();
    fragment->UpdateText();
}

void CCommandPage::CommitText() {
    CCmdFrag* fragment = Fragment();
    if (!fragment || fragment->GetParamType() < ParamString)
        return;
    if (const int refusal = fragment->SetParam(ToModelText(m_text->text()))) {
        m_text->setText(FromModelText(fragment->GetParam()));
        ShowRefusal(refusal);
        return;
    }
    fragment->UpdateText();
}

void CCommandPage::SwitchClicked(int state) {
    if (CCmdFrag* fragment = Fragment()) {
        fragment->SetState(state);
        fragment->UpdateText();
    }
}

// The thumb shows the parameter: trunc((value - min) / step), kept within the slider; with
// an empty range (step 0) it stays at 0.
void CCommandPage::PlaceThumb() {
    CCmdFrag* fragment = Fragment();
    if (!fragment)
        return;
    const double min = fragment->GetRealMin();
    float value = fragment->GetRealMin();
    fragment->GetRealParam(value);
    double position = 0;
    if (m_sliderStep != 0) {
        position = std::trunc((static_cast<double>(value) - min) / m_sliderStep);
        if (!std::isfinite(position))
            position = 0;
    }
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(static_cast<int>(std::clamp(position, 0.0, double(kSliderSteps))));
}

// Dragging writes every position; a step by key, click or wheel is written as it ends.
void CCommandPage::SliderValueChanged(int /*position*/) {
    const bool action = m_sliderAction;
    m_sliderAction = false;
    if (m_slider->isSliderDown())
        WriteSliderValue(false);
    else if (action)
        WriteSliderValue(true);
}

void CCommandPage::WriteSliderValue(bool endOfScroll) {
    CCmdFrag* fragment = Fragment();
    if (!fragment || fragment->GetParamType() != ParamReal)
        return;
    const double value = m_slider->value() * static_cast<double>(m_sliderStep) +
                         static_cast<double>(fragment->GetRealMin());
    const std::string text = FormatFixed6(value);
    m_number->setText(FromModelText(text));
    fragment->SetParam(text); // a refused value leaves the parameter as it was
    if (endOfScroll)
        fragment->UpdateText();
}

} // namespace vantor
