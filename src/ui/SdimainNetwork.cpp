// The main window's side of a network game: the network window's life, and what the game
// sends through it.
#include "Sdimain.h"
#include "Session.h"

#include "net/Reseau.h"

#include <QTimer>

namespace vantorel {

quint16 TMainWindow::NetworkPort() const {
    // "Port" in the section "Connexion" of the settings file overrides the usual port.
    bool ok = false;
    const uint port = TIniText(SettingsPath)
                          .Value(QStringLiteral("Connexion"), QStringLiteral("Port"))
                          .toUInt(&ok);
    return ok && port > 0 && port < 65536 ? static_cast<quint16>(port) : kDefaultNetworkPort;
}

void TMainWindow::StartNetworkGame(int networkRole, const QString& serverAddress, quint16 port) {
    if (InReplay()) Game->EndReplay();
    std::string nick = texts::kDefaultWhiteName;
    for (const TPlayerRec& player : Game->Players)
        if (player.Kind == TPlayerRec::Human) {
            nick = player.Name;
            break;
        }
    Game->GameType = networkRole == 2 ? kNetworkServer : kNetworkCaller;
    Game->NewGame();
    if (networkRole == 2) {
        Game->Players[kWhite] = {nick, TPlayerRec::Server, "", 0};
        Game->Players[kBlack] = {"?", TPlayerRec::Caller, "", 0};
    } else {
        Game->Players[kWhite] = Game->Players[kBlack] = {nick, TPlayerRec::Caller, "", 0};
    }
    Game->GameStatus = kWaiting;
    if (CurrentView) CurrentView->Refresh();
    OpenNetworkWindow(networkRole, serverAddress, port);
    RefreshOpponentMenu();
    RefreshCommandStates();
    RefreshStatus();
    setWindowTitle(Caption());
}

void TMainWindow::OpenNetworkWindow(int networkRole, const QString& serverAddress, quint16 port) {
    if (!Reseau) {
        TReseauParts parts;
        // Queued: the button sits in the window the dialog may close.
        parts.OpenNewGameDialog = [this] {
            // The network page, among the others, for either role.
            QTimer::singleShot(0, this, [this] { StartNewGame(10 + kNetworkServer); });
        };
        parts.RebuildView = [this] {
            const int theme =
                SignedThemeId() > 0 ? ThemeId : (LastThemeId != kNoTheme ? LastThemeId : 1);
            if (CurrentView) CurrentView->StopAnimation();
            ThemeId = kNoTheme;
            RebuildView(theme);
            RefreshStatus();
            setWindowTitle(Caption());
        };
        parts.RefreshView = [this] {
            RefreshView();
            // The partner's move shows in the panels as a local one does.
            Game->ShowLastMoves();
            RefreshCommandStates();
            RefreshStatus();
            setWindowTitle(Caption());
        };
        parts.RememberAddress = [this](const QString& address) {
            // A failure here costs nothing: the list is a convenience.
            const QStringList recent =
                RotateRecentAddresses(ReadRecentAddresses(SettingsPath), address);
            TIniText ini(SettingsPath);
            QStringList lines;
            for (int k = 0; k < recent.size(); ++k)
                lines << QStringLiteral("IP_%1=%2")
                             .arg(k + 1, 2, 16, QLatin1Char('0'))
                             .arg(recent[k]);
            const QString port = ini.Value(QStringLiteral("Connexion"), QStringLiteral("Port"));
            if (!port.isEmpty()) lines << QStringLiteral("Port=") + port;
            ini.ReplaceSection(QStringLiteral("Connexion"), lines);
            ini.Save();
        };
        Reseau = new TFReseau(this, *Game, std::move(parts));
    }
    Reseau->Restart(networkRole, serverAddress, port != 0 ? port : NetworkPort());
    Reseau->show();
    Reseau->raise();
}

void TMainWindow::CloseNetworkWindow() {
    if (!Reseau) return;
    TFReseau* window = Reseau;
    Reseau = nullptr;
    window->Session.Stop();
    window->hide();
    window->deleteLater();
}

int TMainWindow::NetworkRole() const {
    return Reseau ? Reseau->Role() : -1;
}

void TMainWindow::SendMove(TMove) {
    if (Reseau) Reseau->Session.SendMove();
}

void TMainWindow::SendDrawOffer() {
    if (Reseau) Reseau->Session.SendDrawOffer();
}

void TMainWindow::SendGameState() {
    if (Reseau) Reseau->Session.BringPartnerUpToDate();
}

void TMainWindow::SendDiceToNetwork() {
    if (Reseau && Game->GameType == kNetworkServer)
        Reseau->Session.SendDice(Game->Dice[1].Value, Game->Dice[2].Value, Game->Dice[3].Value);
}

} // namespace vantorel
