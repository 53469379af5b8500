#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace vantor {

/// The frame of the two dialogs the Keyboard window opens: the key's name, a line of text,
/// a list of Modules (row 0 selected at first) and two buttons. OK or a double click on a row
/// closes the dialog with that row chosen; OK without a selected row chooses nothing.
class CKeyChoiceDlg : public QDialog {
    Q_OBJECT
public:
    QListWidget* List() const { return m_list; }
    /// The row chosen when the dialog closed with OK, or -1.
    int ChosenRow() const { return m_chosen; }

protected:
    CKeyChoiceDlg(const QString& caption, const QString& keyName, const QString& text,
                  const QString& okText, QWidget* parent);
    /// Fills the list, each row with the Module icon, and selects row 0.
    void SetRows(const QStringList& rows);

private:
    void Choose();

    QListWidget* m_list;
    int m_chosen = -1;
};

} // namespace vantor
