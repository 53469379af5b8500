#pragma once

#include "document/CommandOffers.h"
#include "ui/pages/CObjectPage.h"

#include <cstdint>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace vantor {

class CCmdFrag;
class CVantorDoc;
class CVConfig;
class OfferedNamesModel;
class Spinner;

/// The page of a command fragment: the command name, in a box that offers the commands the
/// Library knows there, and one parameter control chosen by the parameter type (nothing,
/// three switch buttons, a number field with a spinner or a slider, or a text field). Every
/// change goes into the fragment at once or when its field loses the focus. Nothing here
/// marks the Library modified.
class CCommandPage : public CObjectPage {
    Q_OBJECT
public:
    explicit CCommandPage(QWidget* parent = nullptr);
    ~CCommandPage() override;

    void LoadFromObject() override;
    void SaveToObject() override;

private:
    CCmdFrag* Fragment() const;
    /// The Library and the row of the Module that hold the fragment (null, -1: none).
    CVantorDoc* Library(int& moduleRow) const;
    void ApplyCommand(const QString& text);
    /// Fills the command box's list, if it is not filled for the current fragment yet.
    void FillList();
    void LayOut();
    void CommitNumber();
    void CommitText();
    void SwitchClicked(int state);
    void PlaceThumb();
    void SliderValueChanged(int position);
    void WriteSliderValue(bool endOfScroll);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QComboBox* m_commandBox;
    OfferedNamesModel* m_offered;
    QLabel* m_paramLabel;
    QLineEdit* m_number;
    Spinner* m_spinner;
    QSlider* m_slider;
    QLineEdit* m_text;
    QButtonGroup* m_switches;
    QPushButton* m_on;
    QPushButton* m_off;
    QPushButton* m_third;
    QTimer* m_indexStep; // builds the offers index in idle steps
    struct ListKey {
        const CVantorDoc* library = nullptr;
        std::uint64_t revision = 0;
        int moduleRow = -1;
        bool operator==(const ListKey&) const = default;
    };

    CommandOffers m_offers;
    ListKey m_listKey;         // what the list in the command box was made for
    bool m_listFilled = false; // the list holds the names for m_listKey
    bool m_typed = false;      // the user typed in the box since the fragment was shown
    float m_sliderStep = 0;
    bool m_sliderAction = false; // a user's slider action whose value change is under way
    bool m_leavingBox = false;   // the box's own matching as the user leaves it or hits Enter
};

} // namespace vantor
