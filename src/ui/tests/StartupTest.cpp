// Start and exit of the window: what a first run shows, what a clean exit leaves for the
// next run, and what a run that never exits cleanly leaves.
#include "UiTestSupport.h"

#include "game/TFileModele.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <fstream>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// Guards a first run: default options, the built-in board, the intro, then the theme
// remembered by default: the 3D classic board.
TEST(Startup, FirstRunStartsOnTheDefaults) {
    WindowFixture f;
    EXPECT_EQ(f.window->ThemeId, 0);
    EXPECT_EQ(f.Game().Model.Kind, 0);
    const TOptions defaults;
    for (size_t k : {0u, 2u, 5u, 7u, 9u, 11u})
        EXPECT_EQ(f.window->OptionsRecord.Values[k], defaults.Values[k]) << k;
    EXPECT_TRUE(f.window->PlayerNames.Contains(QStringLiteral("Olvira")));
    f.EndIntro();
    EXPECT_EQ(f.window->ThemeId, 6);
    EXPECT_EQ(f.Game().Players[kWhite].Name, "Olvira") << "the game object's own players";
    EXPECT_EQ(f.Game().Players[kBlack].Name, "Vantorel");
    EXPECT_EQ(f.Game().Players[kBlack].Kind, TPlayerRec::Computer);
    EXPECT_EQ(f.Stored(QStringLiteral("Interface/Theme")).toStdString(), "1")
        << "a run that dies must not come back to the theme that may have killed it";
    EXPECT_EQ(f.Stored(QStringLiteral("Interface/Tablier")).toStdString(), "");
}

// Guards the clean exit: the board of the library, the options, the first human's name
// and the players typed come back; a run that is killed leaves the defaults.
TEST(Startup, CleanExitIsRememberedAndAKilledRunIsNot) {
    QTemporaryDir home;
    const QString library = QDir(home.path()).filePath(QStringLiteral("Vantorel.tev"));
    {
        QSettings store(QDir(home.path()).filePath(QStringLiteral("utilisateur.conf")),
                        QSettings::IniFormat);
        store.setValue(QStringLiteral("Modele/Variant"), library);
    }
    Tmodele variant(1);
    variant.Kind = 0x123456;
    variant.Day = 9;
    variant.Month = 12;
    variant.Year = 2026;
    variant.Name = "Plateau d'essai";
    {
        std::ofstream out(library.toStdString(), std::ios::binary);
        variant.SaveToStream(out);
    }

    {
        WindowFixture first(home.path());
        first.EndIntro();
        first.Game().Model.Assign(variant);
        first.window->ChooseLevel(3);
        first.window->PlayerNames.Add(QStringLiteral("Zélie"));
        first.window->SetUpLocalGame(kHumanVsComputer, kWhite, kBlack);
        first.Game().Players[kBlack].Name = "Zélie";
        first.window->close();
    }
    {
        QSettings store(QDir(home.path()).filePath(QStringLiteral("utilisateur.conf")),
                        QSettings::IniFormat);
        EXPECT_EQ(store.value(QStringLiteral("Interface/Joueur")).toString().toStdString(),
                  "Zélie");
        EXPECT_EQ(store.value(QStringLiteral("Interface/Theme")).toString().toStdString(), "6");
    }

    {
        WindowFixture second(home.path());
        EXPECT_EQ(second.Game().Model.Kind, 0x123456);
        EXPECT_EQ(second.Game().Model.Name, "Plateau d'essai");
        EXPECT_EQ(second.window->OptionsRecord[TOptions::ComputerLevel], 3);
        EXPECT_TRUE(second.window->PlayerNames.Contains(QStringLiteral("Zélie")));
        second.EndIntro();
        EXPECT_EQ(second.window->ThemeId, 6);
        EXPECT_EQ(second.Game().Players[kWhite].Name, "Zélie") << "the name last played under";
        EXPECT_EQ(second.Game().Players[kBlack].Name, "Vantorel");

        // Killed now: nothing more is written, and the next run starts on the defaults.
        WindowFixture third(home.path());
        EXPECT_EQ(third.Game().Model.Kind, 0);
        third.EndIntro();
        EXPECT_EQ(third.window->ThemeId, 1);
    }
}

} // namespace
