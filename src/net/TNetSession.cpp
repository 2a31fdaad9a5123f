// The sockets of a network game and the crossing into the protocol.
#include "TNetSession.h"

#include "i18n/Translate.h"

#include "game/TPlateau.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <array>

namespace vantorel {
namespace {

// The log line of each kind of socket error, with the kinds' numbers as the log knows them.
enum TErrorKind { kOther = 0, kSend = 1, kReceive = 2, kConnect = 3, kDisconnect = 4, kAccept = 5 };

QString ErrorText(int kind) {
    static const std::array<const char*, 6> texts = {
        QT_TRANSLATE_NOOP("TNetSession", "Le socket a reçu un message d erreur inconnu."),
        QT_TRANSLATE_NOOP("TNetSession", "Une erreur est survenue lors d une tentative "
                                         "d écriture sur la connexion socket."),
        QT_TRANSLATE_NOOP("TNetSession", "Une erreur est survenue lors d une tentative de "
                                         "lecture sur la connexion socket"),
        QT_TRANSLATE_NOOP("TNetSession", "Une demande de connexion n a pas pu être achevée. "),
        QT_TRANSLATE_NOOP("TNetSession", "Une erreur est survenue lors d une tentative de "
                                         "fermeture d une connexion"),
        QT_TRANSLATE_NOOP("TNetSession", "Un problème s est produit lors d une tentative "
                                         "connexion cliente."),
    };
    return QCoreApplication::translate("TNetSession",
                                       texts.at(static_cast<size_t>(std::clamp(kind, 0, 5))));
}

QString ErrorLine(const QString& text) {
    return QStringLiteral("  ! ") + text;
}

} // namespace

struct TNetSession::TPeer {
    std::unique_ptr<QTcpSocket> Socket;
    TWireStream Stream;
    QTimer Quiet;
    QString Host;
    // On the serving side: the caller that plays; the others watch. On the calling side
    // the one peer is the server, always listened to.
    bool Partner = false;
    bool Connected = false;
    QElapsedTimer Window;
    int MessagesInWindow = 0;
};

TNetSession::TNetSession(TPlateau& game, TNetSessionHost& host, QObject* parent)
    : QObject(parent), game_(game), host_(host) {
    Timer_reseau.setSingleShot(true);
    connect(&Timer_reseau, &QTimer::timeout, this, &TNetSession::Timer_reseauTimer);
}

TNetSession::~TNetSession() {
    Stop();
}

void TNetSession::Stop() {
    Timer_reseau.stop();
    // Sockets are closed without their signals: nobody is left to log them.
    for (auto& peer : peers_) {
        peer->Socket->disconnect(this);
        peer->Socket->abort();
    }
    peers_.clear();
    if (server_) {
        server_->disconnect(this);
        server_->close();
        server_.reset();
    }
    role_ = 0;
    networkRole_ = 0;
}

void TNetSession::Start(int networkRole, const QString& address, quint16 port,
                        const QHostAddress& listenAddress) {
    Stop();
    networkRole_ = networkRole;
    address_ = address;
    port_ = port;
    FailedConnections = 0;
    RetryLogLine = -1;
    sentKind_ = -1;
    host_.ConnectedChanged(false);
    host_.PeersChanged({});
    if (networkRole == 2) {
        server_ = std::make_unique<QTcpServer>();
        server_->setMaxPendingConnections(kMaxCallers);
        connect(server_.get(), &QTcpServer::newConnection, this, &TNetSession::ServerSocket1Accept);
        connect(server_.get(), &QTcpServer::acceptError, this,
                [this] { host_.AppendLog(ErrorLine(ErrorText(kAccept))); });
        if (!server_->listen(listenAddress, port))
            host_.AppendLog(ErrorLine(ErrorText(kAccept)) + QStringLiteral(" (") +
                            server_->errorString() + u')');
        else
            host_.AppendLog(tr("En attente d'un adversaire sur le port %1.").arg(ListeningPort()));
    } else {
        ConnectCaller();
    }
}

quint16 TNetSession::ListeningPort() const {
    return server_ && server_->isListening() ? server_->serverPort() : 0;
}

bool TNetSession::Connected() const {
    return std::any_of(peers_.begin(), peers_.end(), [](const auto& p) { return p->Connected; });
}

QString TNetSession::HostOf(const QTcpSocket& socket) {
    if (!socket.peerName().isEmpty()) return socket.peerName();
    bool isV4 = false;
    const quint32 v4 = socket.peerAddress().toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : socket.peerAddress().toString();
}

TNetSession::TPeer* TNetSession::PeerOf(QObject* socket) const {
    for (const auto& peer : peers_)
        if (peer->Socket.get() == socket) return peer.get();
    return nullptr;
}

// Every socket, both sides: reads, errors and the quiet moment that completes a chat line.
void TNetSession::ConnectCaller() {
    auto peer = std::make_unique<TPeer>();
    TPeer* p = peer.get();
    p->Socket = std::make_unique<QTcpSocket>();
    p->Partner = true;
    p->Host = address_;
    p->Quiet.setSingleShot(true);
    connect(&p->Quiet, &QTimer::timeout, this, [this, p] { FlushQuiet(*p); });
    connect(p->Socket.get(), &QTcpSocket::connected, this, &TNetSession::ClientSocket1Connect);
    connect(p->Socket.get(), &QTcpSocket::disconnected, this,
            &TNetSession::ClientSocket1Disconnect);
    connect(p->Socket.get(), &QTcpSocket::readyRead, this, [this, p] { PeerRead(p); });
    connect(p->Socket.get(), &QTcpSocket::errorOccurred, this,
            [this, p](QAbstractSocket::SocketError error) {
                if (error == QAbstractSocket::RemoteHostClosedError) return;
                SocketError(p, p->Connected ? kOther : kConnect);
            });
    peers_.push_back(std::move(peer));
    p->Socket->connectToHost(address_, port_);
}

void TNetSession::Timer_reseauTimer() {
    if (networkRole_ != 1) return;
    // The old socket goes once its own signals are done.
    for (auto& peer : peers_) {
        peer->Socket->disconnect(this);
        peer->Socket->abort();
        peer->Socket.release()->deleteLater();
    }
    peers_.clear();
    ConnectCaller();
}

void TNetSession::ClientSocket1Connect() {
    TPeer* peer = PeerOf(sender());
    if (!peer) return;
    peer->Connected = true;
    peer->Host = HostOf(*peer->Socket);
    remoteHost_ = peer->Host;
    host_.AppendLog(tr("Connexion vers %1 terminée.").arg(peer->Host));
    host_.ConnectedChanged(true);
    Timer_reseau.stop();
    FailedConnections = 0;
    RetryLogLine = -1;
    host_.PeersChanged({peer->Host});
    host_.AddressCalled(address_);
}

void TNetSession::ClientSocket1Disconnect() {
    TPeer* peer = PeerOf(sender());
    if (!peer) return;
    const bool wasConnected = peer->Connected;
    peer->Connected = false;
    peer->Stream.Reset();
    if (wasConnected) host_.AppendLog(tr("Déconnexion de %1").arg(peer->Host));
    role_ = 0;
    host_.ConnectedChanged(false);
    host_.PeersChanged({});
    // Call again, so that a server that comes back finds its caller.
    if (wasConnected && networkRole_ == 1 && !Timer_reseau.isActive()) {
        FailedConnections = 0;
        Timer_reseau.start(FirstRetryMs);
    }
}

void TNetSession::SocketError(TPeer* peer, int kind) {
    const QString line = ErrorLine(ErrorText(kind));
    if (kind != kConnect || networkRole_ != 1) {
        host_.AppendLog(line);
        return;
    }
    // Failed calls share one log line, overwritten, and come again later and later.
    if (Timer_reseau.isActive() || FailedConnections > 0 || RetryLogLine >= 0)
        ++FailedConnections;
    else
        FailedConnections = 0;
    if (FailedConnections > 0 && RetryLogLine >= 0)
        host_.ReplaceLogLine(RetryLogLine, line);
    else
        RetryLogLine = host_.AppendLog(line);
    host_.HidePeers();
    role_ = 0;
    (void)peer;
    const int delay = std::min(kLongestRetryMs, FirstRetryMs << std::min(FailedConnections, 5));
    Timer_reseau.start(delay);
}

void TNetSession::ServerSocket1Accept() {
    while (server_ && server_->hasPendingConnections()) {
        std::unique_ptr<QTcpSocket> socket(server_->nextPendingConnection());
        if (!socket) break;
        socket->setParent(nullptr);
        const QString host = HostOf(*socket);
        if (peers_.size() >= static_cast<size_t>(kMaxCallers)) {
            host_.AppendLog(ErrorLine(tr("Trop de connexions : %1 refusé.").arg(host)));
            socket->abort();
            continue;
        }
        auto peer = std::make_unique<TPeer>();
        TPeer* p = peer.get();
        p->Socket = std::move(socket);
        p->Host = host;
        p->Connected = true;
        // The first caller plays the side the serving player did not take; while it
        // stays, every later caller watches.
        p->Partner = std::none_of(peers_.begin(), peers_.end(),
                                  [](const auto& other) { return other->Partner; });
        p->Quiet.setSingleShot(true);
        connect(&p->Quiet, &QTimer::timeout, this, [this, p] { FlushQuiet(*p); });
        connect(p->Socket.get(), &QTcpSocket::readyRead, this, [this, p] { PeerRead(p); });
        connect(p->Socket.get(), &QTcpSocket::disconnected, this,
                [this, p] { PeerDisconnected(p); });
        connect(p->Socket.get(), &QTcpSocket::errorOccurred, this,
                [this, p](QAbstractSocket::SocketError error) {
                    if (error != QAbstractSocket::RemoteHostClosedError) SocketError(p, kOther);
                });
        peers_.push_back(std::move(peer));
        host_.AppendLog(tr("Connexion de %1.").arg(host));
        Send(*p, EncodeModel(game_.Model));
        Send(*p, EncodeStateMessage(game_, -1, false));
        Send(*p, EncodeRole(p->Partner ? 1 : 0));
        if (p->Partner) {
            sentKind_ = game_.Model.Kind;
            sentIdentity_ = game_.Model.Identity;
        }
        role_ = 1;
        Timer_reseau.stop();
        RetryLogLine = -1;
        FailedConnections = 0;
        ListPeers();
    }
}

void TNetSession::PeerDisconnected(TPeer* peer) {
    const auto at = std::find_if(peers_.begin(), peers_.end(),
                                 [peer](const auto& p) { return p.get() == peer; });
    if (at == peers_.end()) return;
    host_.AppendLog(tr("Déconnexion de %1").arg(peer->Host));
    // Deleted later: this may run inside the socket's own signal.
    (*at)->Socket->disconnect(this);
    (*at)->Socket.release()->deleteLater();
    peers_.erase(at);
    ListPeers();
}

void TNetSession::ListPeers() {
    QStringList hosts;
    for (const auto& peer : peers_)
        hosts << peer->Host;
    host_.PeersChanged(hosts);
}

void TNetSession::PeerRead(TPeer* peer) {
    if (!PeerOf(peer->Socket.get())) return;
    // A handler that runs the event loop (a rebuilt view) must not see later messages
    // before the earlier ones are done: the bytes wait in the socket.
    if (delivering_) {
        QTimer::singleShot(0, this, [this, socket = peer->Socket.get()] {
            if (TPeer* again = PeerOf(socket)) PeerRead(again);
        });
        return;
    }
    const QByteArray bytes = peer->Socket->readAll();
    bool overflow = false;
    const std::vector<std::string> messages = peer->Stream.Feed(
        std::string(bytes.constData(), static_cast<size_t>(bytes.size())), overflow);
    if (overflow) {
        Drop(*peer, tr("Message trop long de %1 : connexion coupée.").arg(peer->Host));
        return;
    }
    if (!peer->Window.isValid() || peer->Window.elapsed() > 1000) {
        peer->Window.start();
        peer->MessagesInWindow = 0;
    }
    peer->MessagesInWindow += static_cast<int>(messages.size());
    if (peer->MessagesInWindow > kMaxMessagesPerSecond) {
        Drop(*peer, tr("Trop de messages de %1 : connexion coupée.").arg(peer->Host));
        return;
    }
    // A message handler may drop this peer (a box, a rebuilt view): check it each time.
    QTcpSocket* socket = peer->Socket.get();
    delivering_ = true;
    for (const std::string& message : messages) {
        if (!PeerOf(socket)) break;
        Deliver(*peer, message);
    }
    delivering_ = false;
    if (!PeerOf(socket)) return;
    if (peer->Stream.Pending() > 0) peer->Quiet.start(kQuietMs);
}

void TNetSession::FlushQuiet(TPeer& peer) {
    if (delivering_) {
        peer.Quiet.start(kQuietMs);
        return;
    }
    delivering_ = true;
    QTcpSocket* socket = peer.Socket.get();
    for (const std::string& message : peer.Stream.Flush()) {
        if (!PeerOf(socket)) break;
        Deliver(peer, message);
    }
    delivering_ = false;
}

void TNetSession::Deliver(TPeer& peer, const std::string& wireMessage) {
    const std::string message = FromWire(wireMessage);
    host_.Traffic(false, message);
    const std::string command = message.substr(kWirePrefixLength, 4);
    if (networkRole_ == 2) {
        // The server's board rules: a caller never sends it a variant, a role or dice, and
        // one that watches can only chat.
        if (command == "INFO" || command == "STAT" || command == "DICE") return;
        if (!peer.Partner && command != "CHAT") return;
    }
    remoteHost_ = peer.Host;
    const int before = game_.RecordedEntries();
    ReceiveMessages(game_, message, *this);
    // Those who watch follow the partner's moves through the server.
    if (networkRole_ == 2 && command == "ETAT" && game_.RecordedEntries() != before) {
        const std::string state = EncodeStateMessage(game_, -1, false);
        for (auto& other : peers_)
            if (!other->Partner) Send(*other, state);
    }
}

void TNetSession::Drop(TPeer& peer, const QString& why) {
    host_.AppendLog(ErrorLine(why));
    peer.Stream.Reset();
    peer.Socket->abort();
    // The calling side's socket stays in the list (its disconnection signal ran or will);
    // a caller of the serving side goes.
    if (networkRole_ == 2) PeerDisconnected(&peer);
}

void TNetSession::Send(TPeer& peer, const std::string& message) {
    if (!peer.Connected || !peer.Socket) return;
    host_.Traffic(true, message);
    const std::string wire = ToWire(message);
    if (peer.Socket->write(wire.data(), static_cast<qint64>(wire.size())) < 0)
        host_.AppendLog(ErrorLine(ErrorText(kSend)));
}

void TNetSession::SendToAll(const std::string& message) {
    for (auto& peer : peers_)
        Send(*peer, message);
}

void TNetSession::SendMove() {
    // The other machine adopts states, not moves.
    SendToAll(EncodeStateMessage(game_, -1, false));
}

void TNetSession::SendDice(int d1, int d2, int d3) {
    SendToAll(EncodeDice(game_.SideToMove, d1, d2, d3));
}

void TNetSession::SendDrawOffer() {
    for (auto& peer : peers_)
        if (peer->Partner) Send(*peer, EncodeDrawOffer());
}

void TNetSession::SendDrawAnswer(bool accepted) {
    for (auto& peer : peers_)
        if (peer->Partner) Send(*peer, EncodeDrawAnswer(accepted));
    // Both boards end the game: the answer alone would leave the offer's side playing on.
    if (accepted) {
        game_.GameStatus = kDraw;
        SendMove();
    }
}

void TNetSession::SendChat(const QString& line) {
    const QString text = line.left(kLongestChat);
    if (text.trimmed().isEmpty()) return;
    SendToAll(EncodeChat(text.toStdString()));
    host_.AppendLog(tr("Moi") + QString::fromUtf8(texts::kNetChatSeparator) + text.trimmed());
}

void TNetSession::BringPartnerUpToDate() {
    if (networkRole_ == 2 &&
        (sentKind_ != game_.Model.Kind || sentIdentity_ != game_.Model.Identity)) {
        SendToAll(EncodeModel(game_.Model));
        sentKind_ = game_.Model.Kind;
        sentIdentity_ = game_.Model.Identity;
    }
    SendMove();
}

void TNetSession::Log(const TText& text) {
    host_.AppendLog(TrText(text));
}

void TNetSession::SetRole(int role) {
    role_ = role;
}

void TNetSession::ShowMessage(const TText& text) {
    host_.ShowMessage(TrText(text));
}

} // namespace vantorel
