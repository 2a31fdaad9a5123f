// net-peer: one side of a network game played by the computer over a real connection, for
// tests and for people who write their own clients. It prints one JSON line per message
// sent or received, and a last line with the result.
#include "CliSupport.h"
#include "Commands.h"

#include "engine/Random.h"
#include "game/TPlateau.h"
#include "net/TNetSession.h"

#include <QCoreApplication>
#include <QTimer>

#include <iostream>

namespace vantorel::cli {
namespace {

// What the session shows goes to stderr; every message crossing to stdout as JSON.
class PeerHost : public TNetSessionHost {
public:
    bool connected = false;
    bool everConnected = false;
    int AppendLog(const QString& line) override {
        std::cerr << line.toStdString() << "\n";
        return lines_++;
    }
    void ReplaceLogLine(int, const QString& line) override {
        std::cerr << line.toStdString() << "\n";
    }
    void SetIconSmiley(int) override {}
    void ConnectedChanged(bool on) override {
        connected = on;
        everConnected = everConnected || on;
    }
    void PeersChanged(const QStringList& hosts) override {
        connected = !hosts.isEmpty();
        everConnected = everConnected || connected;
    }
    void HidePeers() override {}
    void AnswerDrawOffer() override { session->SendDrawAnswer(false); }
    void ShowMessage(const QString& text) override { std::cerr << text.toStdString() << "\n"; }
    void RebuildViewForNewModel() override {}
    void RefreshView() override {}
    void AddressCalled(const QString&) override {}
    void Traffic(bool sent, const std::string& message) override {
        std::cout << "{\"" << (sent ? "sent" : "received")
                  << "\": " << JsonString(message.substr(kWirePrefixLength, 4))
                  << ", \"body\": " << JsonString(message.substr(kMinimumMessageLength)) << "}"
                  << std::endl;
    }
    TNetSession* session = nullptr;

private:
    int lines_ = 0;
};

bool Finished(const TPlateau& game) {
    return game.GameStatus == kWhiteWon || game.GameStatus == kBlackWon || game.GameStatus == kDraw;
}

// One step of this machine's side, played by clicks as the window's controller plays.
void PlayOneStep(TPlateau& game, TNetSession& session, int mine, int level) {
    if (Finished(game)) return;
    const int side = game.SideToMove;
    try {
        switch (game.ClickState) {
        case kClickRollDice:
            // The serving machine throws for both sides.
            if (!session.Serving()) return;
            game.RollDice();
            session.SendDice(game.Dice[1].Value, game.Dice[2].Value, game.Dice[3].Value);
            game.Click(-1);
            return;
        case kClickStopDice:
        case kClickComputerDice:
            game.Click(-1);
            return;
        default:
            break;
        }
        if (game.Players[static_cast<size_t>(side)].Kind != mine) return;
        if (game.ClickState == kClickDiceRemoval) {
            game.Click(game.Engine->BestCapture(1 - side));
            return;
        }
        TMove move = NoMove;
        game.Engine->ComputerMove(side, level, move, RandomBelow(0xFFFFFFFFu));
        for (int8_t point : {move.From, move.To, move.Capture})
            if (point >= 0) game.Click(point);
    } catch (const Ecoup_imposible& e) {
        std::cerr << e.what() << "\n";
    }
}

} // namespace

int NetPeerCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {"serve", "loopback"});
    const bool serving = args.Has("serve");
    if (serving == args.Has("call")) throw UsageError("either --serve or --call HOST:PORT");
    const int level = static_cast<int>(args.Integer("level", 0, 34, 0));
    const auto seed = static_cast<uint32_t>(args.Integer("seed", 0, 4294967295LL, 1));
    const int maxMoves = static_cast<int>(args.Integer("max-moves", 1, 5000, 400));
    // The serving peer may wait for callers that watch before it plays.
    const int observers = static_cast<int>(args.Integer("observers", 0, 7, 0));
    QString host;
    quint16 port = kDefaultNetworkPort;
    if (serving) {
        // Port 0: any free port, printed first.
        port = static_cast<quint16>(args.Integer("port", 0, 65535, kDefaultNetworkPort));
    } else {
        const QString target = QString::fromStdString(args.Text("call"));
        const qsizetype colon = target.lastIndexOf(u':');
        host = colon > 0 ? target.left(colon) : target;
        if (colon > 0) {
            bool ok = false;
            const uint value = target.mid(colon + 1).toUInt(&ok);
            if (!ok || value == 0 || value > 65535)
                throw UsageError("--call HOST:PORT, port 1..65535");
            port = static_cast<quint16>(value);
        }
    }

    int fakeArgc = 1;
    char name[] = "vantorel-cli";
    char* fakeArgv[] = {name, nullptr};
    QCoreApplication app(fakeArgc, fakeArgv);

    TSessionOwner owner;
    PeerHost peerHost;
    uint32_t now = 1000;
    TPlateau game(
        1, true, &owner, [&now] { return now; }, [seed] { RandSeed(seed); });
    TNetSession session(game, peerHost);
    owner.Session = &session;
    peerHost.session = &session;
    int mine = TPlayerRec::Caller;
    if (serving) {
        const Tmodele model = LoadVariant(args.Text("variant", "1"));
        if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
            throw UsageError("variant not playable: " + problem);
        const int first = static_cast<int>(args.Integer("first", 0, 1, 0));
        game.Model.Assign(model);
        game.GameType = kNetworkServer;
        game.NewGame();
        game.LastMover = 1 - first;
        game.SideToMove = static_cast<int8_t>(first);
        game.Engine->SideToMove = static_cast<uint8_t>(first);
        game.History[0].Side = static_cast<int8_t>(1 - first);
        // The serving machine plays white; its caller black.
        game.Players[kWhite] = {"net-peer", TPlayerRec::Server, "", level};
        game.Players[kBlack] = {"?", TPlayerRec::Caller, "", 0};
        mine = TPlayerRec::Server;
        session.Start(2, {}, port,
                      args.Has("loopback") ? QHostAddress::LocalHost : QHostAddress::Any);
        if (session.ListeningPort() == 0) throw UsageError("cannot listen on that port");
        std::cout << "{\"listening\": " << session.ListeningPort() << "}" << std::endl;
    } else {
        game.GameType = kNetworkCaller;
        game.Players[kWhite] = game.Players[kBlack] = {"net-peer", TPlayerRec::Caller, "", level};
        session.Start(1, host, port);
    }

    bool ending = false;
    // The role this peer played, which a dropped connection would reset.
    int playedRole = 0;
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        now += 50;
        if (session.Role() > 0) playedRole = session.Role();
        const bool dropped = peerHost.everConnected && !session.Connected();
        if (!ending && (Finished(game) || dropped || game.MoveCount >= maxMoves)) {
            ending = true;
            // The last state still has to leave this machine.
            QTimer::singleShot(500, &app, &QCoreApplication::quit);
            return;
        }
        const bool everyoneHere = !serving || session.CallerCount() >= 1 + observers;
        if (!ending && everyoneHere && session.Role() == (serving ? 1 : 2))
            PlayOneStep(game, session, mine, level);
    });
    step.start(20);
    // A peer that never comes ends the wait, not the machine.
    QTimer::singleShot(static_cast<int>(args.Integer("timeout-ms", 1000, 86400000, 600000)), &app,
                       &QCoreApplication::quit);
    app.exec();
    session.Stop();

    std::cout << "{\"result\": " << static_cast<int>(game.GameStatus)
              << ", \"moves\": " << game.MoveCount
              << ", \"final\": " << JsonString(game.Engine->LiveBoard)
              << ", \"role\": " << playedRole << "}" << std::endl;
    return 0;
}

} // namespace vantorel::cli
