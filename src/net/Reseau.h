#pragma once
// The network window "Connexion": the log of what happens on the network, the chat line
// with its three smileys, the machines connected. It owns the session (TNetSession.h) and
// is what the main window talks to in a network game; what it needs of the main window
// comes as the few functions of `TReseauParts`. The user cannot close it: it lives until a
// local game is set up, and "Fermer" opens the new-game dialog instead.
#include "TNetSession.h"

#include <QDialog>

#include <functional>

class QAction;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QMessageBox;
class QToolBar;
class QToolButton;

namespace vantorel {

class TPlateau;

// Recent addresses, most recent first, at most five, none repeated and none of 2
// characters or fewer: `called` is put first.
QStringList RotateRecentAddresses(const QStringList& recent, const QString& called);

// The smiley pictures, drawn here: 1 ":-)", 2 ";-)", 3 ":-(".
QIcon SmileyIcon(int smiley);

struct TReseauParts {
    std::function<void()> OpenNewGameDialog;
    std::function<void()> RebuildView;
    std::function<void()> RefreshView;
    std::function<void(const QString& address)> RememberAddress;
    // The draw offer's question; empty: a box on this window.
    std::function<void(std::function<void(bool accepted)> answer)> AskDraw;
};

class TFReseau : public QDialog, public TNetSessionHost {
    Q_OBJECT
public:
    static constexpr int kLongestLog = 2000;

    TFReseau(QWidget* parent, TPlateau& game, TReseauParts parts);
    ~TFReseau() override;

    // A network game set up again: the old connections go, the new role starts.
    void Restart(int networkRole, const QString& address, quint16 port,
                 const QHostAddress& listenAddress = QHostAddress::Any);
    int Role() const { return Session.Role(); }

    void ToolButton1Click();
    void ToolButton2Click();
    void Edit1Exit();
    void SendSmiley(int smiley);

    TNetSession Session;
    QToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton3 = nullptr,
                *ToolButton5 = nullptr, *ToolButton6 = nullptr;
    QComboBox* CB_connectes = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    // The application icon before a smiley replaced it.
    QIcon OriginalIcon;

    // TNetSessionHost
    int AppendLog(const QString& line) override;
    void ReplaceLogLine(int index, const QString& line) override;
    void SetIconSmiley(int smiley) override;
    void ConnectedChanged(bool connected) override;
    void PeersChanged(const QStringList& hosts) override;
    void HidePeers() override;
    void AnswerDrawOffer() override;
    void ShowMessage(const QString& text) override;
    void RebuildViewForNewModel() override;
    void RefreshView() override;
    void AddressCalled(const QString& address) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TReseauParts parts_;
    QAction* connectedAction_ = nullptr;
    // One question and one box at a time, whatever a peer floods.
    bool drawAsked_ = false;
    QMessageBox* box_ = nullptr;
};

} // namespace vantorel
