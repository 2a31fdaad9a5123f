// The network window.
#include "Reseau.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorel {

QStringList RotateRecentAddresses(const QStringList& recent, const QString& called) {
    QStringList kept{called};
    for (const QString& address : recent.mid(0, 5))
        if (address != called) kept << address;
    QStringList result;
    for (const QString& address : kept.mid(0, 5))
        if (address.size() > 2) result << address;
    return result;
}

QIcon SmileyIcon(int smiley) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 214, 0));
    p.drawEllipse(2, 2, 28, 28);
    p.setBrush(Qt::black);
    p.drawEllipse(10, 10, 4, 5);
    if (smiley == 2)
        p.drawLine(18, 13, 23, 13); // the wink
    else
        p.drawEllipse(18, 10, 4, 5);
    p.setBrush(Qt::NoBrush);
    if (smiley == 3)
        p.drawArc(9, 19, 14, 9, 20 * 16, 140 * 16);
    else
        p.drawArc(9, 12, 14, 11, 200 * 16, 140 * 16);
    return QIcon(picture);
}

TFReseau::TFReseau(QWidget* parent, TPlateau& game, TReseauParts parts)
    : QDialog(parent), Session(game, *this), parts_(std::move(parts)) {
    setWindowTitle(tr("Connexion"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint);
    setModal(false);
    QPalette tips = palette();
    tips.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
    setPalette(tips);
    setAutoFillBackground(true);
    OriginalIcon = QApplication::windowIcon();

    ToolBar1 = new QToolBar(this);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto button = [this](const QString& caption, const QString& hint) {
        auto* b = new QToolButton(ToolBar1);
        b->setText(caption);
        b->setToolTip(hint);
        ToolBar1->addWidget(b);
        return b;
    };
    ToolButton1 = button(tr("Fermer"), tr("Fermer et choisir une nouvelle partie"));
    ToolButton2 = button(tr("Envoyer"), tr("Envoyer le texte à son partenaire de jeu"));
    ToolBar1->addSeparator();
    ToolButton3 = button(QStringLiteral(":-)"), tr("Smiley sourire"));
    ToolButton5 = button(QStringLiteral(";-)"), tr("Smiley complice"));
    ToolButton6 = button(QStringLiteral(":-("), tr("Smiley désaprobateur"));
    int smiley = 1;
    for (QToolButton* b : {ToolButton3, ToolButton5, ToolButton6})
        b->setIcon(SmileyIcon(smiley++));
    ToolBar1->addSeparator();
    ToolBar1->addSeparator();
    CB_connectes = new QComboBox(ToolBar1);
    CB_connectes->setMinimumContentsLength(16);
    CB_connectes->setToolTip(tr("Les ordinateurs connectés"));
    // A widget in a tool bar shows and hides through its action.
    connectedAction_ = ToolBar1->addWidget(CB_connectes);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(kLongestLog);
    Edit1 = new QLineEdit(this);
    Edit1->setToolTip(tr("Envoyer un texte à son partenaire de jeu"));
    Edit1->setMaxLength(TNetSession::kLongestChat);
    Edit1->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(ToolBar1);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Edit1);
    resize(460, 300);

    connect(ToolButton1, &QToolButton::clicked, this, &TFReseau::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TFReseau::ToolButton2Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TFReseau::ToolButton2Click);
    connect(ToolButton3, &QToolButton::clicked, this, [this] { SendSmiley(1); });
    connect(ToolButton5, &QToolButton::clicked, this, [this] { SendSmiley(2); });
    connect(ToolButton6, &QToolButton::clicked, this, [this] { SendSmiley(3); });
    ConnectedChanged(false);
}

TFReseau::~TFReseau() {
    Session.Stop();
    QApplication::setWindowIcon(OriginalIcon);
}

void TFReseau::Restart(int networkRole, const QString& address, quint16 port,
                       const QHostAddress& listenAddress) {
    connectedAction_->setVisible(true);
    Session.Start(networkRole, address, port, listenAddress);
    // The serving side chats as soon as someone calls.
    if (networkRole == 2) ConnectedChanged(false);
}

void TFReseau::ToolButton1Click() {
    if (parts_.OpenNewGameDialog) parts_.OpenNewGameDialog();
}

void TFReseau::ToolButton2Click() {
    Edit1Exit();
}

void TFReseau::Edit1Exit() {
    if (Edit1->text().trimmed().isEmpty()) return;
    Session.SendChat(Edit1->text());
    Edit1->clear();
}

void TFReseau::SendSmiley(int smiley) {
    static const char* const captions[] = {":-)", ";-)", ":-("};
    Session.SendChat(QString::fromLatin1(captions[std::clamp(smiley, 1, 3) - 1]));
}

bool TFReseau::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::FocusOut) Edit1Exit();
    return QDialog::eventFilter(watched, event);
}

void TFReseau::closeEvent(QCloseEvent* event) {
    // The window goes with the network game, not before.
    event->ignore();
}

int TFReseau::AppendLog(const QString& line) {
    Memo1->appendPlainText(line);
    return Memo1->document()->blockCount() - 1;
}

void TFReseau::ReplaceLogLine(int index, const QString& line) {
    const QTextBlock block = Memo1->document()->findBlockByNumber(index);
    if (!block.isValid()) {
        AppendLog(line);
        return;
    }
    QTextCursor cursor(block);
    cursor.select(QTextCursor::LineUnderCursor);
    cursor.insertText(line);
}

void TFReseau::SetIconSmiley(int smiley) {
    const QIcon icon = SmileyIcon(smiley);
    QApplication::setWindowIcon(icon);
    if (parentWidget()) parentWidget()->setWindowIcon(icon);
}

void TFReseau::ConnectedChanged(bool connected) {
    const bool can = connected || Session.Serving();
    for (QToolButton* b : {ToolButton2, ToolButton3, ToolButton5, ToolButton6})
        b->setEnabled(can && (connected || Session.CallerCount() > 0));
}

void TFReseau::PeersChanged(const QStringList& hosts) {
    CB_connectes->clear();
    CB_connectes->addItems(hosts);
    connectedAction_->setVisible(true);
    ConnectedChanged(!hosts.isEmpty());
}

void TFReseau::HidePeers() {
    connectedAction_->setVisible(false);
}

void TFReseau::AnswerDrawOffer() {
    if (drawAsked_) return;
    drawAsked_ = true;
    auto answer = [this](bool accepted) {
        drawAsked_ = false;
        Session.SendDrawAnswer(accepted);
        if (parts_.RefreshView) parts_.RefreshView();
    };
    if (parts_.AskDraw) {
        parts_.AskDraw(answer);
        return;
    }
    // Not modal: the question waits without stopping the sockets.
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
                                tr("Votre adversaire propose le nul. Acceptez-vous le nul ?"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this,
            [answer](int result) { answer(result == QMessageBox::Yes); });
    box->open();
}

void TFReseau::ShowMessage(const QString& text) {
    // A second message while one is shown goes to the log only.
    if (box_) return;
    box_ = new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box_->setAttribute(Qt::WA_DeleteOnClose);
    connect(box_, &QObject::destroyed, this, [this] { box_ = nullptr; });
    box_->open();
}

void TFReseau::RebuildViewForNewModel() {
    if (parts_.RebuildView) parts_.RebuildView();
}

void TFReseau::RefreshView() {
    if (parts_.RefreshView) parts_.RefreshView();
}

void TFReseau::AddressCalled(const QString& address) {
    if (parts_.RememberAddress) parts_.RememberAddress(address);
}

} // namespace vantorel
