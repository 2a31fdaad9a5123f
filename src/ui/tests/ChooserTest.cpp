// The variant chooser over real library files: what it lists and selects, its previews, and
// the main window's play mode.
#include "UiTestSupport.h"

#include "game/TFileModele.h"
#include "ui/Choix_jeu.h"
#include "ui/SdimainDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace vantorel::testing {
namespace {

class FixedPath : public TLibrarySettings {
public:
    std::filesystem::path path;
    std::filesystem::path StoredPath() const override { return path; }
    void StorePath(const std::filesystem::path&) override {}
};

Tmodele Variant(int kind, const std::string& name, int pieces) {
    Tmodele model(1);
    model.Kind = kind;
    model.Day = 1;
    model.Month = 2;
    model.Year = 2026;
    model.Name = name;
    model.PiecesPerSide[0] = model.PiecesPerSide[1] = pieces;
    return model;
}

struct Library {
    QTemporaryDir folder;
    FixedPath settings;
    std::unique_ptr<TFileModele> file;

    explicit Library(const std::vector<Tmodele>& variants, const std::string& tail = {}) {
        settings.path = folder.filePath(QStringLiteral("Vantorel.tev")).toStdString();
        file = std::make_unique<TFileModele>(settings, folder.path().toStdString());
        for (const Tmodele& v : variants)
            EXPECT_EQ(file->Append(v), "");
        if (!tail.empty()) {
            std::ofstream out(settings.path, std::ios::binary | std::ios::app);
            out << tail;
        }
    }
    TChooserParts Parts(const Tmodele* live = nullptr) {
        TChooserParts parts;
        parts.Library = [this] { return file.get(); };
        parts.LiveModel = [live] { return live; };
        return parts;
    }
};

std::vector<std::string> Names(const Tchoix_jeux& chooser) {
    std::vector<std::string> names;
    for (int i = 0; i < chooser.Liste_jeux->count(); ++i)
        names.push_back(chooser.Liste_jeux->item(i)->text().toStdString());
    return names;
}

TEST(ChooserTest, WhatTheListHolds) {
    struct Case {
        const char* what;
        std::vector<Tmodele> variants;
        std::string tail;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"one variant, and no built-in beside it", {Variant(7, "Seule", 9)}, "", {"Seule"}},
        {"an empty library falls back to the built-ins",
         {},
         "",
         {"Marelle de 9", "Nine Men's Morris"}},
        // A record cut short ends the list; the variants before it stay.
        {"a damaged record",
         {Variant(7, "A", 9), Variant(8, "B", 9)},
         std::string("\x06\x08Vantorel\x02\x05\x00\x00\x00\x0c\xff\xff\xff", 20),
         {"A", "B"}},
    };
    for (const Case& c : cases) {
        Library library(c.variants, c.tail);
        Tchoix_jeux chooser(library.Parts());
        chooser.Load(1);
        EXPECT_EQ(Names(chooser), c.names) << c.what;
        EXPECT_EQ(chooser.Previews.size(), c.names.size() + 1) << "entry 0 is a spare";
    }
}

TEST(ChooserTest, TheVariantInPlayIsSelectedWithItsProperties) {
    Tmodele second = Variant(8, "Deuxième", 11);
    second.JumpRule = 2;
    second.CaptureRule = 3;
    second.Description = {"Une ligne", "Une autre"};
    Library library({Variant(7, "Première", 9), second, Variant(9, "Troisième", 9)});
    Tchoix_jeux chooser(library.Parts(&second));
    chooser.Load(1);
    EXPECT_EQ(chooser.Liste_jeux->currentRow(), 1);
    EXPECT_EQ(chooser.Nom->text(), QStringLiteral("Deuxième"));
    EXPECT_EQ(chooser.cases->text(), QStringLiteral("24"));
    EXPECT_EQ(chooser.Pions->text(), QStringLiteral("11"));
    EXPECT_EQ(chooser.Sauts->currentIndex(), 2);
    EXPECT_EQ(chooser.Prise->currentIndex(), 3);
    EXPECT_EQ(chooser.Memo_desc->toPlainText(), QStringLiteral("Une ligne\nUne autre"));

    const Tmodele elsewhere = Variant(42, "Ailleurs", 9);
    Tchoix_jeux other(library.Parts(&elsewhere));
    other.Load(1);
    EXPECT_EQ(other.Liste_jeux->currentRow(), 0);
}

TEST(ChooserTest, PreviewsPlayAndRestartWhenASideIsDown) {
    Library library({Variant(7, "A", 9)});
    Tchoix_jeux chooser(library.Parts());
    chooser.Load(1);
    chooser.Busy = false;
    TPlateau& preview = *chooser.Previews[1].Game;
    chooser.HorlogeTimer(1);
    EXPECT_EQ(preview.MoveCount, 1);
    EXPECT_EQ(preview.Engine->LiveReserve[kWhite] + preview.Engine->LiveReserve[kBlack], 17);

    // Black is down to two pieces: the next tick of this preview starts it again.
    std::string board(24, 'L');
    board[0] = board[1] = board[9] = 'B';
    board[5] = board[13] = 'N';
    preview.Engine->LiveBoard = board;
    preview.Engine->LiveReserve[0] = preview.Engine->LiveReserve[1] = 0;
    chooser.HorlogeTimer(1);
    EXPECT_EQ(preview.MoveCount, 0);
    EXPECT_EQ(preview.Engine->LiveBoard, std::string(24, 'L'));
    EXPECT_EQ(preview.Engine->LiveReserve[kBlack], 9);

    // Paused (hidden, or in the middle of a move) nothing moves.
    chooser.Busy = true;
    chooser.HorlogeTimer(1);
    EXPECT_EQ(preview.MoveCount, 0);
}

TEST(ChooserTest, ShownItAnimatesHiddenItStops) {
    Library library({Variant(7, "A", 9)});
    Tchoix_jeux chooser(library.Parts());
    chooser.Load(1);
    EXPECT_FALSE(chooser.Horloge.isActive());
    chooser.show();
    EXPECT_TRUE(chooser.Horloge.isActive());
    EXPECT_EQ(chooser.Horloge.interval(), 500);
    chooser.hide();
    EXPECT_FALSE(chooser.Horloge.isActive());
}

// The editor's purposes get the chosen variant back; Cancel gives nothing.
TEST(ChooserTest, ChooseVariantReturnsTheSelection) {
    Library library({Variant(7, "A", 9), Variant(8, "B", 10)});
    Tchoix_jeux chooser(library.Parts());
    QTimer::singleShot(0, &chooser, [&] {
        chooser.Liste_jeux->setCurrentRow(1);
        chooser.BitBtn1->click();
    });
    const std::optional<Tmodele> chosen = chooser.ChooseVariant(3, nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Name, "B");
    EXPECT_EQ(chooser.Purpose, 3);
    EXPECT_TRUE(chooser.Previews.empty()) << "closing frees the previews";

    QTimer::singleShot(0, &chooser, [&] { chooser.Btn_CANCEL->click(); });
    EXPECT_FALSE(chooser.ChooseVariant(2, nullptr));
}

TEST(ChooserTest, WhatsThisClickShowsTheControlsHelp) {
    Library library({Variant(7, "A", 9)});
    std::vector<int> shown;
    bool mode = true;
    TChooserParts parts = library.Parts();
    parts.WhatsThisMode = [&] { return mode; };
    parts.LeaveWhatsThisFor = [&](int context) {
        mode = false;
        shown.push_back(context);
    };
    Tchoix_jeux chooser(std::move(parts));
    chooser.Load(1);
    chooser.show();
    QTest::mouseClick(chooser.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(shown, std::vector<int>{137});
    EXPECT_EQ(chooser.result(), QDialog::Rejected) << "the click did not confirm";
    EXPECT_TRUE(chooser.isVisible());
}

TEST(ChooserTest, PlayModeReplacesTheGameOnlyForAnotherVariant) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.Game().Click(0);
    ASSERT_EQ(f.Game().MoveCount, 1);
    const int theme = f.window->ThemeId;

    EXPECT_FALSE(PlayChosenVariant(*f.window, f.Game().Model));
    EXPECT_EQ(f.Game().MoveCount, 1) << "the same variant does not restart the game";

    const Tmodele other = Variant(7, "Autre", 6);
    EXPECT_TRUE(PlayChosenVariant(*f.window, other));
    EXPECT_TRUE(f.Game().Model.SameAs(other));
    EXPECT_EQ(f.Game().MoveCount, 0);
    EXPECT_EQ(f.Game().Engine->LiveReserve[kWhite], 6);
    EXPECT_EQ(f.window->ThemeId, theme) << "the view is rebuilt in the same theme";
    EXPECT_TRUE(f.window->Horloge.isActive());
}

// The menu command: the abandon question, then the chooser; its OK plays the variant chosen.
TEST(ChooserTest, NewGameItemOpensTheChooserInPlayMode) {
    WindowFixture f;
    f.StartNineMensMorris(kWhite);
    f.Game().Click(0);
    f.window->Horloge.start();
    bool clockHeld = false;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<Tchoix_jeux*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        clockHeld = !f.window->Horloge.isActive();
        EXPECT_EQ(chooser->Purpose, 1);
        EXPECT_EQ(chooser->Liste_jeux->currentRow(), 1) << "the live Nine Men's Morris";
        chooser->Liste_jeux->setCurrentRow(0);
        chooser->BitBtn1->click();
    });
    f.window->NewGameItem->trigger();
    EXPECT_EQ(f.abandonQuestions.size(), 1u);
    EXPECT_TRUE(clockHeld);
    EXPECT_EQ(f.Game().Model.Name, "Marelle de 9");
    EXPECT_EQ(f.Game().MoveCount, 0);
    EXPECT_TRUE(f.window->Horloge.isActive());
}

} // namespace
} // namespace vantorel::testing
