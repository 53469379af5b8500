#include "ui/dialogs/CLibraryWizard.h"

#include "app/MessageService.h"
#include "resources/StringIds.h"
#include "ui/frame/AccessibleName.h"
#include "ui/frame/ModelText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantor {
namespace {

QLabel* Note(const QString& text, QWidget* parent) {
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

QPushButton* BrowseButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(QObject::tr("&Browse..."), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QListWidget* CheckList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void AddCheckItem(QListWidget& list, const QString& text, const QIcon& icon) {
    auto* item = new QListWidgetItem(icon, text, &list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

QStringList CheckedTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->checkState() == Qt::Checked)
            texts.append(list.item(i)->text());
    return texts;
}

} // namespace

// --- Step 1 ----------------------------------------------------------------------------------

CLibWizPage1::CLibWizPage1(MessageService& messages, QWidget* parent)
    : QWizardPage(parent), m_messages(messages), m_file(new QLineEdit(this)),
      m_folder(new QLineEdit(this)) {
    setObjectName(QStringLiteral("wizardStep1"));
    setTitle(tr("Library Wizard (Step 1 of 3)"));
    m_file->setObjectName(QStringLiteral("libraryFile"));
    m_file->setReadOnly(true);
    m_folder->setObjectName(QStringLiteral("engineFolder"));
    m_folder->setReadOnly(true);
    auto* browseFile = BrowseButton("browseFile", this);
    auto* browseFolder = BrowseButton("browseFolder", this);
    connect(browseFile, &QPushButton::clicked, this, &CLibWizPage1::BrowseFile);
    connect(browseFolder, &QPushButton::clicked, this, &CLibWizPage1::BrowseFolder);
    connect(m_folder, &QLineEdit::textChanged, this, [this] { m_folderChanged = true; });

    auto* layout = new QGridLayout(this);
    auto* fileLabel = new QLabel(tr("New Library Filename:"), this);
    fileLabel->setBuddy(m_file);
    layout->addWidget(fileLabel, 0, 0, 1, 2);
    layout->addWidget(m_file, 1, 0);
    layout->addWidget(browseFile, 1, 1);
    layout->addWidget(Note(tr("This is the name of the library file. Typically it will be in "
                              "the game engine folder (below)."),
                           this),
                      2, 0, 1, 2);
    layout->setRowMinimumHeight(3, 12);
    auto* folderLabel = new QLabel(tr("Game Engine Folder:"), this);
    folderLabel->setBuddy(m_folder);
    layout->addWidget(folderLabel, 4, 0, 1, 2);
    layout->addWidget(m_folder, 5, 0);
    layout->addWidget(browseFolder, 5, 1);
    layout->addWidget(
        Note(tr("This is the folder where the game is located on your computer."), this), 6, 0, 1,
        2);
    layout->setRowStretch(7, 1);
}

QString CLibWizPage1::LibraryFile() const {
    return m_file->text();
}

QString CLibWizPage1::EngineFolder() const {
    return m_folder->text();
}

bool CLibWizPage1::isComplete() const {
    return !m_file->text().isEmpty();
}

// The dialog names the file without asking about an existing one: the Library replaces it.
void CLibWizPage1::BrowseFile() {
    QString start = m_file->text();
    if (start.isEmpty() && !m_folder->text().isEmpty())
        start = m_folder->text();
    const QString path = m_messages.SaveFileName(LoadText(IDS_SAVE_LIBRARY_TITLE), start,
                                                 FileDialogFilter(IDS_LIBRARY_FILTER),
                                                 LoadText(IDS_LIBRARY_EXTENSION), false);
    if (path.isEmpty())
        return;
    m_file->setText(QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(path)));
    emit completeChanged();
}

void CLibWizPage1::BrowseFolder() {
    QString start = m_folder->text();
    if (start.isEmpty()) {
        const QString file = m_file->text();
        const qsizetype slash = file.lastIndexOf(QLatin1Char('/'));
        if (slash > 0)
            start = file.left(slash);
    }
    const QString folder = m_messages.ChooseFolder(LoadText(IDS_BROWSE_ENGINE_FOLDER), start);
    if (folder.isEmpty())
        return;
    m_folder->setText(folder);
    m_folderChanged = true;
}

bool CLibWizPage1::validatePage() {
    if (m_folderChanged) {
        if (auto* wizard = qobject_cast<CLibraryWizard*>(this->wizard()))
            wizard->Page2().SetPendingFolder(m_folder->text());
        m_folderChanged = false;
    }
    return true;
}

// --- Step 2 ----------------------------------------------------------------------------------

CLibWizPage2::CLibWizPage2(QWidget* parent)
    : QWizardPage(parent), m_games(CheckList("games", this)),
      m_autoexec(new QRadioButton(tr("&AUTOEXEC.CFG"), this)),
      m_vantor(new QRadioButton(tr("&VANTOR.CFG"), this)),
      m_execLine(new QCheckBox(tr("&Add \"EXEC VANTOR.CFG\" to AUTOEXEC.CFG"), this)) {
    setObjectName(QStringLiteral("wizardStep2"));
    setTitle(tr("Library Wizard (Step 2 of 3)"));
    m_autoexec->setObjectName(QStringLiteral("autoexec"));
    m_vantor->setObjectName(QStringLiteral("vantorCfg"));
    m_execLine->setObjectName(QStringLiteral("execLine"));
    // No choice until the caller presets one.
    auto* group = new QButtonGroup(this);
    group->addButton(m_autoexec, 0);
    group->addButton(m_vantor, 1);
    connect(m_autoexec, &QRadioButton::clicked, this, [this] { m_execLine->setEnabled(false); });
    connect(m_vantor, &QRadioButton::clicked, this, [this] { m_execLine->setEnabled(true); });

    auto* label = new QLabel(tr("Choose existing &Games to add to this library:"), this);
    label->setBuddy(m_games);
    NameAfterCaption(m_games, label->text());
    auto* scriptFile = new QGroupBox(tr("Script File"), this);
    scriptFile->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* radios = new QVBoxLayout(scriptFile);
    radios->addWidget(m_autoexec);
    radios->addWidget(m_vantor);
    radios->addWidget(m_execLine);
    radios->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_games, 1, 0);
    layout->addWidget(scriptFile, 1, 1);
    layout->setColumnStretch(0, 1);
}

void CLibWizPage2::SetScriptChoice(int choice) {
    m_autoexec->setChecked(choice == 0);
    m_vantor->setChecked(choice == 1);
    // The EXEC line only goes with VANTOR.CFG: the box says so from the start.
    m_execLine->setEnabled(choice != 0);
}

int CLibWizPage2::ScriptChoice() const {
    if (m_autoexec->isChecked())
        return 0;
    return m_vantor->isChecked() ? 1 : -1;
}

void CLibWizPage2::SetExecLine(bool on) {
    m_execLine->setChecked(on);
}

bool CLibWizPage2::ExecLine() const {
    return m_execLine->isChecked();
}

QStringList CLibWizPage2::CheckedGames() const {
    return CheckedTexts(*m_games);
}

void CLibWizPage2::initializePage() {
    if (m_pendingFolder.isEmpty())
        return;
    Refill(m_pendingFolder);
    m_pendingFolder.clear();
}

// The folder's sub-folders, by name; hidden ones (".", "..", ".cache") are no game folders.
// Blanks around the folder are dropped, as they are from the script paths built from it.
void CLibWizPage2::Refill(const QString& pending) {
    m_games->clear();
    const QString folder = pending.trimmed();
    if (folder.isEmpty())
        return;
    const QIcon icon(QStringLiteral(":/icons/new-game.png"));
    const QStringList names =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        AddCheckItem(*m_games, name, icon);
}

// --- Step 3 ----------------------------------------------------------------------------------

CLibWizPage3::CLibWizPage3(QString exampleFolder, QWidget* parent)
    : QWizardPage(parent), m_exampleFolder(std::move(exampleFolder)),
      m_modules(CheckList("modules", this)) {
    setObjectName(QStringLiteral("wizardStep3"));
    setTitle(tr("Library Wizard (Step 3 of 3)"));
    auto* label = new QLabel(tr("Chose standard Modules to include in Library:"), this);
    label->setBuddy(m_modules);
    NameAfterCaption(m_modules, label->text());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_modules);
}

QStringList CLibWizPage3::CheckedModules() const {
    return CheckedTexts(*m_modules);
}

// Built once, when the page first comes up: the Module files of the example folder (any case
// of ".vtm"; hidden and system files left out), each under its name without the extension.
void CLibWizPage3::initializePage() {
    if (m_filled)
        return;
    m_filled = true;
    m_modules->clear();
    if (m_exampleFolder.isEmpty())
        return;
    const QIcon icon(QStringLiteral(":/icons/new-module.png"));
    const QString pattern = QLatin1Char('*') + LoadText(IDS_MODULE_EXTENSIONS);
    const QFileInfoList files =
        QDir(m_exampleFolder).entryInfoList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files)
        AddCheckItem(*m_modules, file.completeBaseName(), icon);
}

// --- The wizard ------------------------------------------------------------------------------

CLibraryWizard::CLibraryWizard(MessageService& messages, const QString& exampleFolder,
                               QWidget* parent)
    : QWizard(parent), m_page1(*new CLibWizPage1(messages)), m_page2(*new CLibWizPage2),
      m_page3(*new CLibWizPage3(exampleFolder)) {
    setObjectName(QStringLiteral("libraryWizard"));
    setWindowTitle(LoadText(IDS_WIZARD_CAPTION));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    addPage(&m_page1);
    addPage(&m_page2);
    addPage(&m_page3);
}

void CLibraryWizard::CollectResults() {
    m_results.libraryFile = m_page1.LibraryFile();
    m_results.engineFolder = m_page1.EngineFolder();
    if (m_results.engineFolder.size() > 1 && m_results.engineFolder.endsWith(QLatin1Char('/')))
        m_results.engineFolder.chop(1);
    m_results.games = m_page2.CheckedGames();
    m_results.modules = m_page3.CheckedModules();
    m_results.scriptChoice = m_page2.ScriptChoice();
    m_results.execLine = m_page2.ExecLine();
}

void CLibraryWizard::accept() {
    CollectResults();
    QWizard::accept();
}

} // namespace vantor
