// The main window's commands: shortcuts, the enable rules, rotation, levels, keyboard play,
// opening and saving, the what's-this mode and the replay controls.
#include "UiTestSupport.h"

#include "ui/Connexion.h"
#include "ui/TDie.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <sys/resource.h>

using namespace vantorel;
using vantorel::testing::Board;
using vantorel::testing::WindowFixture;

namespace {

// Plays `points` as clicks of two people, white first.
void PlayClicks(WindowFixture& f, std::initializer_list<int> points) {
    for (int point : points)
        f.Game().Click(point);
}

// Guards Ctrl+S: it must start a new game, so no other command may carry it as a key.
TEST(Commands, CtrlSBelongsToTheNewGameCommandAlone) {
    WindowFixture f;
    std::vector<QString> owners;
    for (QAction* action : f.window->findChildren<QAction*>())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S))
            owners.push_back(action->objectName());
    ASSERT_EQ(owners.size(), 1u);
    EXPECT_EQ(owners[0].toStdString(), "NouveauJeu");
    EXPECT_TRUE(f.window->FileSave1->text().endsWith(QStringLiteral("\tCtrl+S")));
}

// Guards the quarter turn: the next multiple of 45 degrees, 315 turning to 0, halves of a
// degree rounded to the even neighbour.
TEST(Commands, RotationStepsToTheNextEighthOfATurn) {
    const struct {
        double from;
        int to;
    } cases[] = {{0, 45},    {45, 90},   {270, 315}, {315, 0}, {30, 45},
                 {44.4, 45}, {89.5, 90}, {-1, 0},    {359, 0}, {180, 225}};
    for (const auto& c : cases)
        EXPECT_EQ(NextQuarterAngle(c.from), c.to) << c.from;

    WindowFixture f;
    f.EndIntro();
    f.window->CurrentView->RotationAngle = 0;
    for (int expected : {45, 90, 135, 180, 225, 270, 315, 0}) {
        f.window->Inverserplateau->trigger();
        EXPECT_EQ(f.window->CurrentView->RotationAngle, expected);
    }
}

// Guards the enable rules of the history commands in each kind of game.
TEST(Commands, PreviousAndNextFollowTheGameType) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    f.window->RefreshCommandStates();
    EXPECT_FALSE(f.window->TB_prev->isEnabled());
    PlayClicks(f, {4});
    f.window->RefreshCommandStates();
    EXPECT_TRUE(f.window->TB_prev->isEnabled()) << "two people may take back the first move";
    EXPECT_FALSE(f.window->Coupsuivant->isEnabled());
    f.ViewIdle();
    f.window->TB_prev->trigger();
    EXPECT_EQ(f.Game().MoveCount, 0);
    EXPECT_TRUE(f.window->TB_next->isEnabled());
    EXPECT_FALSE(f.window->Coupprecedent->isEnabled());
    f.ViewIdle();
    f.window->Coupsuivant->trigger();
    EXPECT_EQ(f.Game().MoveCount, 1);

    // Against the computer one move back would only hand the move to the computer.
    f.window->SetUpLocalGame(kHumanVsComputer, kWhite, kWhite);
    f.Game().MoveCount = 1;
    f.window->RefreshCommandStates();
    EXPECT_FALSE(f.window->TB_prev->isEnabled());
    f.Game().MoveCount = 2;
    f.window->RefreshCommandStates();
    EXPECT_TRUE(f.window->TB_prev->isEnabled());

    f.Game().GameType = kComputerVsComputer;
    f.window->RefreshCommandStates();
    EXPECT_FALSE(f.window->TB_prev->isEnabled());
    EXPECT_FALSE(f.window->TB_next->isEnabled());

    // The draw offer waits for the human's turn against a machine.
    for (int type : {1, 2, 3, 4, 5})
        for (int status : {0, 1, 2}) {
            f.Game().GameType = static_cast<int8_t>(type);
            f.Game().GameStatus = static_cast<int8_t>(status);
            f.window->RefreshCommandStates();
            EXPECT_EQ(f.window->Proposernull->isEnabled(),
                      (type == 1 || type == 3 || type == 5) && status == 1)
                << type << " " << status;
            EXPECT_EQ(f.window->NewGameItem->isEnabled(), type != 5);
        }
}

// Guards the level menu: each item sets its code, a stored 2 also checks "Avancé", and
// every computer of the game takes the level.
TEST(Commands, LevelMenuSetsTheCodeAndTheComputers) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsComputer, kWhite, kWhite);
    const std::pair<const char*, int> items[] = {
        {"Niv_neophyte", 0}, {"Niv_deb", 1},     {"Niv_avc", 3},     {"niv_tps_2", 6},
        {"niv_tps_5", 11},   {"niv_tps_30", 16}, {"niv_tps_60", 22}, {"niv_tps_120", 34}};
    for (const auto& [name, level] : items) {
        QAction* item = f.window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
        EXPECT_EQ(f.window->OptionsRecord[TOptions::ComputerLevel], level);
        EXPECT_TRUE(item->isChecked());
        EXPECT_EQ(f.Game().Players[kBlack].Level, level);
        EXPECT_EQ(f.Game().Players[kWhite].Level, 0) << "the human has no level";
        EXPECT_EQ(f.window->Niv_temps->isChecked(), level >= 6);
    }
    f.window->OptionsRecord[TOptions::ComputerLevel] = 2;
    f.window->RefreshLevelMenu();
    EXPECT_TRUE(f.window->findChild<QAction*>(QStringLiteral("Niv_avc"))->isChecked());
}

// Guards keyboard play: Tab, S and P walk the points with wrapping, Enter clicks the
// cursor's point, and a whole move is played without the mouse.
TEST(Commands, KeyboardPlaysAWholeMove) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    const int points = f.Game().Model.PointCount();
    f.Game().KeyboardCursor = -1;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    f.window->eventFilter(f.window.get(), &tab);
    EXPECT_EQ(f.Game().KeyboardCursor, 0);
    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    f.window->eventFilter(f.window.get(), &backtab);
    EXPECT_EQ(f.Game().KeyboardCursor, points - 1);
    f.window->FormKeyDown(Qt::Key_S);
    EXPECT_EQ(f.Game().KeyboardCursor, 0) << "S wraps to the first point";
    f.window->FormKeyDown(Qt::Key_P);
    EXPECT_EQ(f.Game().KeyboardCursor, points - 1) << "P wraps to the last point";
    f.window->FormKeyDown(Qt::Key_Home);
    f.window->FormKeyDown(Qt::Key_4, Qt::KeypadModifier);
    f.window->FormKeyDown(Qt::Key_F4);
    EXPECT_EQ(f.Game().KeyboardCursor, 2);
    f.window->FormKeyDown(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(f.Game().KeyboardCursor, 1);
    f.window->FormKeyDown(Qt::Key_Return);
    EXPECT_EQ(f.Game().MoveCount, 1);
    EXPECT_EQ(f.Game().Engine->LiveBoard[1], 'B');
    f.window->FormKeyDown(Qt::Key_End);
    f.window->FormKeyDown(Qt::Key_Space);
    EXPECT_EQ(f.Game().MoveCount, 2);
    EXPECT_EQ(f.Game().Engine->LiveBoard[static_cast<size_t>(points - 1)], 'N');
    // An occupied point is refused with a beep, not an error box.
    f.window->FormKeyDown(Qt::Key_Enter);
    EXPECT_EQ(f.Game().MoveCount, 2);
    EXPECT_TRUE(f.messages.empty());
}

// Guards the window's save against a write cut short (a full disk, `ulimit -f`): the file
// saved before stays byte for byte, no temporary is left beside it, and the failure is told.
TEST(Commands, ASaveCutShortKeepsThePreviousFile) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    PlayClicks(f, {4, 7});
    // A folder of its own, so that only the save's files are in it.
    const QDir saves(f.folder.filePath(QStringLiteral("parties")));
    ASSERT_TRUE(saves.mkpath(QStringLiteral(".")));
    const QString path = saves.filePath(QStringLiteral("partie.Vtl"));
    f.fileToChoose = path;
    f.window->FileSaveAs1->trigger();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    PlayClicks(f, {10, 11, 12, 13});
    {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit kept = limit;
        limit.rlim_cur = static_cast<rlim_t>(before.size() / 2);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        f.window->FileSave1->trigger();
        setrlimit(RLIMIT_FSIZE, &kept);
        std::signal(SIGXFSZ, handler);
    }
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_TRUE(f.messages[0].startsWith(QStringLiteral("Enregistrement impossible !")))
        << f.messages[0].toStdString();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(saves.entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("partie.Vtl")});
}

// Guards opening from the menu: a damaged file leaves the game exactly as it was and says
// why; a saved game comes back whole, under its path; the same theme is rebuilt either way.
TEST(Commands, SaveReopenAndDamagedFile) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    PlayClicks(f, {4, 7});
    const QString path = f.folder.filePath(QStringLiteral("ma partie.Vtl"));
    f.fileToChoose = path;
    f.window->FileSaveAs1->trigger();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(f.Game().Title, path.toStdString());

    // Saving again under the title asks nothing.
    f.fileToChoose.clear();
    PlayClicks(f, {10});
    f.window->FileSave1->trigger();
    EXPECT_TRUE(f.messages.empty());

    // Another name that exists: the overwrite question, answered No, keeps that file.
    const QString other = f.folder.filePath(QStringLiteral("autre.Vtl"));
    {
        QFile existing(other);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("garder");
    }
    f.fileToChoose = other;
    f.window->FileSaveAs1->trigger();
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0].toStdString(), "Ecraser le fichier existant ?");
    {
        QFile kept(other);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("garder"));
    }
    f.messages.clear();

    const QString damaged = f.folder.filePath(QStringLiteral("abime.Vtl"));
    {
        std::ofstream out(damaged.toStdString(), std::ios::binary);
        out << "VTL\x01 ce n'est pas une partie";
    }
    const std::string before = f.Game().Engine->LiveBoard;
    const int moves = f.Game().MoveCount;
    f.fileToChoose = damaged;
    f.window->Ouvrir->trigger();
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_TRUE(f.messages[0].startsWith(QStringLiteral("Impossible d'ouvrir le fichier. ")))
        << f.messages[0].toStdString();
    EXPECT_EQ(f.Game().Engine->LiveBoard, before);
    EXPECT_EQ(f.Game().MoveCount, moves);
    EXPECT_EQ(f.window->ThemeId, 6);

    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    f.fileToChoose = path;
    f.window->Ouvrir->trigger();
    EXPECT_EQ(f.Game().MoveCount, 3);
    EXPECT_EQ(f.Game().Engine->LiveBoard[10], 'B');
    EXPECT_EQ(f.Game().Title, path.toStdString());
    EXPECT_EQ(f.window->ThemeId, 6);
}

// Guards the what's-this mode: a command explains itself instead of acting, a click on the
// board opens the page of its theme, Esc leaves the mode.
TEST(Commands, WhatsThisModeExplainsInsteadOfActing) {
    WindowFixture f;
    f.EndIntro();
    f.window->CurrentView->RotationAngle = 0;
    f.window->SetWhatsThisMode(true);
    EXPECT_TRUE(f.window->TB_aide->isChecked());
    f.window->TBretourner->trigger();
    EXPECT_EQ(f.window->CurrentView->RotationAngle, 0);
    EXPECT_FALSE(f.window->WhatsThisMode);
    ASSERT_EQ(f.help->requests.size(), 1u);
    EXPECT_EQ(f.help->requests[0], "popup 117");

    f.window->Questcequecest->trigger();
    EXPECT_TRUE(f.window->WhatsThisMode);
    f.window->GLSceneViewer1MouseDown(scene::TMouseButton::Left, {}, 10, 10);
    EXPECT_FALSE(f.window->WhatsThisMode);
    EXPECT_EQ(f.help->requests.back(), "topic TH_3D");

    f.window->SetWhatsThisMode(true);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_TRUE(f.window->eventFilter(f.window.get(), &esc));
    EXPECT_FALSE(f.window->WhatsThisMode);
    QKeyEvent shiftF1(QEvent::KeyPress, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(f.window->eventFilter(f.window.get(), &shiftF1));
    EXPECT_TRUE(f.window->WhatsThisMode);
    f.window->SetWhatsThisMode(false);
}

// Guards the replay controls: entry conditions, the track bar and its label, play to the
// end switching to pause, reverse twice pausing, and leaving through the last position.
TEST(Replay, FromStartToEndAndBack) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    PlayClicks(f, {0});
    f.ViewIdle();
    f.window->RejouerClick();
    EXPECT_EQ(f.Game().GameStatus, kHumanToAct) << "one played entry is not a game to replay";

    PlayClicks(f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    ASSERT_EQ(f.Game().RecordedEntries(), 13);
    f.ViewIdle();
    f.window->RejouerClick();
    ASSERT_EQ(f.Game().GameStatus, kReplayPaused);
    EXPECT_FALSE(f.window->ToolBar_film->isHidden());
    EXPECT_TRUE(f.window->ToolBar_defaut->isHidden());
    EXPECT_TRUE(f.window->Menu_film->menuAction()->isVisible());
    EXPECT_TRUE(f.window->TB_suspendre->isChecked());
    EXPECT_FALSE(f.window->TB_retour->isEnabled());
    EXPECT_EQ(f.window->TB_film->maximum(), 12);

    f.window->TB_film->setValue(5);
    EXPECT_EQ(f.window->pos_film->text().toStdString(), "5/12");
    EXPECT_TRUE(f.window->TB_retour->isEnabled());

    f.window->TB_lire_invClick();
    EXPECT_EQ(f.Game().GameStatus, kReplayBackward);
    EXPECT_TRUE(f.window->TB_lire_inv->isChecked());
    f.window->TB_lire_invClick();
    EXPECT_EQ(f.Game().GameStatus, kReplayPaused) << "reverse twice pauses";

    f.window->TB_avanceClick();
    EXPECT_EQ(f.window->TB_film->value(), 12);
    EXPECT_FALSE(f.window->TB_avance->isEnabled());
    f.window->TB_lireClick();
    EXPECT_TRUE(f.window->Jouer->isChecked());
    f.now += 10000;
    f.ViewIdle();
    f.window->ControllerStep();
    EXPECT_EQ(f.Game().GameStatus, kReplayPaused) << "playing at the end pauses";
    EXPECT_FALSE(f.window->TB_lire->isChecked());

    f.window->TB_retourClick();
    EXPECT_EQ(f.window->TB_film->value(), 0);
    EXPECT_EQ(f.Game().MoveCount, 0);

    // Backward steps one position every MaxAnimMs, then pauses at the start.
    f.window->TB_film->setValue(2);
    f.window->TB_lire_invClick();
    for (int k = 0; k < 3; ++k) {
        f.now += 10000;
        f.ViewIdle();
        f.window->ControllerStep();
    }
    EXPECT_EQ(f.window->TB_film->value(), 0);
    EXPECT_EQ(f.Game().GameStatus, kReplayPaused);

    f.window->TB_arreterClick();
    EXPECT_EQ(f.Game().GameStatus, kWaiting);
    EXPECT_EQ(f.Game().MoveCount, 12) << "leaving shows the last position again";
    EXPECT_TRUE(f.window->ToolBar_film->isHidden());
    EXPECT_FALSE(f.window->ToolBar_defaut->isHidden());
    EXPECT_FALSE(f.window->Menu_film->menuAction()->isVisible());
}

// Guards the question before a game in progress is dropped: Cancel keeps it, No saves it
// first, and a save that does not happen keeps it too; the new game starts once the dialog
// is confirmed.
TEST(Commands, NewGameAsksBeforeDroppingAGame) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
    PlayClicks(f, {4});
    f.abandonAnswer = TAbandonAnswer::Cancel;
    f.window->NouveauJeu->trigger();
    ASSERT_EQ(f.abandonQuestions.size(), 1u);
    EXPECT_EQ(f.abandonQuestions[0].toStdString(),
              "Abandonner la partie en cours (Joueur 1 / Joueur 2) ?");
    EXPECT_EQ(f.Game().MoveCount, 1);

    f.abandonAnswer = TAbandonAnswer::No;
    f.fileToChoose.clear();
    f.window->NouveauJeu->trigger();
    EXPECT_EQ(f.Game().MoveCount, 1) << "the save was cancelled: the game stays";

    const QString path = f.folder.filePath(QStringLiteral("avant.Vtl"));
    f.fileToChoose = path;
    f.newGameDialog = [](TFConnexion& dialog) {
        dialog.Btn_okClick();
        return true;
    };
    f.window->NouveauJeu->trigger();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(f.Game().MoveCount, 0);
}

} // namespace

namespace {

// Guards the window's side of the dialog: each computer keeps its own level, the level
// menu shows white's; Cancel leaves a reset game of the type it had.
TEST(Commands, NewGameDialogResults) {
    WindowFixture f;
    f.EndIntro();
    f.newGameDialog = [](TFConnexion& dialog) {
        dialog.Onglet->setCurrentIndex(3);
        dialog.CB_cvcNiveauBlanc->setCurrentIndex(0);
        dialog.CB_cvcNiveauNoir->setCurrentIndex(4);
        dialog.Btn_okClick();
        return true;
    };
    f.window->StartNewGame(kComputerVsComputer);
    EXPECT_EQ(f.Game().GameType, kComputerVsComputer);
    EXPECT_EQ(f.Game().GameStatus, kComputerToAct);
    EXPECT_EQ(f.Game().Players[kWhite].Level, 0);
    EXPECT_EQ(f.Game().Players[kBlack].Level, 11);
    EXPECT_EQ(f.window->OptionsRecord[TOptions::ComputerLevel], 0);
    EXPECT_TRUE(f.window->findChild<QAction*>(QStringLiteral("Niv_neophyte"))->isChecked());
    EXPECT_TRUE(f.window->CvC->isChecked());

    f.newGameDialog = [](TFConnexion&) { return false; };
    f.Game().GameStatus = kWaiting;
    f.window->NouveauJeu->trigger();
    EXPECT_EQ(f.Game().GameType, kComputerVsComputer);
    EXPECT_EQ(f.Game().GameStatus, kWaiting);
    EXPECT_EQ(f.Game().MoveCount, 0);
}

} // namespace

namespace {

// Guards the cancelled new-game dialog: the game used to be reset before the dialog opened,
// so Cancel wiped a finished game (which asks no question). Cancel now changes nothing; OK
// starts the new game with the side the dialog's dice chose, in the engine and the history
// too.
TEST(Commands, CancelledNewGameChangesNothing) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    // White closes 0-1-2 with 3 -> 2 and takes black down to two pieces.
    f.SetPosition(Board({0, 1, 3}, {12, 13, 20}), 0, 0, kWhite);
    f.Game().GameStatus = kHumanToAct;
    for (int point : {3, 2, 12})
        f.Game().Click(point);
    ASSERT_EQ(f.Game().GameStatus, kWhiteWon);
    const std::string board = f.Game().Engine->LiveBoard;
    const auto players = f.Game().Players;

    for (const int type : {kHumanVsComputer + 10, int{kHumanVsHuman}, int{kComputerVsComputer}}) {
        SCOPED_TRACE(type);
        f.newGameDialog = [](TFConnexion&) { return false; };
        f.window->StartNewGame(type);
        EXPECT_TRUE(f.abandonQuestions.empty()) << "a finished game asks nothing";
        EXPECT_EQ(f.Game().MoveCount, 1);
        EXPECT_EQ(f.Game().GameStatus, kWhiteWon);
        EXPECT_EQ(f.Game().GameType, kHumanVsComputer);
        EXPECT_EQ(f.Game().Engine->LiveBoard, board);
        EXPECT_EQ(f.Game().RecordedEntries(), 2);
        for (int side : {kWhite, kBlack}) {
            EXPECT_EQ(f.Game().Players[side].Name, players[side].Name);
            EXPECT_EQ(f.Game().Players[side].Level, players[side].Level);
        }
    }

    for (int die : {1, 6}) {
        f.newGameDialog = [die](TFConnexion& dialog) {
            dialog.RxDice_hvc_b->StopOn(die);
            dialog.RxDice_hvc_n->StopOn(7 - die);
            dialog.Btn_okClick();
            return true;
        };
        f.window->StartNewGame(kHumanVsHuman);
        const int first = die == 6 ? kWhite : kBlack;
        EXPECT_EQ(f.Game().MoveCount, 0);
        EXPECT_EQ(f.Game().GameType, kHumanVsHuman);
        EXPECT_EQ(f.Game().SideToMove, first);
        EXPECT_EQ(f.Game().Engine->SideToMove, first);
        EXPECT_EQ(f.Game().History[0].Side, 1 - first);
        EXPECT_TRUE(f.Game().InvariantProblem().empty()) << f.Game().InvariantProblem();
    }
}

// Runs the event loop for `ms` milliseconds: whatever the clock would do meanwhile, it does.
void Spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Guards the clock under every question and dialog: the program's own message path held it,
// but the abandon question, the file dialog and the new-game dialog did not, so the computer
// played under "Abandonner la partie en cours ?". Each one now holds the clock while it is
// open, and the clock runs again after it.
TEST(Commands, NoMoveUnderAQuestion) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.Game().Click(0);
    ASSERT_EQ(f.Game().GameStatus, kComputerToAct);
    f.ViewIdle();

    std::vector<bool> ticking;
    std::vector<int> moves;
    f.whileAsked = [&] {
        ticking.push_back(f.window->Horloge.isActive());
        Spin(350);
        moves.push_back(f.Game().MoveCount);
    };
    struct Case {
        const char* what;
        std::function<void()> ask;
    } cases[] = {
        {"the abandon question",
         [&] {
             f.abandonAnswer = TAbandonAnswer::Cancel;
             f.window->NouveauJeu->trigger();
         }},
        {"the new-game dialog",
         [&] {
             f.abandonAnswer = TAbandonAnswer::Yes;
             f.newGameDialog = [&](TFConnexion&) {
                 f.whileAsked();
                 return false;
             };
             f.window->NouveauJeu->trigger();
         }},
        {"the file dialog", [&] { f.window->FileSaveAs1->trigger(); }},
        {"the draw question", [&] { f.window->AskYesNo("Acceptez-vous le nul ?", 1000); }},
        {"a message", [&] { f.window->Inform("Nul refusé", 100); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ticking.clear();
        moves.clear();
        f.window->Horloge.start();
        c.ask();
        ASSERT_FALSE(ticking.empty()) << "nothing was asked";
        for (size_t k = 0; k < ticking.size(); ++k) {
            EXPECT_FALSE(ticking[k]);
            EXPECT_EQ(moves[k], 1) << "the computer played under the question";
        }
        EXPECT_TRUE(f.window->Horloge.isActive()) << "the clock did not go on";
        f.window->Horloge.stop();
    }

    // With the clock running and nothing asked, the computer does play.
    f.window->Horloge.start();
    for (int k = 0; k < 50 && f.Game().MoveCount == 1; ++k)
        Spin(100);
    f.window->Horloge.stop();
    EXPECT_EQ(f.Game().MoveCount, 2);
}

} // namespace
