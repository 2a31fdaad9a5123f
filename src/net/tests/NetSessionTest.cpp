// Two game objects over real loopback sockets, through the real protocol: the serving
// machine, its partner and its observers, and peers that misbehave.
#include "NetTestSupport.h"

#include "game/Protocol.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace vantorel;
using namespace vantorel::nettest;

namespace {

// A whole exchange: the caller plays another board and adopts the server's, moves go both
// ways, chat with a smiley, a draw offer refused then accepted.
TEST(NetSession, CallerAdoptsTheBoardAndBothPlay) {
    Machine server(1);
    Machine caller(0); // another variant: INFO must bring it over
    // The serving player took black: the first caller is still the partner, playing white.
    const quint16 port = server.Serve(kBlack, kWhite);
    ASSERT_GT(port, 0);
    caller.Call(port);
    ASSERT_TRUE(Pump([&] { return caller.session->Role() == 2; }));
    EXPECT_EQ(server.session->Role(), 1);
    EXPECT_EQ(caller.host.received, (std::vector<std::string>{"INFO", "ETAT", "STAT"}));
    EXPECT_TRUE(caller.host.Logged(QString::fromUtf8(texts::kNetPartner)));
    EXPECT_TRUE(caller.host.Logged(QStringLiteral("Connexion vers 127.0.0.1 terminée.")));
    EXPECT_TRUE(server.host.Logged(QStringLiteral("Connexion de 127.0.0.1.")));
    EXPECT_EQ(caller.game->Model.Kind, server.game->Model.Kind);
    EXPECT_EQ(caller.game->Model.Identity, server.game->Model.Identity);
    EXPECT_EQ(caller.game->Players[kBlack].Name, "Anaïs");
    EXPECT_EQ(caller.game->Players[kBlack].Kind, TPlayerRec::Server);
    EXPECT_EQ(caller.game->Players[kWhite].Kind, TPlayerRec::Caller);

    // The server may not play the caller's side; the caller plays white.
    EXPECT_TRUE(server.Click(0));
    EXPECT_EQ(server.game->MoveCount, 0);
    ASSERT_TRUE(caller.Click(0));
    ASSERT_TRUE(Pump([&] { return server.game->MoveCount == 1; }));
    EXPECT_EQ(server.Board(), caller.Board());
    ASSERT_TRUE(server.Click(9));
    ASSERT_TRUE(Pump([&] { return caller.game->MoveCount == 2; }));
    EXPECT_EQ(caller.Board(), server.Board());
    EXPECT_EQ(caller.Board()[9], 'N');
    EXPECT_EQ(caller.game->SideToMove, kWhite);

    caller.session->SendChat(QStringLiteral("à toi ;-)"));
    ASSERT_TRUE(Pump([&] { return server.host.smiley != 0; }));
    EXPECT_EQ(server.host.smiley, 2);
    EXPECT_TRUE(server.host.Logged(QStringLiteral("127.0.0.1 : à toi ;-)")));

    server.game->OfferDraw();
    ASSERT_TRUE(Pump([&] { return caller.host.drawOffers == 1; }));
    caller.session->SendDrawAnswer(false);
    ASSERT_TRUE(Pump([&] { return !server.host.shown.empty(); }));
    EXPECT_EQ(server.host.shown.back().toStdString(), texts::kDrawRefused);
    EXPECT_EQ(server.game->GameStatus, kHumanToAct);
    caller.game->OfferDraw();
    ASSERT_TRUE(Pump([&] { return server.host.drawOffers == 1; }));
    server.session->SendDrawAnswer(true);
    ASSERT_TRUE(Pump([&] { return caller.game->GameStatus == kDraw; }));
    EXPECT_EQ(server.game->GameStatus, kDraw);
    EXPECT_TRUE(caller.host.Logged(QString::fromUtf8(texts::kDrawAccepted)));

    server.session->SendDice(2, 4, 6);
    ASSERT_TRUE(Pump([&] { return caller.game->Dice[3].Value == 6; }));
    EXPECT_EQ(caller.game->Dice[1].Value, 2);
    EXPECT_EQ(caller.game->Dice[2].Value, 4);
}

// Later callers watch and can never play; the partner leaves and a new one takes over the
// game where it was.
TEST(NetSession, ObserversWatchAndAPartnerComesBack) {
    Machine server(1);
    Machine partner(1), observer(1), back(1);
    const quint16 port = server.Serve(kWhite, kWhite);
    partner.Call(port);
    ASSERT_TRUE(Pump([&] { return partner.session->Role() == 2; }));
    observer.Call(port);
    ASSERT_TRUE(Pump([&] { return observer.session->Role() == 3; }));
    EXPECT_TRUE(observer.host.Logged(QString::fromUtf8(texts::kNetObserver)));
    EXPECT_EQ(server.host.peers.size(), 2);

    ASSERT_TRUE(server.Click(0));
    ASSERT_TRUE(
        Pump([&] { return observer.game->MoveCount == 1 && partner.game->MoveCount == 1; }));
    // The observer's clicks change nothing, not even the count of refused clicks.
    for (int point : {9, 10, 11})
        observer.Click(point);
    EXPECT_EQ(observer.game->MoveCount, 1);
    EXPECT_EQ(observer.game->InvalidClicks, 0);
    // A state the observer sends anyway is ignored by the server.
    observer.game->MoveCount = 0;
    observer.session->SendMove();
    ASSERT_TRUE(partner.Click(9));
    ASSERT_TRUE(Pump([&] { return server.game->MoveCount == 2 && observer.game->MoveCount == 2; }));
    EXPECT_EQ(observer.Board(), server.Board());

    partner.session->Stop();
    ASSERT_TRUE(Pump([&] { return server.host.peers.size() == 1; }));
    EXPECT_TRUE(server.host.Logged(QStringLiteral("Déconnexion de 127.0.0.1")));
    back.Call(port);
    ASSERT_TRUE(Pump([&] { return back.session->Role() == 2; }));
    ASSERT_TRUE(Pump([&] { return back.game->MoveCount == 2; }));
    EXPECT_EQ(back.Board(), server.Board());
    ASSERT_TRUE(server.Click(1));
    ASSERT_TRUE(Pump([&] { return back.game->MoveCount == 3; }));
    ASSERT_TRUE(back.Click(10));
    ASSERT_TRUE(Pump([&] { return server.game->MoveCount == 4; }));
    EXPECT_EQ(server.Board(), back.Board());
}

// A stranger's bytes: the server's game is exactly as it was, the server answers the next
// honest caller, and a flood costs the flooder its connection.
TEST(NetSession, HostilePeersChangeNothing) {
    Machine server(1);
    const quint16 port = server.Serve(kBlack, kWhite);
    const std::string before = EncodeState(*server.game, -1, false);

    Machine other(0);
    other.game->Model.Identity = 12345;
    const std::string prefix = kWirePrefix;
    std::string forged = EncodeStateMessage(*server.game);
    forged[prefix.size() + 5] = forged[prefix.size() + 5] == '1' ? '2' : '1';
    struct Case {
        const char* guards;
        std::string bytes;
        bool dropped;
    };
    const Case cases[] = {
        {"garbage", std::string(5000, '\x01') + "TEV/VANT" + std::string(300, 'z'), false},
        {"a forged checksum", ToWire(forged + EncodeChat("x")), false},
        {"a state of another variant", ToWire(EncodeStateMessage(*other.game)), false},
        {"a variant from a caller", ToWire(EncodeModel(other.game->Model)), false},
        {"a role from a caller", ToWire(EncodeRole(1)), false},
        {"a chat line far too long", ToWire(prefix + "CHAT " + std::string(10000, 'a')), true},
        {"a flood of draw offers",
         [&] {
             std::string flood;
             for (int i = 0; i < 1000; ++i)
                 flood += ToWire(EncodeDrawOffer());
             return flood;
         }(),
         true},
        {"a state cut in the middle",
         [&] {
             const std::string state = ToWire(EncodeStateMessage(*server.game));
             return state.substr(0, state.size() - 40);
         }(),
         false},
    };
    for (const Case& c : cases) {
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, port);
        ASSERT_TRUE(peer.waitForConnected(3000)) << c.guards;
        const size_t logged = server.host.log.size();
        peer.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
        peer.flush();
        if (c.dropped) {
            EXPECT_TRUE(Pump([&] { return peer.state() == QAbstractSocket::UnconnectedState; }))
                << c.guards;
            EXPECT_TRUE(server.host.Logged(QStringLiteral("connexion coupée"))) << c.guards;
        } else {
            Pump([&] { return server.host.log.size() > logged + 3; }, 300);
        }
        peer.abort();
        ASSERT_TRUE(Pump([&] { return server.session->CallerCount() == 0; })) << c.guards;
        EXPECT_EQ(EncodeState(*server.game, -1, false), before) << c.guards;
        EXPECT_LE(server.host.drawOffers, TNetSession::kMaxMessagesPerSecond) << c.guards;
    }
    // The forged checksum was reported, in the order computed, received.
    ASSERT_FALSE(server.host.shown.empty());
    EXPECT_TRUE(server.host.shown.front().startsWith(QStringLiteral("erreur crc plateau ")));

    Machine honest(1);
    honest.Call(port);
    ASSERT_TRUE(Pump([&] { return honest.session->Role() == 2; }));
    ASSERT_TRUE(honest.Click(0));
    ASSERT_TRUE(Pump([&] { return server.game->MoveCount == 1; }));
}

// Three failed calls in a row leave one error line, overwritten; the calls go on by
// themselves and succeed once the server is there.
TEST(NetSession, FailedCallsShareOneLineAndRetry) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();

    Machine caller(1);
    caller.Call(port);
    ASSERT_TRUE(Pump([&] { return caller.session->FailedConnections >= 2; }, 5000));
    const QString error = QStringLiteral("  ! Une demande de connexion n a pas pu être achevée. ");
    int errorLines = 0;
    for (const QString& line : caller.host.log)
        errorLines += line == error;
    EXPECT_EQ(errorLines, 1);
    EXPECT_EQ(caller.host.log.at(static_cast<size_t>(caller.session->RetryLogLine)), error);
    EXPECT_TRUE(caller.host.peersHidden);
    EXPECT_EQ(caller.session->Role(), 0);

    Machine server(1);
    server.game->GameType = kNetworkServer;
    server.game->Players[kWhite] = {"Anaïs", TPlayerRec::Server, "", 0};
    server.session->Start(2, {}, port, QHostAddress::LocalHost);
    ASSERT_EQ(server.session->ListeningPort(), port);
    ASSERT_TRUE(Pump([&] { return caller.session->Role() == 2; }, 8000));
    EXPECT_EQ(caller.session->FailedConnections, 0);
    EXPECT_EQ(caller.session->RetryLogLine, -1);
}

} // namespace
