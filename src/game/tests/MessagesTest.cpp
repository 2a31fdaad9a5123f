#include "GameTestSupport.h"

#include "game/Messages.h"

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::TestGame;

// Guards the catalogue: templates filled only when a detail is given.
TEST(Messages, ErrorCatalogue) {
    EXPECT_EQ(ErrorMessage(2, "X"), "Impossible d'ouvrir la boite de dialogue. X");
    EXPECT_EQ(ErrorMessage(3), "Erreur de CRC !");
    EXPECT_EQ(ErrorMessage(4), "Impossible d'ouvrir le fichier. %s");
    EXPECT_EQ(ErrorMessage(4, ""), "Impossible d'ouvrir le fichier. ");
    EXPECT_EQ(ErrorMessage(7, "papier"), "Problème d'impression : papier");
    EXPECT_EQ(ErrorMessage(42, "?"), "Erreur inconnue ?");
}

// Guards the status table for the states a player meets most.
TEST(Messages, StatusTextByState) {
    TestGame t(1, kWhite, kHumanVsComputer);
    TStatusFacts facts;
    struct Case {
        int status, click;
        const char* text;
    } cases[] = {
        {kWaiting, kClickDestination, "Cliquez sur une case pour commencer la partie."},
        {kHumanToAct, kClickDestination, "C'est à vous de placer un jeton."},
        {kHumanToAct, kClickSelect, "Sélectionnez un pion à déplacer."},
        {kHumanToAct, kClickCapture, "Sélectionnez un pion à prendre."},
        {kComputerToAct, kClickDestination, "L'ordinateur réfléchit au prochain coup..."},
        {kWhiteWon, kClickDestination, "Partie terminée. Victoire des blancs"},
        {kDraw, kClickSelect, "Partie terminée. match null"},
    };
    for (const auto& c : cases) {
        t.game->GameStatus = static_cast<int8_t>(c.status);
        t.game->ClickState = static_cast<int8_t>(c.click);
        EXPECT_EQ(StatusText(*t.game, facts), c.text) << c.status << "/" << c.click;
    }
    t.game->GameStatus = kComputerToAct;
    t.game->ClickState = kClickComputerDice;
    t.game->Dice[1].Value = 2, t.game->Dice[2].Value = 5, t.game->Dice[3].Value = 6;
    EXPECT_EQ(StatusText(*t.game, facts), "Résultat des dés : 2-5-6. Patientez...");
    facts.ThemeId = 0;
    EXPECT_EQ(StatusText(*t.game, facts), "Chargement du programme... Veuillez patienter.");
}

// Guards the names and colour words of a game between two people.
TEST(Messages, StatusNamesThePlayerToMove) {
    TestGame t(1, kBlack, kHumanVsHuman);
    t.game->Players[kBlack].Name = "Zoé";
    t.game->GameStatus = kHumanToAct;
    EXPECT_EQ(StatusText(*t.game, {}), "C'est à Zoé (Noirs) de placer un jeton.");
    t.game->GameType = kNetworkServer;
    t.game->Players[kBlack].Kind = TPlayerRec::Caller;
    EXPECT_EQ(StatusText(*t.game, {}), "C'est à Zoé (Noirs-Distant) de placer un jeton.");
}

// Guards the text shown while a move is animated.
TEST(Messages, StatusWhileAnimatingAMove) {
    TestGame t(1, kWhite, kHumanVsHuman);
    t.game->MoveCount = 5;
    t.Engine().LastMove = {-1, 4, 16};
    TStatusFacts facts;
    facts.Animating = true;
    EXPECT_EQ(StatusText(*t.game, facts), "5 : Les blancs jouent : _ -> 5 x 17");
    t.game->MoveCount = 12;
    t.Engine().LastMove = {3, 4, 16};
    EXPECT_EQ(StatusText(*t.game, facts), "12 : Les blancs jouent : 4 -> 5 x 17");
}

// Guards the write rule: the same text twice is written once, a cleared panel again.
TEST(Messages, StatusPanelWrittenOnlyOnChange) {
    TStatusPanelRule rule;
    EXPECT_TRUE(rule.ShouldWrite("a", ""));
    EXPECT_FALSE(rule.ShouldWrite("a", "a"));
    EXPECT_TRUE(rule.ShouldWrite("a", ""));
    EXPECT_TRUE(rule.ShouldWrite("b", "a"));
}

// Guards the empty text of a running computer-against-computer game.
TEST(Messages, ComputerGameRunningShowsNothing) {
    TestGame t(1, kWhite, kComputerVsComputer);
    t.game->GameStatus = kComputerToAct;
    EXPECT_EQ(StatusText(*t.game, {}), "");
}
