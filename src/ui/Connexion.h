#pragma once
// The new-game dialog: one page per kind of game (against the computer, between two
// people, across the network, between two computers), the players' names, colours and
// levels, and two dice that draw the side to move first. On OK it writes the game type and
// both players into the game; what the window needs besides is left in its fields.
#include "PlayerNames.h"

#include <QDialog>

#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace vantorel {

class TDie;
class TPlateau;

// A dotted address ("192.168.001.010" gives "192.168.1.10"); none when the text is not one.
std::optional<QString> CheckDottedAddress(const QString& text);

// The level codes of the eight level items, in list order.
int LevelOfItem(int index);

class TFConnexion : public QDialog {
    Q_OBJECT
public:
    // `gameType` 1..4 shows only that page; 11..14 opens that page among the others.
    TFConnexion(QWidget* parent, TPlateau& game, TPlayerNames& names, int gameType,
                const QStringList& recentServers, const QString& machineName);

    void Btn_okClick();
    void Btn_cancelClick();
    void RB_serveurClick();
    void RB_clientClick();
    // Both dice roll again: a click on either.
    void RxDice_hvhClick();
    // The label follows the dice; equal dice roll again once both have stopped.
    void DiceChanged();
    void DiceStopped();

    // What the window takes after OK.
    int CvcWaitForUser = 0;
    int CvcLoopMode = 0;
    int ComputerLevel = -1;
    int NetworkRole = 0;
    QString ServerAddress;
    // The help the dialog asks for; either may be empty.
    std::function<void(int context)> ShowContextPopup;
    std::function<void(const QString& keyword)> ShowTopic;
    // The error box of an unusable address; empty: a message box.
    std::function<void(const QString& text)> ShowError;

    QTabWidget* Onglet = nullptr;
    QWidget *Tab_uvc = nullptr, *Tab_hvh = nullptr, *Tab_net = nullptr, *Tab_cvc = nullptr;
    QComboBox *CB_HVCnom = nullptr, *CB_HVC_Niveau = nullptr, *CB_hvhNomBlanc = nullptr,
              *CB_hvhNomnoir = nullptr, *CB_reseau = nullptr, *IP_client = nullptr,
              *Cb_cvcNomBlanc = nullptr, *CB_cvcNomNoir = nullptr, *CB_cvcNiveauBlanc = nullptr,
              *CB_cvcNiveauNoir = nullptr, *CB_cvcdem = nullptr, *CB_cvcBoucle = nullptr;
    QRadioButton *RB_hvcBlanc = nullptr, *RB_hvcNoir = nullptr, *RB_client = nullptr,
                 *RB_serveur = nullptr, *RB_res_b = nullptr, *RB_res_N = nullptr;
    QFrame *Panel_netServ = nullptr, *Panel_netclient = nullptr, *Lab_hvctrait = nullptr;
    QLineEdit* IP_call = nullptr;
    QGroupBox* GB_res_coul = nullptr;
    QLabel* TraitLabel = nullptr;
    QLabel *NetworkStateServ = nullptr, *NetworkStateClient = nullptr;
    TDie *RxDice_hvc_b = nullptr, *RxDice_hvc_n = nullptr;
    QPushButton *Btn_ok = nullptr, *Btn_cancel = nullptr, *BitBtn1 = nullptr;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildHumanVsComputer();
    QWidget* BuildHumanVsHuman();
    QWidget* BuildNetwork(const QStringList& recentServers);
    QWidget* BuildComputers();
    // The name of the first human at this machine, white first; a default name otherwise.
    QString HumanHere() const;
    QComboBox* NameBox(const QString& shown);
    QComboBox* LevelBox();
    // The typed name, trimmed and cut to 50 characters; `fallback` when nothing is left.
    QString TakeName(const QComboBox* box, const QString& fallback);
    // A control's help in the what's-this mode: a short text and a context number.
    void Explain(QWidget* control, int context, const QString& text);

    // The host name typed is looked up in the background; OK waits for it.
    void StartLookup(const QString& name);

    TPlateau& game_;
    TPlayerNames& names_;
    QString lookedUpName_;
    QString lookedUpAddress_;
    QString machineName_;
};

} // namespace vantorel
