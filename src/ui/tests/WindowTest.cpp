// The window read at a glance: status texts that fit their panels, hints that leave the
// panels alone, the size the window opens at and keeps, the tool bar's pictures and the
// boxes' widths.
#include "UiTestSupport.h"

#include "ui/Boxes.h"
#include "ui/StatusPanels.h"
#include "ui/ToolIcons.h"
#include "ui/WindowPlace.h"

#include "i18n/Language.h"
#include "i18n/Translate.h"

#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// The room a label gives its text.
int TextRoom(const QLabel& label) {
    return label.contentsRect().width() - 2 * label.margin();
}

// Guards the cut status texts ("Cliquez sur une case pour commencer la") and the move lines
// that lost their capture: at the default size of a 1280 × 1024 screen, and in a window
// 1200 wide, every text of the catalogue and every move line has room in its panel, in
// both languages (panels made in French and switched to English measure again).
TEST(Window, EveryStatusTextFitsItsPanel) {
    const QRect area(0, 0, 1280, 1024);
    const auto texts = StatusCatalogueTexts();
    ASSERT_GT(texts.size(), 20u);
    TStatusPanels switched;
    for (const char* language : {kFrench, kEnglish}) {
        ASSERT_TRUE(InstallLanguage(QString::fromLatin1(language)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        TStatusPanels probe;
        const int needed = StatusTextWidths(probe.Panel(0)->fontMetrics()).Status;
        EXPECT_EQ(switched.OneLineWidth(), probe.OneLineWidth()) << language;
        const int defaultWidth = DefaultWindowRect(area, needed).width();
        for (int windowWidth : {defaultWidth, 1200, 1600}) {
            TStatusPanels panels;
            // The status bar's own margins and its size grip.
            panels.resize(windowWidth - 24, 60);
            panels.show();
            QApplication::processEvents();
            const QFontMetrics metrics = panels.Panel(0)->fontMetrics();
            for (const TText& text : texts)
                EXPECT_LE(metrics.horizontalAdvance(TrText(text)), TextRoom(*panels.Panel(0)))
                    << language << " " << windowWidth << ": " << TrText(text).toStdString();
            for (const TText& line : MoveLineSamples())
                for (int panel : {1, 2})
                    EXPECT_LE(metrics.horizontalAdvance(TrText(line)),
                              TextRoom(*panels.Panel(panel)))
                        << language << " " << windowWidth << ": " << TrText(line).toStdString();
        }
    }
    InstallLanguage(QString::fromLatin1(kFrench));
}

// Guards the hint of a tool button that blanked the three panels: it goes to the first
// panel only and the panel gets its text back when the mouse leaves.
TEST(Window, AHintLeavesTheMovePanelsAndComesBack) {
    WindowFixture f;
    f.EndIntro();
    f.window->SetStatusPanel(0, "C'est à vous de placer un jeton.");
    f.window->SetStatusPanel(1, "1. 00:00:02 Blanc :  _ -> 5");
    f.window->SetStatusPanel(2, "2. 00:00:04 Noir :  _ -> 7");
    QStatusTipEvent enter(QStringLiteral("Coup précédent"));
    QApplication::sendEvent(f.window.get(), &enter);
    EXPECT_EQ(f.Panel(0).toStdString(), "Coup précédent");
    for (int panel : {1, 2}) {
        EXPECT_FALSE(f.window->StatusPanel(panel)->isHidden()) << panel;
        EXPECT_FALSE(f.Panel(panel).isEmpty()) << panel;
    }
    EXPECT_TRUE(f.window->statusBar()->currentMessage().isEmpty());
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(f.window.get(), &leave);
    EXPECT_EQ(f.Panel(0).toStdString(), "C'est à vous de placer un jeton.");
}

// Guards the 673 × 454 window: about two thirds of the free area, centred, wide enough
// for the status texts, never wider than the screen.
TEST(Window, DefaultPlaceIsTwoThirdsOfTheScreen) {
    struct Case {
        QRect area;
        int minimum;
        QRect expected;
    };
    const Case cases[] = {
        {{0, 0, 1280, 1024}, 500, {213, 171, 853, 682}},
        {{0, 24, 1920, 1056}, 500, {320, 200, 1280, 704}},
        {{0, 0, 800, 600}, 600, {80, 100, 640, 400}},
        {{0, 0, 600, 480}, 700, {0, 80, 600, 320}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultWindowRect(c.area, c.minimum), c.expected) << c.area.width();
}

// Guards the size forgotten between runs.
TEST(Window, SizeAndPlaceComeBackNextRun) {
    QTemporaryDir home;
    {
        WindowFixture first(home.path());
        first.window->resize(700, 500);
        first.window->move(30, 40);
        first.window->close();
    }
    WindowFixture second(home.path());
    EXPECT_EQ(second.window->size(), QSize(700, 500));
}

// Guards the tool bar of words and look-alike triangles: a picture on every button and no
// words beside them, the replay and continue pictures apart, the stop hint following the
// state, the levels one choice among others.
TEST(Window, ToolBarShowsPicturesAndTheStopHintFollowsTheGame) {
    WindowFixture f;
    f.EndIntro();
    EXPECT_EQ(f.window->ToolBar_defaut->toolButtonStyle(), Qt::ToolButtonIconOnly);
    for (QToolButton* button : f.window->ToolBar_defaut->findChildren<QToolButton*>()) {
        if (button->objectName().isEmpty()) continue; // the tool bar's own extension arrow
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly)
            << button->objectName().toStdString();
    }
    EXPECT_NE(DrawToolIcon(TToolIcon::Replay, 24), DrawToolIcon(TToolIcon::Continue, 24));

    f.window->SetUpLocalGame(kComputerVsComputer);
    f.Game().GameStatus = kComputerToAct;
    f.window->RefreshStopButton();
    EXPECT_EQ(f.window->TB_stop->statusTip().toStdString(), "Arrête la partie en cours.");
    f.Game().GameStatus = kWaiting;
    f.window->RefreshStopButton();
    EXPECT_EQ(f.window->TB_stop->statusTip().toStdString(), "Continue la partie");
    EXPECT_NE(f.window->TB_stop->icon().pixmap(24).toImage(),
              f.window->TBfilm->icon().pixmap(24).toImage())
        << "continue and replay must not look the same";

    QActionGroup* group = f.window->LevelItems[0]->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    for (QAction* item : f.window->LevelItems)
        EXPECT_EQ(item->actionGroup(), group) << item->objectName().toStdString();
}

// Guards the box too narrow for its title bar ("Nul refusé" under "Vantorel").
TEST(Window, ABoxIsWideEnoughForItsTitle) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vantorel"),
                    QStringLiteral("Nul refusé"), QMessageBox::Ok);
    WidenForTitle(box);
    box.show();
    QApplication::processEvents();
    QFont bold = box.font();
    bold.setBold(true);
    EXPECT_GE(box.width(), QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarRoom);
    box.hide();
}

} // namespace

namespace {

// Guards a help page that promised marks the board never draws: the possible points are
// told by the pointer, and the page says so.
TEST(Window, TheWindowPageSaysWhatTheBoardShows) {
    QFile page(QStringLiteral(VANTOREL_HELP_SOURCE "/fenetre.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    EXPECT_FALSE(text.contains(QStringLiteral("cases possibles sont marquées")));
    EXPECT_TRUE(text.contains(QStringLiteral("le pointeur devient une main")));
}

} // namespace
