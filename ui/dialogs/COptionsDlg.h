#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vantor {

/// The values the Options dialog edits.
struct OptionsValues {
    QString author;
    bool verifyDeletions = true;
    bool rememberOpenLibraries = true;
    bool showPaneHeaders = true;

    bool operator==(const OptionsValues&) const = default;
};

/// The "Vantor Options" dialog. It only collects the answer: the caller fills it, runs it and
/// applies Values() when it was accepted.
class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    /// Longest default author the dialog accepts.
    static constexpr int kMaxAuthorLength = 40;

    explicit COptionsDlg(QWidget* parent = nullptr);

    void SetValues(const OptionsValues& values);
    OptionsValues Values() const;

private:
    QLineEdit* m_author;
    QCheckBox* m_verifyDeletions;
    QCheckBox* m_rememberOpenLibraries;
    QCheckBox* m_showPaneHeaders;
};

} // namespace vantor
