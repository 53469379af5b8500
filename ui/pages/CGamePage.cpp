#include "ui/pages/CGamePage.h"

#include "model/CScript.h"
#include "ui/frame/ModelText.h"
#include "ui/pages/PageLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor {
namespace {

constexpr int kMaxName = 40;
constexpr int kMaxPath = 259;

} // namespace

CGamePage::CGamePage(QWidget* parent)
    : CObjectPage(parent), m_name(NewLineEdit("gameName", kMaxName)),
      m_scriptFile(NewLineEdit("scriptFile")),
      m_browseButton(new QPushButton(tr("&Browse for Script..."))),
      m_saveWithLibrary(new QCheckBox(tr("Save script when Library is saved"))) {
    setObjectName(QStringLiteral("gamePage"));
    m_browseButton->setObjectName(QStringLiteral("browseForScript"));
    m_saveWithLibrary->setObjectName(QStringLiteral("saveWithLibrary"));

    auto* nameLabel = new QLabel(tr("Game name:"));
    nameLabel->setBuddy(m_name);
    auto* fileLabel = new QLabel(tr("&Script file:"));
    fileLabel->setBuddy(m_scriptFile);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(fileLabel);
    layout->addWidget(m_scriptFile);
    layout->addWidget(m_browseButton, 0, Qt::AlignLeft);
    layout->addWidget(m_saveWithLibrary);
    layout->addStretch(1);
    // The script path is long: the field is wider than the name needs.
    m_scriptFile->setMinimumWidth(m_scriptFile->fontMetrics().averageCharWidth() * 40);

    setFocusProxy(m_name);
    WatchField(m_name, [this] { CommitName(); });
    WatchField(m_scriptFile, [this] { CommitScriptFile(); });
    WatchField(m_browseButton);
    WatchField(m_saveWithLibrary);
    connect(m_browseButton, &QPushButton::clicked, this, &CGamePage::Browse);
    connect(m_saveWithLibrary, &QCheckBox::clicked, this, [this](bool checked) {
        if (CScript* game = Game())
            game->SetSaveWithLibrary(checked);
    });
}

CScript* CGamePage::Game() const {
    return dynamic_cast<CScript*>(Object());
}

void CGamePage::LoadFromObject() {
    if (CScript* game = Game()) {
        m_scriptFile->setText(FromModelText(game->GetScriptFile()));
        m_scriptFile->setCursorPosition(0); // the start of a long path says most
        m_name->setText(FromModelText(game->GetGameName()));
        m_saveWithLibrary->setChecked(game->GetSaveWithLibrary());
    }
}

void CGamePage::SaveToObject() {
    CommitName();
    CommitScriptFile();
}

void CGamePage::RefreshFromObject() {
    if (CScript* game = Game())
        m_name->setText(FromModelText(game->GetGameName()));
}

void CGamePage::CommitName() {
    CScript* game = Game();
    // A name or path longer than the field takes is not cut unless the user edited it.
    if (!game || !TakeEdit(m_name))
        return;
    const std::string name = ToModelText(m_name->text().left(kMaxName));
    if (name == game->GetGameName())
        return;
    if (const int refusal = game->SetGameName(name, true)) {
        m_name->setText(FromModelText(game->GetGameName()));
        ShowRefusal(refusal);
    }
}

void CGamePage::CommitScriptFile() {
    CScript* game = Game();
    if (!game || !TakeEdit(m_scriptFile))
        return;
    const std::string path = ToModelText(m_scriptFile->text().left(kMaxPath));
    if (path != game->GetScriptFile())
        game->SetScriptFile(path, true);
}

void CGamePage::Browse() {
    CScript* game = Game();
    if (!game || !m_browse)
        return;
    m_browse(*game);
    // The dialog may have closed the Library or changed the selection meanwhile.
    if (Game() == game)
        m_scriptFile->setText(FromModelText(game->GetScriptFile()));
}

} // namespace vantor
