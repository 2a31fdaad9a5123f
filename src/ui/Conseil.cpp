#include "Conseil.h"

#include "DiagramPainter.h"
#include "THelp.h"

#include "game/TPlateau.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vantorel {

namespace {
constexpr const char* kHelpContext = "helpContext";
constexpr int kMaxDepth = 10;
} // namespace

TStripImage::TStripImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
}

void TStripImage::SetDiagram(TDiagram diagram, int steps) {
    diagram_ = std::move(diagram);
    // A long line gets room for every step instead of being cut at the edge.
    setFixedSize(std::max(kWidth, steps * 127 + 135 + 110), kHeight);
    update();
}

void TStripImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    PaintDiagram(painter, diagram_, palette());
}

TForm_conseil::TForm_conseil(TPlateau& game, TConseilParts parts, QWidget* parent)
    : QDialog(parent), game_(game), parts_(std::move(parts)) {
    setObjectName(QStringLiteral("TForm_conseil"));
    BuildForm();
    Cb_algo->setCurrentIndex(4);
    CB_eval->setCurrentIndex(0);
    CB_niveau->setCurrentIndex(3);
    StartSide = game_.Engine->SideToMove;
    DrawLine();
    setWindowTitle(tr("Suggérer un coup") + QStringLiteral(" - ") +
                   (StartSide == kBlack ? tr("Noir") : tr("Blanc")));
    // Advice on rolling dice would be advice on a position that is about to change.
    if (game_.Model.DiceRule > 0 && game_.ClickState == kClickStopDice)
        game_.Click(-1, kNoColour, -1);
}

TForm_conseil::~TForm_conseil() {
    StopWorker();
}

void TForm_conseil::SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContext, context);
    widget->setWhatsThis(HelpPopupText(context));
    widget->installEventFilter(this);
}

void TForm_conseil::BuildForm() {
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    resize(400, 380);
    Cb_algo = new QComboBox(this);
    Cb_algo->setObjectName(QStringLiteral("Cb_algo"));
    Cb_algo->addItems({tr("Alpha-Bêta"), tr("Negascout"), tr("AB-Dual"), tr("AB-SSS"), tr("MTDF")});
    Cb_algo->setToolTip(tr("Algorithme de recherche"));
    CB_niveau = new QComboBox(this);
    CB_niveau->setObjectName(QStringLiteral("CB_niveau"));
    for (int depth = 1; depth <= 6; ++depth)
        CB_niveau->addItem(QString::number(depth));
    CB_niveau->setToolTip(tr("Profondeur de la recherche"));
    CB_eval = new QComboBox(this);
    CB_eval->setObjectName(QStringLiteral("CB_eval"));
    CB_eval->addItems({tr("Détaillée"), tr("Simple")});
    CB_eval->setToolTip(tr("Mode d'évaluation des positions"));

    auto* choices = new QGridLayout;
    choices->addWidget(new QLabel(tr("Algorithme  de recherche :"), this), 0, 0);
    choices->addWidget(Cb_algo, 0, 1);
    choices->addWidget(new QLabel(tr("Profondeur de recherche :"), this), 1, 0);
    choices->addWidget(CB_niveau, 1, 1);
    choices->addWidget(new QLabel(tr("Mode d'évaluation des positions :"), this), 2, 0);
    choices->addWidget(CB_eval, 2, 1);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Base);
    Image1 = new TStripImage(ScrollBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(tr("Détail du coup proposé."));
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setMinimumHeight(TStripImage::kHeight + 24);

    Btn_calc = new QPushButton(tr("&Calculer"), this);
    Btn_calc->setObjectName(QStringLiteral("Btn_calc"));
    Btn_calc->setDefault(true);
    Btn_calc->setToolTip(tr("Lance le calcul des coups possibles"));
    connect(Btn_calc, &QPushButton::clicked, this, [this] { Btn_calcClick(); });
    BitBtn1 = new QPushButton(tr("&Fermer"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(tr("Ferme la fenêtre"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    BitBtn_jouer = new QPushButton(tr("&Jouer"), this);
    BitBtn_jouer->setObjectName(QStringLiteral("BitBtn_jouer"));
    BitBtn_jouer->setToolTip(tr("Joue le coup proposé"));
    BitBtn_jouer->setEnabled(false);
    connect(BitBtn_jouer, &QPushButton::clicked, this, [this] { BitBtn_jouerClick(); });
    BitBtn2 = new QPushButton(tr("&Aide"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(tr("Ouvre le fichier d'aide"));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Btn_calc);
    buttons->addWidget(BitBtn_jouer);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setToolTip(tr("Micro-Aide"));
    StatusBar1->showMessage(tr("Prêt"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(ScrollBox1, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    layout->setContentsMargins(8, 8, 8, 0);

    SetHelpContext(this, 230);
    SetHelpContext(Cb_algo, 220);
    SetHelpContext(CB_niveau, 221);
    SetHelpContext(CB_eval, 222);
    SetHelpContext(Image1, 223);
    SetHelpContext(Btn_calc, 224);
    SetHelpContext(BitBtn1, 225);
    SetHelpContext(BitBtn_jouer, 226);
    SetHelpContext(BitBtn2, 145);
}

TSuggestionRequest TForm_conseil::CurrentRequest() const {
    const int depth = std::min(CB_niveau->currentIndex() + 1, kMaxDepth);
    return TSuggestionRequest::FromGame(game_, depth, Cb_algo->currentIndex() + 1,
                                        CB_eval->currentIndex() + 1);
}

void TForm_conseil::Btn_calcClick() {
    if (Searching()) return;
    StopWorker();
    elapsed_.start();
    BitBtn_jouer->setEnabled(false);
    Btn_calc->setEnabled(false);
    setCursor(Qt::BusyCursor);
    const TSuggestionRequest request = CurrentRequest();
    stop_ = std::make_shared<std::atomic<int>>(kKeepSearching);
    delivered_ = false;
    worker_ = std::thread([this, request, stop = stop_] {
        const TSuggestionResult result = RunSuggestion(request, stop.get());
        if (stop->load() == kAbandon) return;
        // Back on the window's thread; dropped if the dialog is gone by then.
        QMetaObject::invokeMethod(
            this, [this, result] { Deliver(result); }, Qt::QueuedConnection);
    });
}

void TForm_conseil::Deliver(const TSuggestionResult& result) {
    delivered_ = true;
    unsetCursor();
    Btn_calc->setEnabled(true);
    if (result.Abandoned) return;
    Line = result.Line;
    DrawLine();
    StatusBar1->showMessage(tr("Coup trouve en %1 ms. %2 positions examinées")
                                .arg(static_cast<double>(elapsed_.nsecsElapsed()) / 1e6, 0, 'f', 3)
                                .arg(result.PositionsExamined));
    emit SuggestionShown();
}

void TForm_conseil::DrawLine() {
    const TStripTexts texts{tr("Position de départ").toStdString(), tr("Blanc").toStdString(),
                            tr("Noir").toStdString()};
    const Tjeu& engine = *game_.Engine;
    Image1->SetDiagram(DrawSuggestionStrip(game_.Model, engine.LiveBoard, engine.LiveReserve,
                                           StartSide, Line, texts, &Steps),
                       Steps);
    BitBtn_jouer->setEnabled(Steps > 0);
}

void TForm_conseil::BitBtn_jouerClick() {
    if (Searching() || Steps == 0) return;
    try {
        for (const int point : SuggestionClicks(Line))
            game_.Click(point, kNoColour, -1);
    } catch (const Ecoup_imposible&) {
        QApplication::beep();
    }
    accept();
}

void TForm_conseil::BitBtn2Click() {
    if (parts_.Help) parts_.Help->ShowTopic(QStringLiteral("SUGGERER"));
}

void TForm_conseil::StopWorker() {
    if (stop_) stop_->store(kAbandon);
    if (worker_.joinable()) worker_.join();
    delivered_ = true;
}

void TForm_conseil::done(int result) {
    // A search still running is abandoned; it stops within a few thousand nodes.
    StopWorker();
    unsetCursor();
    Btn_calc->setEnabled(true);
    QDialog::done(result);
}

bool TForm_conseil::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && parts_.WhatsThisMode &&
        parts_.WhatsThisMode()) {
        const QVariant context = watched->property(kHelpContext);
        if (context.isValid() && parts_.LeaveWhatsThisFor) {
            parts_.LeaveWhatsThisFor(context.toInt());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vantorel
