#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace vantor::test {

/// A stand-in for the desktop's opener, first on PATH while it lives: `xdg-open PAGE` records
/// PAGE (written whole, then renamed into place, so a reader never sees half of it).
class StandInOpener {
public:
    StandInOpener() : m_oldPath(qgetenv("PATH")) {
        const QString record = Record();
        QFile opener(m_bin.filePath(QStringLiteral("xdg-open")));
        if (!opener.open(QIODevice::WriteOnly))
            return;
        opener.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + record + ".part' && mv '" + record +
                      ".part' '" + record + "'\n")
                         .toUtf8());
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
        m_valid = true;
    }
    ~StandInOpener() { qputenv("PATH", m_oldPath); }
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    bool IsValid() const { return m_valid; }
    /// Waits until the opener was asked to open a page; answers the page, or an empty text.
    QString WaitForPage(int milliseconds = 10000) const {
        if (!QTest::qWaitFor([this] { return QFile::exists(Record()); }, milliseconds))
            return {};
        QFile record(Record());
        return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()) : QString();
    }
    /// Forgets the page recorded, so that the next one can be waited for.
    void Forget() const { QFile::remove(Record()); }

private:
    QString Record() const { return m_bin.filePath(QStringLiteral("opened.txt")); }

    QTemporaryDir m_bin;
    QByteArray m_oldPath;
    bool m_valid = false;
};

} // namespace vantor::test
