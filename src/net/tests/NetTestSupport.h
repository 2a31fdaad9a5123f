#pragma once
// Two or more game objects, each with its session, talking over loopback sockets.
#include "engine/Random.h"
#include "game/TPlateau.h"
#include "net/TNetSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantorel::nettest {

// Runs the event loop until `done` or the time is up; every wait of the tests is bounded.
inline bool Pump(const std::function<bool()>& done, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

struct FakeHost : TNetSessionHost {
    std::vector<QString> log;
    std::vector<QString> shown;
    std::vector<std::string> received;
    QStringList peers;
    int smiley = 0;
    int drawOffers = 0;
    int rebuilds = 0;
    bool connected = false;
    bool peersHidden = false;

    int AppendLog(const QString& line) override {
        log.push_back(line);
        return static_cast<int>(log.size()) - 1;
    }
    void ReplaceLogLine(int index, const QString& line) override {
        log.at(static_cast<size_t>(index)) = line;
    }
    void SetIconSmiley(int s) override { smiley = s; }
    void ConnectedChanged(bool on) override { connected = on; }
    void PeersChanged(const QStringList& hosts) override { peers = hosts; }
    void HidePeers() override { peersHidden = true; }
    void AnswerDrawOffer() override { ++drawOffers; }
    void ShowMessage(const QString& text) override { shown.push_back(text); }
    void RebuildViewForNewModel() override { ++rebuilds; }
    void RefreshView() override {}
    void AddressCalled(const QString&) override {}
    void Traffic(bool sent, const std::string& message) override {
        if (!sent) received.push_back(message.substr(13, 4));
    }
    bool Logged(const QString& text) const {
        for (const QString& line : log)
            if (line.contains(text)) return true;
        return false;
    }
};

// One machine: a game of `kind`, its owner, its session.
struct Machine {
    TSessionOwner owner;
    uint32_t now = 1000;
    std::unique_ptr<TPlateau> game;
    FakeHost host;
    std::unique_ptr<TNetSession> session;

    explicit Machine(int kind, uint32_t seed = 1) {
        game = std::make_unique<TPlateau>(
            kind, true, &owner, [this] { return now; }, [seed] { RandSeed(seed); });
        game->NewGame();
        session = std::make_unique<TNetSession>(*game, host);
        session->FirstRetryMs = 50;
        owner.Session = session.get();
    }
    // Waits for callers on a free loopback port; `ownSide` is the serving player's colour.
    quint16 Serve(int ownSide, int firstSide = kWhite) {
        game->GameType = kNetworkServer;
        game->Players[static_cast<size_t>(ownSide)] = {"Anaïs", TPlayerRec::Server, "", 0};
        game->Players[static_cast<size_t>(1 - ownSide)] = {"?", TPlayerRec::Caller, "", 0};
        SetFirst(firstSide);
        session->Start(2, {}, 0, QHostAddress::LocalHost);
        return session->ListeningPort();
    }
    void Call(quint16 port, const std::string& nick = "Zoé") {
        game->GameType = kNetworkCaller;
        for (auto& player : game->Players)
            player = {nick, TPlayerRec::Caller, "", 0};
        session->Start(1, QStringLiteral("127.0.0.1"), port);
    }
    void SetFirst(int side) {
        game->SideToMove = static_cast<int8_t>(side);
        game->Engine->SideToMove = static_cast<uint8_t>(side);
        game->LastMover = 1 - side;
        game->History[0].Side = static_cast<int8_t>(1 - side);
    }
    // False when the game refused the move.
    bool Click(int point) {
        now += 100;
        try {
            game->Click(point, kNoColour, -1);
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }
    std::string Board() const { return game->Engine->LiveBoard; }
};

} // namespace vantorel::nettest
