#pragma once
// The sockets of a network game. One machine serves (a QTcpServer and its callers), the
// other calls (one QTcpSocket); bytes cross into the protocol of game/Protocol.h here and
// nowhere else: what a socket reads goes through a TWireStream and, message by message,
// to ReceiveMessages; what the game sends is framed, turned into wire bytes and written.
// What the session shows or asks goes through a small interface (`TNetSessionHost`), so
// the network window and the command-line peer share everything that touches the wire.
//
// A peer is a stranger: every connection has limits (message sizes, messages per second,
// callers at once) and a peer that passes them is dropped with a line in the log.
#include "game/Protocol.h"
#include "game/THeadlessOwner.h"
#include "game/WireStream.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace vantorel {

class TPlateau;

// The TCP port both machines use unless the settings say otherwise.
inline constexpr quint16 kDefaultNetworkPort = 24713;

class TNetSessionHost {
public:
    virtual ~TNetSessionHost() = default;
    // Appends a line to the log and returns its index.
    virtual int AppendLog(const QString& line) = 0;
    virtual void ReplaceLogLine(int index, const QString& line) = 0;
    // 1 ":-)", 2 ";-)", 3 ":-(".
    virtual void SetIconSmiley(int smiley) = 0;
    // The chat and smiley buttons follow the calling socket's connection.
    virtual void ConnectedChanged(bool connected) = 0;
    virtual void PeersChanged(const QStringList& hosts) = 0;
    virtual void HidePeers() = 0;
    // The partner offers a draw: ask the user, then answer with SendDrawAnswer.
    virtual void AnswerDrawOffer() = 0;
    virtual void ShowMessage(const QString& text) = 0;
    virtual void RebuildViewForNewModel() = 0;
    virtual void RefreshView() = 0;
    // The calling side reached this address.
    virtual void AddressCalled(const QString& address) = 0;
    // Every message that crosses, as text (the command-line peer prints them).
    virtual void Traffic(bool sent, const std::string& message) {
        (void)sent;
        (void)message;
    }
};

class TNetSession : public QObject, public TNetworkSink {
    Q_OBJECT
public:
    static constexpr int kMaxMessagesPerSecond = 200;
    static constexpr int kMaxCallers = 8;
    // A chat line has no end mark: it is taken when its sender has been quiet this long.
    static constexpr int kQuietMs = 150;
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 30000;
    static constexpr int kLongestChat = 1000;

    TNetSession(TPlateau& game, TNetSessionHost& host, QObject* parent = nullptr);
    ~TNetSession() override;

    // networkRole 2 waits for callers on `port` at `listenAddress`; 1 calls `address` there.
    // Anything open before is closed first (the window's Restart).
    void Start(int networkRole, const QString& address, quint16 port,
               const QHostAddress& listenAddress = QHostAddress::Any);
    void Stop();
    quint16 ListeningPort() const;
    bool Serving() const { return networkRole_ == 2; }
    // The calling socket is connected, or the serving side has at least one caller.
    bool Connected() const;
    int CallerCount() const { return static_cast<int>(peers_.size()); }

    // What the game and the window send.
    void SendMove();
    void SendDice(int d1, int d2, int d3);
    void SendDrawOffer();
    void SendDrawAnswer(bool accepted);
    void SendChat(const QString& line);
    void BringPartnerUpToDate();

    // The retry timer of the calling side, and what it counts; the first delay doubles at
    // each failure up to kLongestRetryMs.
    QTimer Timer_reseau;
    int FirstRetryMs = kFirstRetryMs;
    int FailedConnections = 0;
    int RetryLogLine = -1;

    // TNetworkSink
    void Log(const TText& text) override;
    void SetIconSmiley(int smiley) override { host_.SetIconSmiley(smiley); }
    std::string RemoteHostName() const override { return remoteHost_.toStdString(); }
    void SetRole(int role) override;
    int Role() const override { return role_; }
    bool HasNetworkWindow() const override { return true; }
    void OnDrawOffer() override { host_.AnswerDrawOffer(); }
    void ShowMessage(const TText& text) override;
    void RebuildViewForNewModel() override { host_.RebuildViewForNewModel(); }
    void RefreshView() override { host_.RefreshView(); }

private:
    struct TPeer;

    void Timer_reseauTimer();
    void ServerSocket1Accept();
    void ClientSocket1Connect();
    void ClientSocket1Disconnect();
    void SocketError(TPeer* peer, int kind);
    void PeerDisconnected(TPeer* peer);
    void PeerRead(TPeer* peer);
    void Deliver(TPeer& peer, const std::string& wireMessage);
    // The sender went quiet: a chat line kept without its end is taken.
    void FlushQuiet(TPeer& peer);
    void Drop(TPeer& peer, const QString& why);
    void Send(TPeer& peer, const std::string& message);
    void SendToAll(const std::string& message);
    void ConnectCaller();
    void ListPeers();
    TPeer* PeerOf(QObject* socket) const;
    static QString HostOf(const QTcpSocket& socket);

    TPlateau& game_;
    TNetSessionHost& host_;
    std::unique_ptr<QTcpServer> server_;
    std::vector<std::unique_ptr<TPeer>> peers_;
    int networkRole_ = 0;
    int role_ = 0;
    QString address_;
    quint16 port_ = kDefaultNetworkPort;
    QString remoteHost_;
    // The variant the partner was last sent, so that INFO goes only when it changed.
    int sentKind_ = -1;
    int sentIdentity_ = 0;
    bool delivering_ = false;
};

// A game without a window whose moves, draw offers and new games go through a session, as
// the main window's do: the command-line peer and the tests play through it.
class TSessionOwner : public THeadlessOwner {
public:
    TNetSession* Session = nullptr;
    int NetworkRole() const override { return Session ? Session->Role() : -1; }
    void SendMove(TMove) override {
        if (Session) Session->SendMove();
    }
    void SendDrawOffer() override {
        if (Session) Session->SendDrawOffer();
    }
    void SendGameState() override {
        if (Session) Session->BringPartnerUpToDate();
    }
};

} // namespace vantorel
