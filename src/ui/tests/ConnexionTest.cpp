// The new-game dialog: what each page writes into the game, the dice that choose the first
// player, the pages shown, and the address check of the network page.
#include "ui/Connexion.h"
#include "game/TPlateau.h"
#include "ui/TDie.h"

#include "engine/Random.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

struct DialogFixture {
    explicit DialogFixture(int gameType, const QString& machine = QStringLiteral("atelier")) {
        RandSeed(5);
        game.Players[kWhite] = {"Anselme", TPlayerRec::Human, "", 0};
        game.Players[kBlack] = {"Basile", TPlayerRec::Computer, "", 3};
        names.AddDefaults();
        dialog = std::make_unique<TFConnexion>(nullptr, game, names, gameType,
                                               QStringList{QStringLiteral("10.0.0.2")}, machine);
    }
    void Dice(int white, int black) {
        dialog->RxDice_hvc_b->StopOn(white);
        dialog->RxDice_hvc_n->StopOn(black);
    }
    TPlateau game{0, true, nullptr};
    TPlayerNames names;
    std::unique_ptr<TFConnexion> dialog;
};

// Guards the first player: black starts on equal or greater dice, and the label names the
// side the dice favour.
TEST(Connexion, DiceChooseTheFirstPlayer) {
    const struct {
        int white, black, first;
        const char* label;
    } cases[] = {{5, 2, kWhite, "Le joueur Blanc a le trait."},
                 {2, 5, kBlack, "Le joueur Noir a le trait."},
                 {6, 1, kWhite, "Le joueur Blanc a le trait."}};
    for (const auto& c : cases) {
        DialogFixture f(1);
        f.Dice(c.white, c.black);
        EXPECT_EQ(f.dialog->TraitLabel->text().toStdString(), c.label);
        f.dialog->Btn_okClick();
        EXPECT_EQ(f.game.SideToMove, c.first);
        EXPECT_EQ(f.game.LastMover, 1 - c.first);
    }
}

// Guards equal dice: once both have stopped on the same face they roll again, and a click
// on a die rolls both.
TEST(Connexion, EqualDiceRollAgain) {
    DialogFixture f(1);
    f.Dice(4, 4);
    EXPECT_TRUE(f.dialog->RxDice_hvc_b->Rolling());
    EXPECT_TRUE(f.dialog->RxDice_hvc_n->Rolling());
    f.Dice(1, 2);
    EXPECT_FALSE(f.dialog->RxDice_hvc_b->Rolling());
    emit f.dialog->RxDice_hvc_n->Clicked();
    EXPECT_TRUE(f.dialog->RxDice_hvc_b->Rolling());
    EXPECT_TRUE(f.dialog->RxDice_hvc_n->Rolling());
}

// Guards the page against the computer: the human's side and name, the computer's name
// from the machine ("Vantorel " before a short one) and its level.
TEST(Connexion, HumanAgainstComputer) {
    for (const auto& [machine, expected] :
         {std::pair{"pc", "Vantorel pc"}, std::pair{"atelier", "atelier"},
          std::pair{"abcde", "abcde"}, std::pair{"abcd", "Vantorel abcd"}}) {
        DialogFixture f(1, QString::fromLatin1(machine));
        f.dialog->RB_hvcNoir->setChecked(true);
        f.dialog->CB_HVCnom->setCurrentText(QStringLiteral("  Zélie  "));
        f.dialog->CB_HVC_Niveau->setCurrentIndex(4);
        f.Dice(1, 6);
        f.dialog->Btn_okClick();
        EXPECT_EQ(f.game.GameType, kHumanVsComputer);
        EXPECT_EQ(f.game.Players[kBlack].Kind, TPlayerRec::Human);
        EXPECT_EQ(f.game.Players[kBlack].Name, "Zélie");
        EXPECT_EQ(f.game.Players[kWhite].Kind, TPlayerRec::Computer);
        EXPECT_EQ(f.game.Players[kWhite].Name, expected);
        EXPECT_EQ(f.game.Players[kWhite].Level, 11);
        EXPECT_EQ(f.dialog->ComputerLevel, 11);
        EXPECT_TRUE(f.names.Contains(QStringLiteral("Zélie")));
    }
}

// Guards the other pages: two people with their names (an empty one replaced, not added),
// two computers with a level each and the start and loop modes.
TEST(Connexion, TwoPeopleAndTwoComputers) {
    DialogFixture people(2);
    EXPECT_EQ(people.dialog->CB_hvhNomBlanc->currentText().toStdString(), "Anselme");
    EXPECT_EQ(people.dialog->CB_hvhNomnoir->currentText().toStdString(), "Bresca")
        << "black is not a human here: the default name";
    people.dialog->CB_hvhNomnoir->setCurrentText(QStringLiteral("   "));
    people.dialog->Btn_okClick();
    EXPECT_EQ(people.game.GameType, kHumanVsHuman);
    EXPECT_EQ(people.game.Players[kWhite].Name, "Anselme");
    EXPECT_EQ(people.game.Players[kBlack].Name, "Bresca");
    EXPECT_EQ(people.game.Players[kBlack].Kind, TPlayerRec::Human);
    EXPECT_FALSE(people.names.Contains(QString()));

    DialogFixture machines(4);
    EXPECT_EQ(machines.dialog->Cb_cvcNomBlanc->currentText().toStdString(), "Anselme");
    machines.dialog->CB_cvcNiveauBlanc->setCurrentIndex(0);
    machines.dialog->CB_cvcNiveauNoir->setCurrentIndex(4);
    machines.dialog->CB_cvcdem->setCurrentIndex(1);
    machines.dialog->CB_cvcBoucle->setCurrentIndex(3);
    machines.dialog->Btn_okClick();
    EXPECT_EQ(machines.game.GameType, kComputerVsComputer);
    EXPECT_EQ(machines.game.Players[kWhite].Level, 0);
    EXPECT_EQ(machines.game.Players[kBlack].Level, 11);
    EXPECT_EQ(machines.game.Players[kBlack].Kind, TPlayerRec::Computer);
    EXPECT_EQ(machines.dialog->ComputerLevel, 0);
    EXPECT_EQ(machines.dialog->CvcWaitForUser, 1);
    EXPECT_EQ(machines.dialog->CvcLoopMode, 3);
}

// Guards the pages shown: one alone from "Adversaires", all of them from
// "Nouvelle Partie...".
TEST(Connexion, PagesShown) {
    DialogFixture alone(2);
    QTabWidget& tabs = *alone.dialog->Onglet;
    EXPECT_EQ(tabs.currentIndex(), 1);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(tabs.isTabVisible(k), k == 1) << k;

    DialogFixture among(12);
    EXPECT_EQ(among.dialog->Onglet->currentIndex(), 1);
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(among.dialog->Onglet->isTabVisible(k)) << k;
    EXPECT_EQ(among.dialog->IP_client->count(), 1);
}

// Guards the network page: the serving player on the colour chosen against "?", the
// caller's host name looked up without holding the dialog, an unknown one refused.
TEST(Connexion, NetworkPage) {
    DialogFixture serving(3);
    EXPECT_TRUE(serving.dialog->Onglet->isTabVisible(2));
    EXPECT_FALSE(serving.dialog->NetworkStateServ->text().isEmpty());
    serving.dialog->RB_res_b->setChecked(true);
    serving.dialog->CB_reseau->setCurrentText(QStringLiteral("Anaïs"));
    serving.dialog->Btn_okClick();
    EXPECT_EQ(serving.game.GameType, kNetworkServer);
    EXPECT_EQ(serving.dialog->NetworkRole, 2);
    EXPECT_EQ(serving.game.Players[kWhite].Kind, TPlayerRec::Server);
    EXPECT_EQ(serving.game.Players[kWhite].Name, "Anaïs");
    EXPECT_EQ(serving.game.Players[kBlack].Kind, TPlayerRec::Caller);
    EXPECT_EQ(serving.game.Players[kBlack].Name, "?");

    const struct {
        const char* typed;
        const char* address; // nullptr: refused
    } cases[] = {{"192.168.001.010", "192.168.1.10"},
                 {"localhost", "127.0.0.1"},
                 {"nulle-part.invalid", nullptr}};
    for (const auto& c : cases) {
        DialogFixture calling(3);
        QStringList errors;
        calling.dialog->ShowError = [&errors](const QString& text) { errors << text; };
        calling.dialog->RB_client->setChecked(true);
        calling.dialog->RB_clientClick();
        calling.dialog->IP_client->setCurrentText(QString::fromLatin1(c.typed));
        calling.dialog->Btn_okClick();
        QElapsedTimer clock;
        clock.start();
        while (calling.dialog->result() != QDialog::Accepted && errors.isEmpty() &&
               clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (c.address) {
            EXPECT_EQ(calling.dialog->ServerAddress.toStdString(), c.address) << c.typed;
            EXPECT_EQ(calling.game.GameType, kNetworkCaller) << c.typed;
            EXPECT_EQ(calling.dialog->NetworkRole, 1);
        } else {
            EXPECT_EQ(errors, QStringList{"Adresse IP incorrecte ou ordinateur inconnu !"});
            EXPECT_NE(calling.dialog->result(), QDialog::Accepted);
        }
    }
}

// Guards the address check: leading zeros dropped, every group in 0..255, any separator.
TEST(Connexion, DottedAddressCheck) {
    const std::pair<const char*, const char*> cases[] = {{"192.168.001.010", "192.168.1.10"},
                                                         {" 10.0.0.1 ", "10.0.0.1"},
                                                         {"1 2 3 4", "1.2.3.4"},
                                                         {"300.1.1.1", nullptr},
                                                         {"1.2.3", nullptr},
                                                         {"serveur.local", nullptr},
                                                         {"", nullptr},
                                                         {"1.2.3.99999999999999", nullptr}};
    for (const auto& [text, expected] : cases) {
        const std::optional<QString> got = CheckDottedAddress(QString::fromLatin1(text));
        if (expected)
            EXPECT_EQ(got.value_or(QString()).toStdString(), expected) << text;
        else
            EXPECT_FALSE(got.has_value()) << text;
    }
}

// Guards Cancel: the game is left as it was.
TEST(Connexion, CancelChangesNothing) {
    DialogFixture f(1);
    f.dialog->CB_HVCnom->setCurrentText(QStringLiteral("Personne"));
    f.dialog->Btn_cancelClick();
    EXPECT_EQ(f.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(f.game.Players[kWhite].Name, "Anselme");
    EXPECT_EQ(f.game.Players[kBlack].Kind, TPlayerRec::Computer);
    EXPECT_FALSE(f.names.Contains(QStringLiteral("Personne")));
}

} // namespace
