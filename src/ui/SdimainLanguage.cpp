// The window's languages: the "Langue" menu, the switch that re-creates the forms in the
// language chosen, and the language of a start (the one chosen before, else the system's).
#include "Sdimain.h"

#include "Session.h"

#include "i18n/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace vantorel {

namespace {

constexpr const char* kLanguageValue = "Langue";

// Each language named in its own words, whatever the language of the menus.
struct TLanguageItem {
    const char* Name;
    const char* Code;
    const char* Caption;
};
constexpr TLanguageItem kLanguageItems[] = {
    {"Francais", kFrench, "Français"},
    {"English", kEnglish, "English"},
};

} // namespace

void TMainWindow::StartLanguage() {
    const QString system =
        parts_.SystemLanguage.isEmpty() ? SystemLanguage() : parts_.SystemLanguage;
    const QString stored =
        UserStore ? UserStore->Read(QString::fromLatin1(kLanguageValue), {}) : "";
    LanguageCode = ChosenLanguage(stored, system);
    InstallLanguage(LanguageCode);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Help->SetLanguage(LanguageCode);
}

void TMainWindow::RememberLanguage() {
    if (UserStore) UserStore->Write(QString::fromLatin1(kLanguageValue), LanguageCode);
}

void TMainWindow::BuildLanguageMenu(QMenu* game) {
    QMenu* languages = game->addMenu(tr("Langue"));
    languages->menuAction()->setObjectName(QStringLiteral("Langue"));
    languages->menuAction()->setProperty("helpContext", kLanguageHelpContext);
    auto* group = new QActionGroup(this);
    for (const TLanguageItem& item : kLanguageItems) {
        const QString code = QString::fromLatin1(item.Code);
        QAction* action =
            AddCommand(languages, QString::fromLatin1(item.Name), QString::fromUtf8(item.Caption),
                       kLanguageHelpContext, [this, code] { ChooseLanguage(code); });
        action->setCheckable(true);
        action->setData(code);
        action->setChecked(code == LanguageCode);
        group->addAction(action);
    }
}

void TMainWindow::ChooseLanguage(const QString& code) {
    const QString chosen = ChosenLanguage(code, QString::fromLatin1(kFrench));
    // The language items are in a menu that replay hides; the replay's own controls
    // would be lost with the forms.
    if (chosen == LanguageCode || InReplay()) {
        RecheckLanguageItems();
        return;
    }
    CancelComputerMove();
    EndDiceRoll();
    LanguageCode = chosen;
    RememberLanguage();
    InstallLanguage(chosen);
    // Delivered now, so that every widget has its new texts before the forms are made again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Help->SetLanguage(chosen);
    RecreateForms();
    // The status text comes back in the new language with the next refresh.
    Assistant->PanelRule.LastStatusText.clear();
    StatusPanels[0]->clear();
    if (SignedThemeId() > 0) {
        RebuildView(ThemeId);
        RefreshThemeMenu();
    }
    RefreshStatus();
    Game->ShowLastMoves();
    setWindowTitle(Caption());
}

void TMainWindow::RecheckLanguageItems() {
    for (QAction* action : findChildren<QAction*>())
        if (action->objectName() == QLatin1String("Francais") ||
            action->objectName() == QLatin1String("English"))
            action->setChecked(action->data().toString() == LanguageCode);
}

void TMainWindow::RecreateForms() {
    // The menus, the tool bars and the pop-up menu, with every action and group of theirs,
    // are made again as at the start: each caption, hint and shortcut text is read anew.
    delete PopupMenu;
    PopupMenu = nullptr;
    delete ToolBar_defaut;
    ToolBar_defaut = nullptr;
    delete ToolBar_film;
    ToolBar_film = nullptr;
    setMenuBar(new QMenuBar(this));
    for (QActionGroup* group : findChildren<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly))
        delete group;
    for (QAction* action : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        delete action;
    MainMenus = {};
    BuildToolBar();
    BuildMenus();
    BuildComputerCommands();

    RefreshLevelMenu(false);
    RefreshOpponentMenu();
    RefreshThemeMenu();
    RefreshCommandStates();
    if (Jouermaintenant) Jouermaintenant->setEnabled(thinking_.Active);
    if (TB_aide) TB_aide->setChecked(WhatsThisMode);
}

} // namespace vantorel
