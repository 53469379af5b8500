#pragma once

#include <QDialog>

namespace vantor {

/// The "About Vantor" box: the program icon, the version line, the maker's notice and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace vantor
