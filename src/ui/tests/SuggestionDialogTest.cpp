// The suggestion dialog on the main window's game: its defaults, a search on the worker
// thread, "Jouer" as clicks, and a search abandoned when the dialog closes.
#include "UiTestSupport.h"

#include "ui/Conseil.h"
#include "ui/SdimainDialogs.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace vantorel::testing {
namespace {

// Runs the dialog's search and waits for its line, as the window's event loop would.
bool Calculate(TForm_conseil& dialog) {
    QSignalSpy shown(&dialog, &TForm_conseil::SuggestionShown);
    dialog.Btn_calc->click();
    return shown.wait(60000);
}

TEST(SuggestionDialogTest, OpensOnItsDefaultsAndHoldsTheWindow) {
    WindowFixture f;
    f.StartNineMensMorris(kBlack);
    f.window->Horloge.start();
    bool ran = false;
    OpenSuggestionDialog(*f.window, [&](TForm_conseil& dialog) {
        ran = true;
        EXPECT_EQ(dialog.Cb_algo->currentText(), QStringLiteral("MTDF"));
        EXPECT_EQ(dialog.CB_eval->currentText(), QStringLiteral("Détaillée"));
        EXPECT_EQ(dialog.CB_niveau->currentText(), QStringLiteral("4"));
        EXPECT_FALSE(dialog.BitBtn_jouer->isEnabled());
        EXPECT_EQ(dialog.StatusBar1->currentMessage(), QStringLiteral("Prêt"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Suggérer un coup - Noir"));
        EXPECT_FALSE(f.window->Horloge.isActive());
        EXPECT_EQ(f.window->ThemeId, TMainWindow::kNoTheme);
        dialog.CB_niveau->setCurrentIndex(5);
        const TSuggestionRequest request = dialog.CurrentRequest();
        EXPECT_EQ(request.Depth, 6);
        EXPECT_EQ(request.Algorithm, 5);
        EXPECT_EQ(request.EvalMode, 1);
    });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(f.window->Horloge.isActive());
    EXPECT_EQ(f.window->ThemeId, 1);
}

// "Jouer" plays the line's first move, and nothing more, through the game's clicks.
TEST(SuggestionDialogTest, JouerPlaysExactlyTheFirstMove) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.SetPosition(Board({0, 1, 9, 17}, {3, 12, 20, 21}), 3, 3, kWhite);
    TForm_conseil dialog(f.Game(), ConseilPartsFor(*f.window));
    dialog.CB_niveau->setCurrentIndex(2);
    ASSERT_TRUE(Calculate(dialog));
    EXPECT_TRUE(dialog.BitBtn_jouer->isEnabled());
    EXPECT_TRUE(dialog.StatusBar1->currentMessage().contains(
        QRegularExpression(QStringLiteral("^Coup trouve en \\d+\\.\\d{3} ms\\. \\d+ positions "
                                          "examinées$"))))
        << dialog.StatusBar1->currentMessage().toStdString();
    const TMove first = dialog.Line.Moves[0];
    const std::string before = f.Game().Engine->LiveBoard;
    ASSERT_LT(first.From, 0) << "white still places";

    dialog.BitBtn_jouer->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.Game().MoveCount, 1);
    EXPECT_EQ(f.Game().History[1].Move, first);
    EXPECT_EQ(f.Game().Engine->LiveBoard[static_cast<size_t>(first.To)], 'B');
    EXPECT_EQ(f.Game().SideToMove, kBlack);
}

TEST(SuggestionDialogTest, TheSameQuestionGetsTheSameLine) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.SetPosition(Board({0, 9, 17}, {3, 12, 20}), 6, 6, kWhite);
    TForm_conseil dialog(f.Game(), ConseilPartsFor(*f.window));
    dialog.CB_niveau->setCurrentIndex(3);
    ASSERT_TRUE(Calculate(dialog));
    const TSearchLine first = dialog.Line;
    ASSERT_TRUE(Calculate(dialog));
    EXPECT_EQ(dialog.Line.Moves, first.Moves);
    EXPECT_EQ(dialog.Line.Score, first.Score);
}

TEST(SuggestionDialogTest, TwoPiecesLeftGivesNoMoveToPlay) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.SetPosition(Board({0, 1, 2}, {8, 9}), 0, 0, kWhite);
    TForm_conseil dialog(f.Game(), ConseilPartsFor(*f.window));
    ASSERT_TRUE(Calculate(dialog));
    EXPECT_EQ(dialog.Steps, 0);
    EXPECT_FALSE(dialog.BitBtn_jouer->isEnabled());
}

// Closing during a deep search abandons it at once; its result never arrives.
TEST(SuggestionDialogTest, ClosingAbandonsTheSearch) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    TForm_conseil dialog(f.Game(), ConseilPartsFor(*f.window));
    QSignalSpy shown(&dialog, &TForm_conseil::SuggestionShown);
    dialog.CB_niveau->setCurrentIndex(5);
    dialog.Btn_calc->click();
    EXPECT_TRUE(dialog.Searching());
    EXPECT_FALSE(dialog.Btn_calc->isEnabled());
    dialog.reject();
    EXPECT_FALSE(dialog.Searching());
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(dialog.Steps, 0);
    EXPECT_EQ(f.Game().MoveCount, 0);
}

TEST(SuggestionDialogTest, OpeningStopsRollingDice) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite, true);
    f.Game().RollDice();
    f.Game().Click(0);
    ASSERT_EQ(f.Game().ClickState, kClickStopDice);
    TForm_conseil dialog(f.Game(), ConseilPartsFor(*f.window));
    EXPECT_NE(f.Game().ClickState, kClickStopDice);
}

} // namespace
} // namespace vantorel::testing
