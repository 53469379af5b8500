#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;

namespace vantor {

/// The "Library Properties" dialog: the game engine folder (chosen only with Browse) and
/// the switch that writes every Game's script when the Library is saved. The caller fills it,
/// runs it and copies both values back only when it was accepted. "Import Defs..." imports a
/// definitions file into the Library at once; Cancel does not undo that.
class CLibraryPropDlg : public QDialog {
    Q_OBJECT
public:
    /// `chooseFolder` asks for a folder, starting at the one given; empty when cancelled.
    /// `importDefinitions` runs the Library's definition import.
    CLibraryPropDlg(std::function<QString(const QString&)> chooseFolder,
                    std::function<void()> importDefinitions, QWidget* parent = nullptr);

    void SetEngineFolder(const QString& folder);
    QString EngineFolder() const;
    void SetWriteAllScripts(bool on);
    bool WriteAllScripts() const;

private:
    void Browse();

    std::function<QString(const QString&)> m_chooseFolder;
    QLineEdit* m_folder;
    QCheckBox* m_writeAll;
};

} // namespace vantor
