#include "Connexion.h"

#include "TDie.h"

#include "engine/Random.h"
#include "game/TPlateau.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace vantorel {

namespace {

constexpr std::array<int, 8> kLevelCodes = {0, 1, 3, 6, 11, 16, 22, 34};
constexpr int kLongestName = 50;
constexpr int kFirstWhiteStopMs = 45, kFirstBlackStopMs = 50;
constexpr int kAgainWhiteStopMs = 300, kAgainBlackStopMs = 250;
constexpr int kClickStopMs = 1000;
const char* const kHelpContext = "helpContext";

// Whether this machine has a network another could call it on: an interface up and
// running, other than loopback, with an address.
bool OnANetwork() {
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        const auto flags = face.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) ||
            !flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& entry : face.addressEntries())
            if (!entry.ip().isLinkLocal()) return true;
    }
    return false;
}

QString OwnAddress() {
    // The first address another machine could call: no loopback, no link-local.
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback() &&
            !address.isLinkLocal())
            return address.toString();
    return {};
}

} // namespace

int LevelOfItem(int index) {
    return index >= 0 && index < static_cast<int>(kLevelCodes.size())
               ? kLevelCodes[static_cast<size_t>(index)]
               : -1;
}

std::optional<QString> CheckDottedAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || !trimmed.at(0).isDigit()) return std::nullopt;
    std::array<int, 4> groups{};
    qsizetype at = 0;
    for (int& group : groups) {
        while (at < trimmed.size() && !trimmed.at(at).isDigit())
            ++at;
        const qsizetype start = at;
        while (at < trimmed.size() && trimmed.at(at).isDigit())
            ++at;
        bool ok = false;
        // A missing or overlong group reads as -1 and fails the range check.
        group = at > start && at - start <= 9 ? trimmed.mid(start, at - start).toInt(&ok) : -1;
        if (!ok) group = -1;
    }
    for (int group : groups)
        if (group < 0 || group > 255) return std::nullopt;
    return QStringLiteral("%1.%2.%3.%4")
        .arg(groups[0])
        .arg(groups[1])
        .arg(groups[2])
        .arg(groups[3]);
}

TFConnexion::TFConnexion(QWidget* parent, TPlateau& game, TPlayerNames& names, int gameType,
                         const QStringList& recentServers, const QString& machineName)
    : QDialog(parent), game_(game), names_(names), machineName_(machineName) {
    setWindowTitle(tr("Nouvelle partie..."));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);

    Onglet = new QTabWidget(this);
    Onglet->setToolTip(tr("Choix de l'adversaire."));
    Tab_uvc = BuildHumanVsComputer();
    Tab_hvh = BuildHumanVsHuman();
    Tab_net = BuildNetwork(recentServers);
    Tab_cvc = BuildComputers();
    Onglet->addTab(Tab_uvc, tr("Humain contre ordinateur"));
    Onglet->addTab(Tab_hvh, tr("Humain contre Humain"));
    Onglet->addTab(Tab_net, tr("Jeu en réseau"));
    Onglet->addTab(Tab_cvc, tr("Ordinateur contre ordinateur"));
    // Every page's tab in sight, the network page's too.
    Onglet->setUsesScrollButtons(false);
    Explain(Onglet, 300, tr("Choisissez le genre de partie, puis les joueurs."));

    Lab_hvctrait = new QFrame(this);
    Lab_hvctrait->setFrameShape(QFrame::StyledPanel);
    Lab_hvctrait->setToolTip(
        tr("Couleur du joueur démarrant la partie. Ce joueur est choisi aléatoirement."));
    TraitLabel = new QLabel(tr("Le joueur Blanc a le trait"), Lab_hvctrait);
    RxDice_hvc_b = new TDie(Lab_hvctrait);
    RxDice_hvc_n = new TDie(Lab_hvctrait);
    auto* diceRow = new QHBoxLayout(Lab_hvctrait);
    diceRow->addWidget(TraitLabel, 1);
    diceRow->addWidget(RxDice_hvc_b);
    diceRow->addWidget(RxDice_hvc_n);
    for (QWidget* control :
         {static_cast<QWidget*>(Lab_hvctrait), static_cast<QWidget*>(RxDice_hvc_b),
          static_cast<QWidget*>(RxDice_hvc_n)})
        Explain(control, 311,
                tr("Les dés tirent le joueur qui commence : le plus fort l'emporte, noir en cas "
                   "d'égalité. Cliquez sur un dé pour les relancer."));
    for (TDie* die : {RxDice_hvc_b, RxDice_hvc_n}) {
        connect(die, &TDie::Changed, this, &TFConnexion::DiceChanged);
        connect(die, &TDie::Stopped, this, &TFConnexion::DiceStopped);
        connect(die, &TDie::Clicked, this, &TFConnexion::RxDice_hvhClick);
    }

    Btn_ok = new QPushButton(tr("OK"), this);
    Btn_ok->setDefault(true);
    Btn_cancel = new QPushButton(tr("Annuler"), this);
    BitBtn1 = new QPushButton(tr("&Aide"), this);
    Explain(Btn_ok, 137, tr("Commence la partie choisie."));
    Explain(Btn_cancel, 138, tr("Ferme cette fenêtre sans rien changer."));
    Explain(BitBtn1, 145, tr("Ouvre l'aide de cette fenêtre."));
    connect(Btn_ok, &QPushButton::clicked, this, &TFConnexion::Btn_okClick);
    connect(Btn_cancel, &QPushButton::clicked, this, &TFConnexion::Btn_cancelClick);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (ShowTopic) ShowTopic(QStringLiteral("NewGame"));
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_ok);
    buttons->addWidget(Btn_cancel);
    buttons->addWidget(BitBtn1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Onglet);
    layout->addWidget(Lab_hvctrait);
    layout->addLayout(buttons);

    // The human's colour, then the dice: both drawn.
    (RandomBelow(97) % 2 == 1 ? RB_hvcBlanc : RB_hvcNoir)->setChecked(true);
    RxDice_hvc_b->Roll(kFirstWhiteStopMs);
    RxDice_hvc_n->Roll(kFirstBlackStopMs);

    bool others = false;
    if (gameType >= 10) {
        gameType -= 10;
        others = true;
    }
    const int page = gameType >= 1 && gameType <= 4 ? gameType - 1 : 0;
    Onglet->setCurrentIndex(page);
    if (!others)
        for (int index = 0; index < Onglet->count(); ++index)
            Onglet->setTabVisible(index, index == page);
}

QComboBox* TFConnexion::NameBox(const QString& shown) {
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(names_.Names());
    box->setCurrentText(shown);
    box->lineEdit()->setMaxLength(kLongestName);
    Explain(box, 303, tr("Le nom du joueur : choisissez-le dans la liste ou tapez-en un nouveau."));
    return box;
}

QComboBox* TFConnexion::LevelBox() {
    auto* box = new QComboBox(this);
    box->addItems({tr("Neophyte"), tr("Debutant"), tr("Avancé"), tr("Temps limité à 2 secondes"),
                   tr("Temps limité à 5 secondes"), tr("Temps limité à 30 secondes"),
                   tr("Temps limité à 60 secondes"), tr("Temps limité à 2 minutes")});
    box->setCurrentIndex(2);
    Explain(box, 306, tr("La force de l'ordinateur : une profondeur de calcul ou un temps."));
    return box;
}

void TFConnexion::Explain(QWidget* control, int context, const QString& text) {
    control->setWhatsThis(text);
    control->setProperty(kHelpContext, context);
    control->installEventFilter(this);
}

bool TFConnexion::eventFilter(QObject* watched, QEvent* event) {
    // In the what's-this mode a control shows the pop-up of its context.
    if (event->type() == QEvent::WhatsThis && ShowContextPopup) {
        const int context = watched->property(kHelpContext).toInt();
        if (context > 0) {
            ShowContextPopup(context);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString TFConnexion::HumanHere() const {
    for (const TPlayerRec& player : game_.Players)
        if (player.Kind == TPlayerRec::Human) return QString::fromStdString(player.Name);
    return QStringLiteral("Olvira");
}

QWidget* TFConnexion::BuildHumanVsComputer() {
    auto* page = new QWidget(this);
    CB_HVCnom = NameBox(HumanHere());
    RB_hvcBlanc = new QRadioButton(tr("Les blancs"), page);
    RB_hvcNoir = new QRadioButton(tr("Les noirs"), page);
    for (QWidget* colour : {RB_hvcBlanc, RB_hvcNoir})
        Explain(colour, 302, tr("La couleur de vos pions."));
    CB_HVC_Niveau = LevelBox();
    auto* colours = new QHBoxLayout;
    colours->addWidget(RB_hvcBlanc);
    colours->addWidget(RB_hvcNoir);
    auto* form = new QFormLayout(page);
    form->addRow(tr("Votre nom :"), CB_HVCnom);
    form->addRow(tr("Vous jouez :"), colours);
    form->addRow(tr("Niveau de l'ordinateur :"), CB_HVC_Niveau);
    return page;
}

QWidget* TFConnexion::BuildHumanVsHuman() {
    auto* page = new QWidget(this);
    const auto& players = game_.Players;
    CB_hvhNomBlanc = NameBox(players[kWhite].Kind == TPlayerRec::Human
                                 ? QString::fromStdString(players[kWhite].Name)
                                 : QStringLiteral("Olvira"));
    CB_hvhNomnoir = NameBox(players[kBlack].Kind == TPlayerRec::Human
                                ? QString::fromStdString(players[kBlack].Name)
                                : QStringLiteral("Bresca"));
    auto* form = new QFormLayout(page);
    form->addRow(tr("Joueur blanc :"), CB_hvhNomBlanc);
    form->addRow(tr("Joueur noir :"), CB_hvhNomnoir);
    return page;
}

QWidget* TFConnexion::BuildNetwork(const QStringList& recentServers) {
    auto* page = new QWidget(this);
    CB_reseau = NameBox(HumanHere());
    RB_client = new QRadioButton(tr("Appeller un adversaire (jouer le rôle du client)"), page);
    RB_serveur = new QRadioButton(
        tr("Attendre qu'un adversaire vous appelle (remplir le rôle du serveur)"), page);
    RB_serveur->setChecked(true);
    for (QWidget* role : {RB_client, RB_serveur})
        Explain(role, 301, tr("Appeler l'autre joueur, ou attendre son appel."));
    connect(RB_client, &QRadioButton::clicked, this, &TFConnexion::RB_clientClick);
    connect(RB_serveur, &QRadioButton::clicked, this, &TFConnexion::RB_serveurClick);

    Panel_netServ = new QFrame(page);
    IP_call = new QLineEdit(OwnAddress(), Panel_netServ);
    IP_call->setReadOnly(true);
    auto* serverText = new QLabel(
        tr("Donnez cette adresse à votre adversaire pour qu'il vous appelle."), Panel_netServ);
    serverText->setWordWrap(true);
    const QString networkState = OnANetwork()
                                     ? tr("Vous êtes bien connecté à un réseau")
                                     : tr("Attention ! Vous n'êtes connecté à aucun réseau !");
    NetworkStateServ = new QLabel(networkState, Panel_netServ);
    auto* serverLayout = new QVBoxLayout(Panel_netServ);
    serverLayout->addWidget(IP_call);
    serverLayout->addWidget(serverText);
    serverLayout->addWidget(NetworkStateServ);
    Explain(Panel_netServ, 305, tr("L'adresse de cet ordinateur sur le réseau."));
    Explain(IP_call, 305, tr("L'adresse de cet ordinateur sur le réseau."));

    Panel_netclient = new QFrame(page);
    IP_client = new QComboBox(Panel_netclient);
    IP_client->setEditable(true);
    for (const QString& address : recentServers)
        if (!address.trimmed().isEmpty()) IP_client->addItem(address);
    auto* clientLayout = new QVBoxLayout(Panel_netclient);
    clientLayout->addWidget(new QLabel(tr("Adresse de l'adversaire :"), Panel_netclient));
    clientLayout->addWidget(IP_client);
    NetworkStateClient = new QLabel(networkState, Panel_netclient);
    clientLayout->addWidget(NetworkStateClient);
    Panel_netclient->setVisible(false);
    Explain(Panel_netclient, 304, tr("L'adresse de l'ordinateur à appeler."));
    Explain(IP_client, 304, tr("L'adresse de l'ordinateur à appeler."));

    GB_res_coul = new QGroupBox(tr("Votre couleur"), page);
    RB_res_b = new QRadioButton(tr("Les blancs"), GB_res_coul);
    RB_res_N = new QRadioButton(tr("Les noirs"), GB_res_coul);
    RB_res_N->setChecked(true);
    auto* colours = new QHBoxLayout(GB_res_coul);
    colours->addWidget(RB_res_b);
    colours->addWidget(RB_res_N);
    for (QWidget* colour : {RB_res_b, RB_res_N})
        Explain(colour, 302, tr("La couleur de vos pions."));

    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    form->addRow(tr("Votre pseudo :"), CB_reseau);
    layout->addLayout(form);
    layout->addWidget(RB_client);
    layout->addWidget(RB_serveur);
    layout->addWidget(Panel_netServ);
    layout->addWidget(Panel_netclient);
    layout->addWidget(GB_res_coul);
    // The panels come and go with the role: the controls stay at the top.
    layout->addStretch(1);
    return page;
}

QWidget* TFConnexion::BuildComputers() {
    auto* page = new QWidget(this);
    const auto& players = game_.Players;
    Cb_cvcNomBlanc = NameBox(QString::fromStdString(players[kWhite].Name));
    CB_cvcNomNoir = NameBox(QString::fromStdString(players[kBlack].Name));
    CB_cvcNiveauBlanc = LevelBox();
    CB_cvcNiveauNoir = LevelBox();
    CB_cvcdem = new QComboBox(page);
    CB_cvcdem->addItems({tr("Démarrer la partie dès la fermeture de cette fenêtre"),
                         tr("Attendre la pression d'une touche au clavier ou un click de souris")});
    Explain(CB_cvcdem, 307, tr("Quand la partie commence."));
    CB_cvcBoucle = new QComboBox(page);
    CB_cvcBoucle->addItems({tr("Pas de jeu en boucle"),
                            tr("Jeu en boucle, en gardant le thème et le plateau"),
                            tr("Jeu en boucle en changeant de thème"),
                            tr("Jeu en boucle en changeant de thème et de plateau "),
                            tr("Jeu en boucle en changeant de plateau")});
    Explain(CB_cvcBoucle, 308, tr("Ce qui se passe à la fin de chaque partie."));
    auto* form = new QFormLayout(page);
    form->addRow(tr("Blancs :"), Cb_cvcNomBlanc);
    form->addRow(tr("Niveau des blancs :"), CB_cvcNiveauBlanc);
    form->addRow(tr("Noirs :"), CB_cvcNomNoir);
    form->addRow(tr("Niveau des noirs :"), CB_cvcNiveauNoir);
    form->addRow(tr("Départ :"), CB_cvcdem);
    form->addRow(tr("Enchaînement :"), CB_cvcBoucle);
    return page;
}

void TFConnexion::DiceChanged() {
    TraitLabel->setText(
        tr("Le joueur %1 a le trait.")
            .arg(RxDice_hvc_b->Value() > RxDice_hvc_n->Value() ? tr("Blanc") : tr("Noir")));
}

void TFConnexion::DiceStopped() {
    if (RxDice_hvc_b->Rolling() || RxDice_hvc_n->Rolling()) return;
    if (RxDice_hvc_b->Value() != RxDice_hvc_n->Value()) return;
    RxDice_hvc_b->Roll(kAgainWhiteStopMs);
    RxDice_hvc_n->Roll(kAgainBlackStopMs);
}

void TFConnexion::RxDice_hvhClick() {
    RxDice_hvc_b->Roll(kClickStopMs);
    RxDice_hvc_n->Roll(kClickStopMs);
}

void TFConnexion::RB_serveurClick() {
    Panel_netServ->setVisible(true);
    Lab_hvctrait->setVisible(true);
    GB_res_coul->setVisible(true);
    Panel_netclient->setVisible(false);
}

void TFConnexion::RB_clientClick() {
    Panel_netServ->setVisible(false);
    Lab_hvctrait->setVisible(false);
    GB_res_coul->setVisible(false);
    Panel_netclient->setVisible(true);
}

QString TFConnexion::TakeName(const QComboBox* box, const QString& fallback) {
    // An empty name would be a nameless player and a blank line in the list.
    QString name = box->currentText().trimmed().left(kLongestName);
    if (name.isEmpty()) name = fallback;
    names_.Add(name);
    return name;
}

void TFConnexion::Btn_okClick() {
    const int type = Onglet->currentIndex() + 1;
    const int first = RxDice_hvc_n->Value() >= RxDice_hvc_b->Value() ? kBlack : kWhite;
    auto& players = game_.Players;
    const auto set = [&players](int side, uint8_t kind, const QString& name, int level) {
        TPlayerRec& player = players[static_cast<size_t>(side)];
        player.Kind = kind;
        player.Note.clear();
        player.Name = name.toStdString();
        player.Level = level;
    };

    switch (type) {
    case kHumanVsComputer: {
        const int human = RB_hvcBlanc->isChecked() ? kWhite : kBlack;
        set(human, TPlayerRec::Human, TakeName(CB_HVCnom, QStringLiteral("Olvira")), 0);
        QString computer = machineName_;
        if (computer.size() < 5) computer.prepend(QStringLiteral("Vantorel "));
        const int chosen = LevelOfItem(CB_HVC_Niveau->currentIndex());
        const int level = chosen >= 0 ? chosen : ComputerLevel;
        set(1 - human, TPlayerRec::Computer, computer, level);
        ComputerLevel = level;
        break;
    }
    case kHumanVsHuman:
        set(kWhite, TPlayerRec::Human, TakeName(CB_hvhNomBlanc, QStringLiteral("Olvira")), 0);
        set(kBlack, TPlayerRec::Human, TakeName(CB_hvhNomnoir, QStringLiteral("Bresca")), 0);
        break;
    case kNetworkServer:
        if (RB_client->isChecked()) {
            // A dotted address is used as it is; a name is looked up without holding the
            // window, and OK comes back here with what the lookup found.
            const QString typed = IP_client->currentText().trimmed();
            std::optional<QString> address = CheckDottedAddress(typed);
            if (!address && typed == lookedUpName_ && !lookedUpAddress_.isEmpty())
                address = lookedUpAddress_;
            if (!address && !typed.isEmpty() && typed != lookedUpName_) {
                StartLookup(typed);
                return;
            }
            if (!address) {
                const QString error = tr("Adresse IP incorrecte ou ordinateur inconnu !");
                if (ShowError)
                    ShowError(error);
                else
                    QMessageBox::critical(this, windowTitle(), error);
                return;
            }
            const QString own = TakeName(CB_reseau, QStringLiteral("Olvira"));
            set(kWhite, TPlayerRec::Caller, own, 0);
            set(kBlack, TPlayerRec::Caller, own, 0);
            ServerAddress = *address;
            NetworkRole = 1;
            game_.GameType = kNetworkCaller;
        } else {
            const int own = RB_res_b->isChecked() ? kWhite : kBlack;
            set(own, TPlayerRec::Server, TakeName(CB_reseau, QStringLiteral("Olvira")), 0);
            set(1 - own, TPlayerRec::Caller, QStringLiteral("?"), 0);
            ServerAddress.clear();
            NetworkRole = 2;
            game_.GameType = kNetworkServer;
        }
        break;
    case kComputerVsComputer: {
        CvcWaitForUser = CB_cvcdem->currentIndex();
        CvcLoopMode = CB_cvcBoucle->currentIndex();
        const int white = LevelOfItem(CB_cvcNiveauBlanc->currentIndex());
        const int black = LevelOfItem(CB_cvcNiveauNoir->currentIndex());
        set(kWhite, TPlayerRec::Computer, TakeName(Cb_cvcNomBlanc, QStringLiteral("Olvira")),
            white >= 0 ? white : 1);
        set(kBlack, TPlayerRec::Computer, TakeName(CB_cvcNomNoir, QStringLiteral("Bresca")),
            black >= 0 ? black : 1);
        ComputerLevel = players[kWhite].Level;
        break;
    }
    default:
        break;
    }
    if (type != kNetworkServer) game_.GameType = static_cast<int8_t>(type);
    game_.SideToMove = static_cast<int8_t>(first);
    game_.LastMover = 1 - first;
    accept();
}

void TFConnexion::StartLookup(const QString& name) {
    Btn_ok->setEnabled(false);
    setCursor(Qt::BusyCursor);
    QHostInfo::lookupHost(name, this, [this, name](const QHostInfo& info) {
        unsetCursor();
        Btn_ok->setEnabled(true);
        lookedUpName_ = name;
        lookedUpAddress_.clear();
        for (const QHostAddress& found : info.addresses())
            if (found.protocol() == QAbstractSocket::IPv4Protocol) {
                lookedUpAddress_ = CheckDottedAddress(found.toString()).value_or(QString());
                break;
            }
        // The user may have changed page or role meanwhile: OK only if still calling.
        if (Onglet->currentWidget() == Tab_net && RB_client->isChecked()) Btn_okClick();
    });
}

void TFConnexion::Btn_cancelClick() {
    reject();
}

} // namespace vantorel
