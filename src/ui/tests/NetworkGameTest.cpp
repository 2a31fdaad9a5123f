// The main window in a network game: the network window it opens, what its game sends and
// receives through it, and the window's end when a local game is set up. The other machine
// is a game object of the test, serving on a free loopback port.
#include "UiTestSupport.h"

#include "game/THeadlessOwner.h"
#include "net/Reseau.h"
#include "ui/Connexion.h"
#include "ui/Session.h"

#include <QTabWidget>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

bool Pump(const std::function<bool()>& done, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

struct QuietHost : TNetSessionHost {
    int drawOffers = 0;
    int AppendLog(const QString&) override { return 0; }
    void ReplaceLogLine(int, const QString&) override {}
    void SetIconSmiley(int) override {}
    void ConnectedChanged(bool) override {}
    void PeersChanged(const QStringList&) override {}
    void HidePeers() override {}
    void AnswerDrawOffer() override { ++drawOffers; }
    void ShowMessage(const QString&) override {}
    void RebuildViewForNewModel() override {}
    void RefreshView() override {}
    void AddressCalled(const QString&) override {}
};

// Guards the wiring between the window's game and the network window: a move received is
// shown, a move played is sent, a draw offer goes out, and a local game ends the network.
TEST(NetworkGame, TheWindowPlaysAgainstALoopbackServer) {
    WindowFixture f;
    f.EndIntro();

    THeadlessOwner serverOwner(1);
    uint32_t now = 1000;
    TPlateau server(
        1, true, &serverOwner, [&now] { return now; }, [] {});
    server.GameType = kNetworkServer;
    server.Players[kWhite] = {"Anaïs", TPlayerRec::Server, "", 0};
    server.Players[kBlack] = {"?", TPlayerRec::Caller, "", 0};
    server.SideToMove = kWhite;
    server.Engine->SideToMove = kWhite;
    server.LastMover = kBlack;
    server.History[0].Side = kBlack;
    QuietHost host;
    TNetSession session(server, host);
    session.Start(2, {}, 0, QHostAddress::LocalHost);
    ASSERT_GT(session.ListeningPort(), 0);

    // The recent addresses: the one called goes first, the file keeps its date.
    {
        TIniText ini(f.window->SettingsPath);
        ini.ReplaceSection(QStringLiteral("Connexion"),
                           {QStringLiteral("IP_01=10.0.0.1"), QStringLiteral("IP_02=10.0.0.2"),
                            QStringLiteral("Port=4321")});
        ASSERT_TRUE(ini.Save());
        QFile file(f.window->SettingsPath);
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2020, 5, 4), QTime(3, 2, 1)),
                                     QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(f.window->NetworkPort(), 4321);
    f.window->StartNetworkGame(1, QStringLiteral("127.0.0.1"), session.ListeningPort());
    ASSERT_NE(f.window->Reseau, nullptr);
    EXPECT_EQ(f.Game().GameType, kNetworkCaller);
    ASSERT_TRUE(Pump([&] { return f.window->NetworkRole() == 2; }));
    EXPECT_EQ(f.Game().Players[kWhite].Name, "Anaïs");
    EXPECT_EQ(ReadRecentAddresses(f.window->SettingsPath),
              (QStringList{"127.0.0.1", "10.0.0.1", "10.0.0.2"}));
    EXPECT_EQ(f.window->NetworkPort(), 4321) << "the port setting survives the update";
    EXPECT_EQ(QFileInfo(f.window->SettingsPath).lastModified(),
              QDateTime(QDate(2020, 5, 4), QTime(3, 2, 1)));
    EXPECT_TRUE(f.window->Caption().contains(QStringLiteral("Anaïs")));

    now += 100;
    server.Click(0);
    ASSERT_EQ(server.MoveCount, 1);
    session.SendMove();
    ASSERT_TRUE(Pump([&] { return f.Game().MoveCount == 1; }));
    EXPECT_EQ(f.Game().Engine->LiveBoard[0], 'B');

    f.Game().Click(9);
    ASSERT_TRUE(Pump([&] { return server.MoveCount == 2; }));
    EXPECT_EQ(server.Engine->LiveBoard, f.Game().Engine->LiveBoard);

    f.window->ProposernullClick();
    ASSERT_TRUE(Pump([&] { return host.drawOffers == 1; }));

    // A game between two people here: the network window goes, and its connection.
    f.newGameDialog = [](TFConnexion& dialog) {
        dialog.Onglet->setCurrentIndex(1);
        dialog.Btn_okClick();
        return true;
    };
    f.window->StartNewGame(12);
    EXPECT_EQ(f.Game().GameType, kHumanVsHuman);
    EXPECT_EQ(f.window->Reseau, nullptr);
    EXPECT_EQ(f.window->NetworkRole(), -1);
    EXPECT_TRUE(Pump([&] { return session.CallerCount() == 0; }));
}

} // namespace
