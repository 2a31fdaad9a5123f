// The main window's commands: the menus, the tool bar and the pop-up menu on the board,
// the rules that enable them, opening and saving games, numbering, rotation, themes and
// levels, the keys of the board and the what's-this help mode.
#include "About1.h"
#include "OptionsCommand.h"
#include "PrintAndCopy.h"
#include "Sdimain.h"
#include "SdimainDialogs.h"
#include "SdimainEditor.h"

#include "THeldClock.h"
#include "ToolIcons.h"

#include "engine/Random.h"
#include "game/AtomicFile.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <fstream>
#include <sstream>

namespace vantorel {

namespace {

const char* const kHelpContext = "helpContext";

// The level items of the "Niveau" menu and the level codes they set.
struct TLevelItem {
    const char* Name;
    const char* Caption;
    int Level;
    int HelpContext;
};
constexpr TLevelItem kLevelItems[] = {
    {"Niv_neophyte", QT_TRANSLATE_NOOP("TMainWindow", "Néophyte"), 0, 125},
    {"Niv_deb", QT_TRANSLATE_NOOP("TMainWindow", "Débutant"), 1, 126},
    {"Niv_avc", QT_TRANSLATE_NOOP("TMainWindow", "Avancé"), 3, 127},
    {"niv_tps_2", QT_TRANSLATE_NOOP("TMainWindow", "2 secondes"), 6, 129},
    {"niv_tps_5", QT_TRANSLATE_NOOP("TMainWindow", "5 secondes"), 11, 130},
    {"niv_tps_30", QT_TRANSLATE_NOOP("TMainWindow", "30 secondes"), 16, 131},
    {"niv_tps_60", QT_TRANSLATE_NOOP("TMainWindow", "60 secondes"), 22, 132},
    {"niv_tps_120", QT_TRANSLATE_NOOP("TMainWindow", "2 minutes"), 34, 133},
};
constexpr int kFirstTimedItem = 3;

// The themes of the "Affichage" menu, in menu order.
struct TThemeItem {
    const char* Name;
    const char* Caption;
    int ThemeId;
    int HelpContext;
};
constexpr TThemeItem kThemeItems[] = {
    {"N2Dclassique", QT_TRANSLATE_NOOP("TMainWindow", "2 D classique"), 1, 118},
    {"N2D1", QT_TRANSLATE_NOOP("TMainWindow", "2D Moyen-âge"), 2, 119},
    {"N3Dclassique", QT_TRANSLATE_NOOP("TMainWindow", "3 D classique"), 6, 120},
    {"N3Danniversaire1", QT_TRANSLATE_NOOP("TMainWindow", "3 D anniversaire"), 7, 121},
    {"N3DEuroVersusDollar", QT_TRANSLATE_NOOP("TMainWindow", "3 D Euros contre dollars"), 8, 122},
    {"N3DEspace1", QT_TRANSLATE_NOOP("TMainWindow", "3 D Planètes"), 10, 123},
    {"Stonehenge1", QT_TRANSLATE_NOOP("TMainWindow", "3D Stonehenge"), 13, 124},
};

// The theme a click on the board in the what's-this mode explains.
QString ThemeTopic(int themeId) {
    switch (themeId) {
    case 1:
        return QStringLiteral("TH_2D");
    case 2:
        return QStringLiteral("TH_MA");
    case 6:
        return QStringLiteral("TH_3D");
    case 7:
        return QStringLiteral("TH_ANNI");
    case 8:
        return QStringLiteral("TH_EURO");
    case 10:
        return QStringLiteral("TH_SPACE");
    case 13:
        return QStringLiteral("TH_STONE");
    default:
        return QStringLiteral("THEMES");
    }
}

// Rounding as the angles were always rounded: halves to the even neighbour.
int RoundAngle(double angle) {
    return static_cast<int>(std::nearbyint(angle));
}

} // namespace

int NextQuarterAngle(double angle) {
    const int stepped = (RoundAngle(angle + 45) / 45) * 45;
    return stepped % 360;
}

QAction* TMainWindow::AddCommand(QMenu* menu, const QString& name, const QString& caption,
                                 int helpContext, std::function<void()> run) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setProperty(kHelpContext, helpContext);
    if (menu) menu->addAction(action);
    connect(action, &QAction::triggered, this, [this, helpContext, run = std::move(run)] {
        // In the what's-this mode a command explains itself instead of acting.
        if (WhatsThisMode) {
            LeaveWhatsThisFor(helpContext);
            return;
        }
        run();
    });
    return action;
}

void TMainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(tr("&Fichier"));
    NewGameItem = AddCommand(file, QStringLiteral("NewGameItem"), tr("Nouveau &jeu..."), 101,
                             [this] { NewGameItemClick(); });
    NewGameItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    NouveauJeu = AddCommand(file, QStringLiteral("NouveauJeu"), tr("Nouvelle Partie..."), 102,
                            [this] { NouveauJeuClick(); });
    NouveauJeu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* opponents = file->addMenu(tr("Adversaires"));
    opponents->menuAction()->setObjectName(QStringLiteral("Adversaires1"));
    opponents->menuAction()->setProperty(kHelpContext, 103);
    HvC = AddCommand(opponents, QStringLiteral("HvC"), tr("Humain contre ordinateur..."), 104,
                     [this] { StartNewGame(kHumanVsComputer); });
    HvH = AddCommand(opponents, QStringLiteral("HvH"), tr("Humain contre humain..."), 105,
                     [this] { StartNewGame(kHumanVsHuman); });
    CvC = AddCommand(opponents, QStringLiteral("CvC"), tr("Ordinateur contre ordinateur..."), 107,
                     [this] { StartNewGame(kComputerVsComputer); });
    NetworkItem = AddCommand(opponents, QStringLiteral("Reseau"), tr("Jeu en réseau..."), 301,
                             [this] { StartNewGame(kNetworkServer); });
    for (QAction* item : {HvC, HvH, CvC, NetworkItem})
        item->setCheckable(true);
    Ouvrir = AddCommand(file, QStringLiteral("Ouvrir"), tr("&Ouvrir..."), 108,
                        [this] { OuvrirClick(); });
    Ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // Ctrl+S belongs to "Nouvelle Partie...", the first item that carries it: the save
    // item only shows it, so that the key is never ambiguous.
    FileSave1 = AddCommand(file, QStringLiteral("FileSave1"), tr("&Enregistrer") + "\tCtrl+S", 109,
                           [this] { FileSave1Execute(false); });
    FileSaveAs1 = AddCommand(file, QStringLiteral("FileSaveAs1"), tr("Enregistrer &sous..."), 110,
                             [this] { FileSave1Execute(true); });
    Dfiniruntablier1 = AddCommand(file, QStringLiteral("Dfiniruntablier1"),
                                  tr("E&diteur de plateau..."), 111, [this] {
                                      CancelComputerMove();
                                      OpenBoardEditor(*this);
                                  });
    FImprimer =
        AddCommand(file, QStringLiteral("FImprimer"), tr("Im&primer la partie..."), 112, [this] {
            CancelComputerMove();
            PrintScreen(*this);
        });
    FImprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Rejouer = AddCommand(file, QStringLiteral("Rejouer"), tr("&Revoir la partie"), 113,
                         [this] { RejouerClick(); });
    file->addSeparator();
    FileExit1 = AddCommand(file, QStringLiteral("FileExit1"), tr("&Quitter"), 114,
                           [this] { FileExit1Execute(); });
    FileExit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* edit = bar->addMenu(tr("&Edition"));
    QMenu* copy = edit->addMenu(tr("Copier"));
    copy->menuAction()->setObjectName(QStringLiteral("Copier1"));
    copy->menuAction()->setProperty(kHelpContext, 165);
    Copy_image = AddCommand(copy, QStringLiteral("Copy_image"), tr("L'image du jeu"), 115,
                            [this] { Copy_imageClick(*this); });
    Copy_image->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy_script = AddCommand(copy, QStringLiteral("Copy_script"), tr("Le script de la partie"), 116,
                             [this] { Copy_scriptClick(*this); });
    Copy_script->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Inverserplateau =
        AddCommand(edit, QStringLiteral("Inverserplateau"), tr("&Rotation d'un quart de tour"), 117,
                   [this] { RotateClick(); });
    Inverserplateau->setShortcut(QKeySequence(Qt::Key_F3));
    Numeroter = AddCommand(edit, QStringLiteral("Numeroter"), tr("&Numéroter les cases"), 136,
                           [this] { NumeroterClick(); });
    Numeroter->setShortcut(QKeySequence(Qt::Key_F2));

    QMenu* game = bar->addMenu(tr("&Jeu"));
    QMenu* themes = game->addMenu(tr("&Affichage"));
    themes->menuAction()->setObjectName(QStringLiteral("Affichage1"));
    themes->menuAction()->setProperty(kHelpContext, 164);
    auto* themeGroup = new QActionGroup(this);
    for (size_t k = 0; k < std::size(kThemeItems); ++k) {
        const TThemeItem& item = kThemeItems[k];
        const int id = item.ThemeId;
        QAction* action = AddCommand(themes, QString::fromLatin1(item.Name),
                                     QCoreApplication::translate("TMainWindow", item.Caption),
                                     item.HelpContext, [this, id] { ChooseTheme(id); });
        action->setCheckable(true);
        action->setData(id);
        themeGroup->addAction(action);
        ThemeItems[k] = action;
    }

    QMenu* levels = game->addMenu(tr("Niveau"));
    levels->menuAction()->setObjectName(QStringLiteral("Niveau1"));
    levels->menuAction()->setProperty(kHelpContext, 166);
    QMenu* timed = nullptr;
    // One level at a time: the items are radio items.
    auto* levelGroup = new QActionGroup(this);
    for (size_t k = 0; k < std::size(kLevelItems); ++k) {
        const TLevelItem& item = kLevelItems[k];
        if (k == kFirstTimedItem) {
            timed = levels->addMenu(tr("Temps limité"));
            Niv_temps = timed->menuAction();
            Niv_temps->setObjectName(QStringLiteral("Niv_temps"));
            Niv_temps->setProperty(kHelpContext, 128);
            Niv_temps->setCheckable(true);
        }
        const int level = item.Level;
        QAction* action =
            AddCommand(k >= kFirstTimedItem ? timed : levels, QString::fromLatin1(item.Name),
                       QCoreApplication::translate("TMainWindow", item.Caption), item.HelpContext,
                       [this, level] { ChooseLevel(level); });
        action->setCheckable(true);
        action->setData(level);
        levelGroup->addAction(action);
        LevelItems[k] = action;
    }

    Proposer_coup = AddCommand(game, QStringLiteral("Proposer_coup"), tr("Proposer un coup..."),
                               134, [this] { OpenSuggestionDialog(*this); });
    Coupprecedent = AddCommand(game, QStringLiteral("Coupprecedent"), tr("Coup &précédent"), 141,
                               [this] { CoupprecedentClick(); });
    Coupsuivant = AddCommand(game, QStringLiteral("Coupsuivant"), tr("Coup &suivant"), 142,
                             [this] { CoupsuivantClick(); });
    Proposernull = AddCommand(game, QStringLiteral("Proposernull"), tr("Proposer null"), 167,
                              [this] { ProposernullClick(); });
    OptionsItem = AddCommand(game, QStringLiteral("Options"), tr("Options..."), 135, [this] {
        CancelComputerMove();
        OptionsClick(*this);
    });
    OptionsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11));
    BuildLanguageMenu(game);

    QMenu* help = bar->addMenu(tr("&Aide"));
    Sommaire = AddCommand(help, QStringLiteral("Sommaire"), tr("Sommaire"), 172,
                          [this] { Help->ShowTopic(QStringLiteral("Sommaire")); });
    Questcequecest = AddCommand(help, QStringLiteral("Questcequecest"), tr("Qu'est ce que c'est ?"),
                                173, [this] { SetWhatsThisMode(true); });
    Astuce = AddCommand(help, QStringLiteral("Astuce"), tr("Astuce du jour"), 174,
                        [this] { AstuceClick(); });
    Astuce->setCheckable(true);
    HelpAbout1 = AddCommand(help, QStringLiteral("HelpAbout1"), tr("&A propos..."), 0,
                            [this] { HelpAbout1Execute(); });
    MainMenus = {file, edit, game, help};

    // The pop-up menu of the board.
    PopupMenu = new QMenu(this);
    AddCommand(PopupMenu, QStringLiteral("Rotationdroite"), tr("Rotation à droite"), 117,
               [this] { RotateClick(); });
    AddCommand(PopupMenu, QStringLiteral("Numeroterplateau"), tr("Numéroter le plateau"), 136,
               [this] { NumeroterClick(); });
}

void TMainWindow::BuildToolBar() {
    ToolBar_defaut = addToolBar(tr("Barre d'outils"));
    ToolBar_defaut->setObjectName(QStringLiteral("ToolBar_defaut"));
    ToolBar_defaut->setToolTip(tr("Barre d'outils"));
    ToolBar_defaut->setMovable(false);
    // Pictures only: the hints say what each button does.
    ToolBar_defaut->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QToolBar* bar = ToolBar_defaut;

    const auto button = [this, bar](const QString& name, TToolIcon icon, const QString& text,
                                    const QString& hint, int helpContext,
                                    std::function<void()> run) {
        QAction* action = AddCommand(nullptr, name, text, helpContext, std::move(run));
        action->setIcon(ToolIcon(icon));
        action->setToolTip(hint);
        // The hint also goes to the status bar while the mouse is over the button.
        action->setStatusTip(hint);
        bar->addAction(action);
        bar->widgetForAction(action)->setObjectName(name);
        return action;
    };
    TB_exit = button(QStringLiteral("TB_exit"), TToolIcon::Exit, QString(), tr("Quitter"), 114,
                     [this] { FileExit1Execute(); });
    SBNumeroter = button(QStringLiteral("SBNumeroter"), TToolIcon::Numbers, QStringLiteral("123"),
                         tr("Afficher les numéros"), 136, [this] { NumeroterClick(); });

    const auto zoomButton = [this, bar](const QString& name, const QString& text,
                                        const QString& hint, bool in) {
        auto* zoom = new QToolButton(bar);
        zoom->setObjectName(name);
        zoom->setText(text);
        zoom->setIcon(ToolIcon(in ? TToolIcon::ZoomIn : TToolIcon::ZoomOut));
        zoom->setToolButtonStyle(Qt::ToolButtonIconOnly);
        zoom->setAutoRaise(true);
        zoom->setToolTip(hint);
        zoom->setStatusTip(hint);
        connect(zoom, &QToolButton::pressed, this, [this, in] {
            if (WhatsThisMode) return;
            ZoomInHeld = in;
            ZoomOutHeld = !in;
        });
        connect(zoom, &QToolButton::released, this, [this] { ZoomInHeld = ZoomOutHeld = false; });
        connect(zoom, &QToolButton::clicked, this, [this, in] {
            ZoomInHeld = ZoomOutHeld = false;
            if (WhatsThisMode) LeaveWhatsThisFor(in ? 139 : 140);
        });
        bar->addWidget(zoom);
        return zoom;
    };
    TB_zoomin =
        zoomButton(QStringLiteral("TB_zoomin"), QStringLiteral("+"), tr("Zoom avant"), true);
    TB_zoomout =
        zoomButton(QStringLiteral("TB_zoomout"), QStringLiteral("-"), tr("Zoom arrière"), false);

    TBretourner = button(QStringLiteral("TBretourner"), TToolIcon::Rotate, QString(),
                         tr("Tourner d'un quart de tour"), 117, [this] { RotateClick(); });
    TB_prev = button(QStringLiteral("TB_prev"), TToolIcon::Previous, QString(),
                     tr("Coup précédent"), 141, [this] { CoupprecedentClick(); });
    TB_next = button(QStringLiteral("TB_next"), TToolIcon::Next, QString(), tr("Coup suivant"), 142,
                     [this] { CoupsuivantClick(); });
    TBfilm = button(QStringLiteral("TBfilm"), TToolIcon::Replay, QString(), tr("Revoir la partie"),
                    113, [this] { RejouerClick(); });
    // The stop button explains itself, not the previous move.
    TB_stop =
        button(QStringLiteral("TB_stop"), TToolIcon::Stop, QString(),
               tr("Arrête la partie en cours."), kStopHelpContext, [this] { TB_stopClick(); });
    TB_aide = button(QStringLiteral("TB_aide"), TToolIcon::Help, tr("Aide"), tr("Aide"), 0,
                     [this] { SetWhatsThisMode(!WhatsThisMode); });
    TB_aide->setCheckable(true);

    BuildFilmControls();
}

// Common prologue of the commands: a human's rolling dice stop first.
void TMainWindow::EndDiceRoll() {
    if (Game && Game->ClickState == kClickStopDice) {
        try {
            Game->Click(-1, kNoColour, -1);
        } catch (const std::exception&) {
            // Stopping dice is never refused; a refusal leaves them rolling.
        }
    }
}

bool TMainWindow::ViewCommandsAllowed() const {
    return SignedThemeId() > 0 && CurrentView && Game->GameStatus >= 0 &&
           Game->GameStatus != kReplayForward;
}

void TMainWindow::NotAvailableYet() {
    CancelComputerMove();
    ShowMessage(TMessageKind::Information,
                tr("Cette fonction n'est pas encore disponible dans cette version de Vantorel."));
}

void TMainWindow::HelpAbout1Execute() {
    CancelComputerMove();
    ShowAboutBox(*this);
}

void TMainWindow::NewGameItemClick() {
    EndDiceRoll();
    if (!ConfirmAbandon()) return;
    OpenVariantChooser(*this);
}

void TMainWindow::NouveauJeuClick() {
    StartNewGame(Game->GameType + 10);
}

bool TMainWindow::ConfirmAbandon() {
    const int status = Game->GameStatus;
    if (Game->MoveCount <= 0 || status < kWaiting || status > kComputerToAct) return true;
    const QString text = tr("Abandonner la partie en cours (%1 / %2) ?")
                             .arg(QString::fromStdString(Game->Players[kWhite].Name),
                                  QString::fromStdString(Game->Players[kBlack].Name));
    TAbandonAnswer answer = TAbandonAnswer::Cancel;
    // No move under the question, nor under the save that "No" asks for.
    const THeldClock held(Horloge);
    if (parts_.AskAbandon) {
        answer = parts_.AskAbandon(text);
    } else {
        // Help opens the page of the question and asks again.
        for (;;) {
            const auto chosen = QMessageBox::question(this, QStringLiteral("Vantorel"), text,
                                                      QMessageBox::Yes | QMessageBox::No |
                                                          QMessageBox::Cancel | QMessageBox::Help);
            if (chosen == QMessageBox::Help) {
                Help->ShowContext(9001);
                continue;
            }
            answer = chosen == QMessageBox::Yes  ? TAbandonAnswer::Yes
                     : chosen == QMessageBox::No ? TAbandonAnswer::No
                                                 : TAbandonAnswer::Cancel;
            break;
        }
    }
    if (answer == TAbandonAnswer::Yes) return true;
    // No: the game is saved first, under a name the player chooses. A save that does not
    // happen keeps the game.
    if (answer == TAbandonAnswer::No) return SaveGameAs(true);
    return false;
}

QString TMainWindow::AskFileName(bool save, const QString& suggested) {
    const THeldClock held(Horloge);
    if (parts_.FileDialog) return parts_.FileDialog(save, suggested);
    QFileDialog dialog(this, save ? tr("Enregistrer sous") : tr("Ouvrir"), QDir::currentPath(),
                       save ? tr("Fichier Vantorel (*.Vtl)") : tr("Fichiers Vantorel (*.Vtl)"));
    dialog.setDefaultSuffix(QStringLiteral("Vtl"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The overwrite question is the program's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (save && !suggested.isEmpty()) dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void TMainWindow::OuvrirClick() {
    CancelComputerMove(true);
    EndDiceRoll();
    if (!ViewCommandsAllowed()) return;
    const QString chosen = AskFileName(false, {});
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    const int theme = ThemeId;
    ThemeId = kNoTheme;
    Horloge.stop();
    if (CurrentView) CurrentView->StopAnimation();
    try {
        std::ifstream stream(path.toLocal8Bit().toStdString(), std::ios::binary);
        if (!stream) throw std::runtime_error(tr("Lecture impossible.").toStdString());
        // The game stays as it was unless the whole file reads well.
        Game->LoadGame(stream);
        Game->Title = path.toStdString();
    } catch (const std::exception& error) {
        Assistant->ReportError(4, error.what());
    }
    RebuildView(theme);
    RefreshStopButton();
    RefreshOpponentMenu();
}

void TMainWindow::FileSave1Execute(bool saveAs) {
    CancelComputerMove();
    EndDiceRoll();
    SaveGameAs(saveAs);
}

bool TMainWindow::SaveGameAs(bool askName) {
    if (!ViewCommandsAllowed()) return false;
    const QString title = QString::fromStdString(Game->Title);
    QString path;
    if (!askName && Game->Title != texts::kUntitled && QFileInfo(title).isFile()) {
        path = title;
    } else {
        path = AskFileName(true, ShownTitle());
        if (path.isEmpty()) return false;
        if (QFileInfo::exists(path) &&
            !ShowMessage(TMessageKind::Question, tr("Ecraser le fichier existant ?")))
            return false;
    }
    path = QFileInfo(path).absoluteFilePath();
    try {
        std::ostringstream bytes;
        Game->SaveGame(bytes);
        // Written beside, flushed and then renamed: a failed save never spoils the file it
        // replaces. (QSaveFile renamed a copy cut short by a file size limit over the game.)
        const std::string error =
            WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes.view());
        if (!error.empty()) throw std::runtime_error(error);
        Game->Title = path.toStdString();
    } catch (const std::exception& error) {
        Assistant->ReportError(1, error.what());
        return false;
    }
    setWindowTitle(Caption());
    return true;
}

void TMainWindow::FileExit1Execute() {
    FormClose();
    close();
}

void TMainWindow::RotateClick() {
    if (SignedThemeId() <= 0 || !CurrentView) return;
    CurrentView->RotationAngle = NextQuarterAngle(CurrentView->RotationAngle);
}

void TMainWindow::NumeroterClick() {
    if (SignedThemeId() <= 0 || !CurrentView) return;
    Horloge.stop();
    if (QWidget* numbers = ToolBar_defaut->widgetForAction(SBNumeroter))
        numbers->setProperty("down", true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Assistant->ShowStatusText(tr("Calcul de la numérotation. Patientez quelques secondes..."));
    ProcessPendingEvents();
    NumbersShown = !NumbersShown;
    CurrentView->ShowNumbers(NumbersShown);
    QApplication::restoreOverrideCursor();
    Assistant->ShowStatusText({});
    RefreshStatus();
    if (QWidget* numbers = ToolBar_defaut->widgetForAction(SBNumeroter))
        numbers->setProperty("down", false);
    Horloge.start();
}

bool TMainWindow::HistoryCommandsAllowed() const {
    return Game->GameStatus >= 0 && Game->GameStatus != kReplayForward && ViewerShown() &&
           SignedThemeId() > 0 && CurrentView && !CurrentView->IsAnimating();
}

void TMainWindow::CoupprecedentClick() {
    CancelComputerMove();
    EndDiceRoll();
    if (!HistoryCommandsAllowed()) return;
    Game->Undo();
    RefreshCommandStates();
}

void TMainWindow::CoupsuivantClick() {
    CancelComputerMove();
    EndDiceRoll();
    if (!HistoryCommandsAllowed()) return;
    Game->Redo();
    RefreshCommandStates();
}

void TMainWindow::ProposernullClick() {
    CancelComputerMove();
    EndDiceRoll();
    Game->OfferDraw();
    RefreshCommandStates();
}

void TMainWindow::ChooseTheme(int themeId) {
    EndDiceRoll();
    RebuildView(themeId);
    RefreshThemeMenu();
}

void TMainWindow::RefreshThemeMenu() {
    EndDiceRoll();
    for (QAction* item : ThemeItems)
        if (item) item->setChecked(item->data().toInt() == ThemeId);
    Game->HintsShown = false;
    ViewerHelpContext = 150 + ThemeId;
    RefreshCommandStates();
}

void TMainWindow::ChooseLevel(int level) {
    CancelComputerMove();
    OptionsRecord[TOptions::ComputerLevel] = level;
    RefreshLevelMenu();
}

void TMainWindow::RefreshLevelMenu(bool setComputerLevels) {
    EndDiceRoll();
    int level = OptionsRecord[TOptions::ComputerLevel];
    // A stored level 2 is the advanced level of an older menu.
    const int checked = level == 2 ? 3 : level;
    for (QAction* item : LevelItems)
        if (item) item->setChecked(item->data().toInt() == checked);
    if (Niv_temps) {
        bool timed = false;
        for (size_t k = kFirstTimedItem; k < LevelItems.size(); ++k)
            timed = timed || (LevelItems[k] && LevelItems[k]->isChecked());
        Niv_temps->setChecked(timed);
    }
    if (!setComputerLevels) return;
    for (TPlayerRec& player : Game->Players)
        if (player.Kind == TPlayerRec::Computer) player.Level = level;
}

void TMainWindow::RefreshOpponentMenu() {
    EndDiceRoll();
    if (!HvC) return;
    HvC->setChecked(Game->GameType == kHumanVsComputer);
    HvH->setChecked(Game->GameType == kHumanVsHuman);
    CvC->setChecked(Game->GameType == kComputerVsComputer);
    NetworkItem->setChecked(Game->GameType == kNetworkServer || Game->GameType == kNetworkCaller);
}

bool TMainWindow::CanGoBack() const {
    const int type = Game->GameType;
    return (type == kHumanVsHuman && Game->MoveCount > 0) ||
           ((type == kHumanVsComputer || type == kNetworkServer) && Game->MoveCount > 1);
}

bool TMainWindow::CanGoForward() const {
    const int type = Game->GameType;
    if (type != kHumanVsComputer && type != kHumanVsHuman && type != kNetworkServer) return false;
    const size_t next = static_cast<size_t>(Game->MoveCount) + 1;
    return Game->MoveCount >= 0 && next < Game->History.size() && !Game->History[next].Empty();
}

void TMainWindow::RefreshCommandStates() {
    if (!Game || !TB_prev) return;
    const bool back = CanGoBack();
    TB_prev->setEnabled(back);
    Coupprecedent->setEnabled(back);
    const bool forward = CanGoForward();
    TB_next->setEnabled(forward);
    Coupsuivant->setEnabled(forward);
    // The tool button stays off on the stone circle, where the board does not turn.
    TBretourner->setEnabled(SignedThemeId() > 0 && ThemeId != 13);
    const int type = Game->GameType;
    Proposernull->setEnabled(
        (type == kHumanVsComputer || type == kNetworkServer || type == kNetworkCaller) &&
        Game->GameStatus == kHumanToAct);
    NewGameItem->setEnabled(type != kNetworkCaller);
    Dfiniruntablier1->setEnabled(type != kNetworkCaller);
    Astuce->setChecked(OptionsRecord[TOptions::TipOfTheDay] == 1);
    RefreshStopButton();
}

void TMainWindow::AstuceClick() {
    if (OptionsRecord[TOptions::TipOfTheDay] == 1) {
        OptionsRecord[TOptions::TipOfTheDay] = 0;
    } else {
        OptionsRecord[TOptions::TipOfTheDay] = 1;
        if (isVisible()) QCursor::setPos(mapToGlobal(rect().center()));
        ShowRandomTip();
    }
    RefreshCommandStates();
}

void TMainWindow::ShowRandomTip() {
    Help->ShowTip(static_cast<int>(8001 + RandomBelow(3)));
}

// The what's-this help mode.

void TMainWindow::SetWhatsThisMode(bool on) {
    EndDiceRoll();
    if (on == WhatsThisMode) {
        TB_aide->setChecked(on);
        return;
    }
    WhatsThisMode = on;
    TB_aide->setChecked(on);
    if (on)
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TMainWindow::ExplainBoard() {
    SetWhatsThisMode(false);
    Help->ShowTopic(ThemeTopic(ThemeId));
}

void TMainWindow::LeaveWhatsThisFor(int helpContext) {
    SetWhatsThisMode(false);
    if (QWidget* numbers = ToolBar_defaut->widgetForAction(SBNumeroter))
        numbers->setProperty("down", false);
    if (helpContext > 0) Help->ShowContextPopup(helpContext);
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress &&
        type != QEvent::ShortcutOverride)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only what happens in this window: a dialog on top keeps its own keys.
    if (!widget || widget->window() != this) return QMainWindow::eventFilter(watched, event);

    if (type == QEvent::MouseButtonPress) {
        // A click on the tool bar itself, between its buttons, explains the bar.
        if (WhatsThisMode && widget == ToolBar_defaut) {
            LeaveWhatsThisFor(ToolBar_defaut->property(kHelpContext).toInt());
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // The board's keys go to the board before any shortcut of the menus sees them.
        return QMainWindow::eventFilter(watched, event);
    }
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!WhatsThisMode) {
        if (key->key() == Qt::Key_F1 && mods == Qt::ShiftModifier) {
            SetWhatsThisMode(true);
            return true;
        }
        // The key was sent to this window, so it is the active one and no dialog is open.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && isEnabled()) {
            MoveKeyboardCursorByTab(key->key() == Qt::Key_Backtab || (mods & Qt::ShiftModifier));
            return QMainWindow::eventFilter(watched, event);
        }
        // A key travels up from the focused control to the window: it is seen once.
        if (key == lastKey_ && key->timestamp() == lastKeyTime_)
            return QMainWindow::eventFilter(watched, event);
        lastKey_ = key;
        lastKeyTime_ = key->timestamp();
        const bool board = IsBoardKey(key->key(), key->modifiers()) && SignedThemeId() > 0;
        FormKeyDown(key->key(), key->modifiers());
        // The board's keys are the board's: a focused button does not take Space too.
        return board || QMainWindow::eventFilter(watched, event);
    }
    if (key->key() == Qt::Key_Escape) {
        SetWhatsThisMode(false);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainWindow::IsBoardKey(int key, Qt::KeyboardModifiers modifiers) const {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_S:
    case Qt::Key_P:
        return !ctrl;
    case Qt::Key_F1:
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_4:
    case Qt::Key_6:
        return modifiers & Qt::KeypadModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return OptionsRecord[TOptions::ArrowKeyCamera] == 1;
    case Qt::Key_W:
    case Qt::Key_F8:
    case Qt::Key_Z:
    case Qt::Key_F11:
        return ctrl;
    default:
        return false;
    }
}

void TMainWindow::MoveKeyboardCursorByTab(bool backward) {
    const int points = Game->Model.PointCount();
    if (points <= 0) return;
    int& cursor = Game->KeyboardCursor;
    if (!backward)
        cursor = cursor >= 0 && cursor <= points - 2 ? cursor + 1 : 0;
    else
        cursor = cursor > 0 ? std::min(cursor - 1, points - 1) : points - 1;
}

void TMainWindow::MoveKeyboardCursor(int step) {
    const int points = Game->Model.PointCount();
    if (points <= 0) return;
    int& cursor = Game->KeyboardCursor;
    const bool valid = cursor >= 0 && cursor < points;
    if (step > 0)
        cursor = valid && cursor + 1 < points ? cursor + 1 : 0;
    else
        cursor = valid && cursor > 0 ? cursor - 1 : points - 1;
}

void TMainWindow::ClickKeyboardCursor() {
    const int cursor = Game->KeyboardCursor;
    if (cursor < 0 || cursor >= Game->Model.PointCount()) return;
    if (Game->GameStatus != kWaiting && Game->GameStatus != kHumanToAct) return;
    if (Game->GameType == kComputerVsComputer) return;
    try {
        switch (Game->ClickState) {
        case kClickDestination:
        case kClickSelect:
        case kClickCapture:
            Game->Click(cursor, kNoColour, -1);
            break;
        case kClickRollDice:
            RollThreeDice();
            Game->Click(0, kNoColour, -1);
            break;
        default:
            break;
        }
    } catch (const Ecoup_imposible&) {
        Beep();
    } catch (const std::exception& error) {
        ReportClickError(error.what());
    }
}

void TMainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (PopupMenu && GLSceneViewer1 && GLSceneViewer1->geometry().contains(event->pos()))
        PopupMenu->popup(event->globalPos());
}

} // namespace vantorel
