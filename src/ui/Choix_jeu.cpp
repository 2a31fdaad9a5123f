#include "Choix_jeu.h"

#include "DiagramPainter.h"
#include "THelp.h"

#include "engine/Random.h"
#include "game/Diagram.h"
#include "game/TFileModele.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>

namespace vantorel {

namespace {
constexpr const char* kHelpContext = "helpContext";
constexpr int kFormContext = 200;
} // namespace

Tchoix_jeux::Tchoix_jeux(TChooserParts parts, QWidget* parent)
    : QDialog(parent), parts_(std::move(parts)) {
    setObjectName(QStringLiteral("Tchoix_jeux"));
    BuildForm();
    Horloge.setInterval(kTickMs);
    connect(&Horloge, &QTimer::timeout, this, [this] { HorlogeTimer(); });
}

Tchoix_jeux::~Tchoix_jeux() = default;

void Tchoix_jeux::SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContext, context);
    widget->setWhatsThis(HelpPopupText(context));
    widget->installEventFilter(this);
}

void Tchoix_jeux::BuildForm() {
    setWindowTitle(tr("Choix d'un jeu de Quelmars"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    resize(673, 360);

    Liste_jeux = new QListWidget(this);
    Liste_jeux->setObjectName(QStringLiteral("Liste_jeux"));
    Liste_jeux->setToolTip(tr("Liste des variantes disponibles"));
    Liste_jeux->setItemDelegate(new TPreviewDelegate(*this));
    Liste_jeux->setUniformItemSizes(true);
    Liste_jeux->setMinimumWidth(300);
    connect(Liste_jeux, &QListWidget::currentRowChanged, this, [this] { ShowProperties(); });
    connect(Liste_jeux, &QListWidget::itemDoubleClicked, this, [this] { BitBtn1Click(); });

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setToolTip(tr("Réinitialise le jeu avec la variante sélectionnée"));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    Btn_CANCEL = new QPushButton(tr("Annuler"), this);
    Btn_CANCEL->setObjectName(QStringLiteral("Btn_CANCEL"));
    Btn_CANCEL->setToolTip(tr("Ferme la fenêtre en ignorant la variante sélectionnée"));
    connect(Btn_CANCEL, &QPushButton::clicked, this, &QDialog::reject);
    BitBtn2 = new QPushButton(tr("&Aide"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(tr("Ouvre le fichier d'aide"));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    Memo_desc = new QPlainTextEdit(this);
    Memo_desc->setObjectName(QStringLiteral("Memo_desc"));
    Memo_desc->setReadOnly(true);
    Memo_desc->setToolTip(tr("Description de la variante"));

    auto* panel = new QGroupBox(this);
    Panel1 = panel;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    const auto edit = [this](const char* name, const QString& hint) {
        auto* line = new QLineEdit(this);
        line->setObjectName(QString::fromLatin1(name));
        line->setReadOnly(true);
        line->setToolTip(hint);
        return line;
    };
    Nom = edit("Nom", tr("Nom de la variante"));
    cases = edit("cases", tr("Nombre de cases de la variante sélectionnée"));
    Moulins = edit("Moulins", tr("Nombre de moulins possibles"));
    Pions = edit("Pions", tr("Nombre de pions accordés à chaque joueur"));
    Sauts = new QComboBox(this);
    Sauts->setObjectName(QStringLiteral("Sauts"));
    Sauts->addItems({tr("Sauts autorisés dans la 3eme phase du jeu"), tr("Sauts non autorisés"),
                     tr("Sauts autorisés tout le long du jeu")});
    Prise = new QComboBox(this);
    Prise->setObjectName(QStringLiteral("Prise"));
    Prise->addItems(
        {tr("Seul les pions ne faisant pas partie d'un moulin peuvent être pris"),
         tr("Pions ne faisant pas partie d'un moulin ou pions en réserve sinon"),
         tr("Pions ne faisant pas partie d'un moulin, sinon pions en réserve, sinon tous le "
            "pions"),
         tr("Pions ne faisant pas partie d'un moulin, sinon pions en réserve, sinon tous les "
            "pions si phase 3")});
    Prise->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Prise->setMinimumContentsLength(20);
    Sauts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Sauts->setMinimumContentsLength(20);
    Des = new QComboBox(this);
    Des->setObjectName(QStringLiteral("Des"));
    Des->addItems({tr("Pas de dés"), tr("Dés dans la première partie uniquement")});
    CB_prise1 = new QCheckBox(tr("Prises possibles dans la 1ere phase du jeu"), this);
    CB_prise1->setObjectName(QStringLiteral("CB_prise1"));

    auto* form = new QFormLayout(Panel1);
    form->addRow(tr("Nom :"), Nom);
    auto* counts = new QHBoxLayout;
    counts->addWidget(cases);
    counts->addWidget(new QLabel(tr("Nb moulins possibles :"), this));
    counts->addWidget(Moulins);
    form->addRow(tr("Nb cases : "), counts);
    form->addRow(tr("Nb de pions :"), Pions);
    form->addRow(tr("Prises :"), Prise);
    form->addRow(QString(), CB_prise1);
    form->addRow(tr("Sauts:"), Sauts);
    form->addRow(tr("Des:"), Des);
    // The properties are shown, not edited (the editor changes a variant); greyed-out
    // controls would be hard to read, so they only stop taking the mouse and the focus.
    for (QWidget* control : std::initializer_list<QWidget*>{Sauts, Prise, Des, CB_prise1}) {
        control->setAttribute(Qt::WA_TransparentForMouseEvents);
        control->setFocusPolicy(Qt::NoFocus);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(Btn_CANCEL);
    buttons->addWidget(BitBtn2);
    auto* right = new QVBoxLayout;
    right->addWidget(Panel1);
    right->addWidget(Memo_desc, 1);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->addWidget(Liste_jeux, 1);
    top->addLayout(right, 1);

    SetHelpContext(this, kFormContext);
    SetHelpContext(Panel1, kFormContext);
    SetHelpContext(Liste_jeux->viewport(), 201);
    Liste_jeux->setWhatsThis(HelpPopupText(201));
    SetHelpContext(Nom, 202);
    SetHelpContext(cases, 203);
    SetHelpContext(Moulins, 204);
    SetHelpContext(Pions, 205);
    SetHelpContext(Prise, 206);
    SetHelpContext(CB_prise1, 206);
    SetHelpContext(Sauts, 207);
    SetHelpContext(Des, 208);
    SetHelpContext(Memo_desc->viewport(), 209);
    Memo_desc->setWhatsThis(HelpPopupText(209));
    SetHelpContext(BitBtn1, 137);
    SetHelpContext(Btn_CANCEL, 138);
    SetHelpContext(BitBtn2, 145);
}

void Tchoix_jeux::AddEntry(const Tmodele& variant) {
    TPreview preview;
    preview.Variant = variant;
    try {
        preview.Game = std::make_unique<TPlateau>(0, false, nullptr);
        preview.Game->Model.Assign(variant);
        preview.Game->NewGame();
    } catch (const std::exception&) {
        // Listed, but not animated: the engine cannot play it.
        preview.Game.reset();
    }
    Previews.push_back(std::move(preview));
}

void Tchoix_jeux::Load(int purpose) {
    Purpose = purpose;
    chosen_.reset();
    setResult(QDialog::Rejected);
    Busy = true;
    Horloge.stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Previews.clear();
    Liste_jeux->clear();
    AddEntry(Tmodele(0));
    if (TFileModele* library = parts_.Library ? parts_.Library() : nullptr) {
        // Up to the first record that cannot be read; the variants before it stay.
        for (const Tmodele& variant : library->ReadAll())
            AddEntry(variant);
    }
    if (Previews.size() <= 1) {
        AddEntry(Tmodele(0));
        AddEntry(Tmodele(1));
    }
    const Tmodele* live = parts_.LiveModel ? parts_.LiveModel() : nullptr;
    int selected = 0;
    for (size_t i = 1; i < Previews.size(); ++i) {
        Liste_jeux->addItem(QString::fromStdString(Previews[i].Variant.Name));
        if (live && Previews[i].Variant.SameAs(*live)) selected = static_cast<int>(i) - 1;
    }
    Liste_jeux->setCurrentRow(selected);
    ShowProperties();
    QApplication::restoreOverrideCursor();
}

const TPreview* Tchoix_jeux::Selected() const {
    const int entry = Liste_jeux->currentRow() + 1;
    if (entry < 1 || entry >= static_cast<int>(Previews.size())) return nullptr;
    return &Previews[static_cast<size_t>(entry)];
}

void Tchoix_jeux::ShowProperties() {
    const TPreview* preview = Selected();
    if (!preview) return;
    const Tmodele& v = preview->Variant;
    Nom->setText(QString::fromStdString(v.Name));
    cases->setText(QString::number(v.PointCount()));
    Moulins->setText(QString::number(v.MillCount()));
    Pions->setText(QString::number(v.PiecesPerSide[kWhite]));
    Sauts->setCurrentIndex(v.JumpRule);
    Prise->setCurrentIndex(v.CaptureRule);
    // The longer rules do not fit the list's width: the whole text is in the tip.
    Prise->setToolTip(Prise->currentText());
    Sauts->setToolTip(Sauts->currentText());
    Des->setCurrentIndex(v.DiceRule);
    CB_prise1->setChecked(v.CaptureWhilePlacing == 1);
    Memo_desc->setPlainText(QString::fromStdString(v.DescriptionText()).trimmed());
}

void Tchoix_jeux::HorlogeTimer(int entry) {
    if (Busy) return;
    std::vector<int> animated;
    for (size_t i = 1; i < Previews.size(); ++i)
        if (Previews[i].Game) animated.push_back(static_cast<int>(i));
    if (animated.empty()) return;
    if (entry < 0)
        entry = animated[RandomBelow(static_cast<uint32_t>(animated.size()))];
    else if (entry >= static_cast<int>(Previews.size()) ||
             !Previews[static_cast<size_t>(entry)].Game)
        return;
    Busy = true;
    TPreview& preview = Previews[static_cast<size_t>(entry)];
    try {
        if (!preview.Game->PlayPreviewMove() || preview.Game->MoveCount > kPreviewMoveLimit)
            preview.Game->NewGame();
    } catch (const std::exception&) {
        // This preview stops; the others go on.
        preview.Game.reset();
    }
    if (QListWidgetItem* item = Liste_jeux->item(entry - 1))
        Liste_jeux->viewport()->update(Liste_jeux->visualItemRect(item));
    Busy = false;
}

void Tchoix_jeux::BitBtn1Click() {
    if (const TPreview* preview = Selected()) chosen_ = preview->Variant;
    accept();
}

void Tchoix_jeux::BitBtn2Click() {
    if (parts_.Help) parts_.Help->ShowTopic(QStringLiteral("Choice"));
}

std::optional<Tmodele> Tchoix_jeux::ChooseVariant(int purpose, QWidget* parent) {
    Load(purpose);
    BitBtn1->setToolTip(purpose == 1 ? tr("Réinitialise le jeu avec la variante sélectionnée")
                                     : tr("Ouvre la variante sélectionnée dans l'éditeur"));
    // Centred on the screen of the window that asked.
    const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());
    const bool confirmed = exec() == QDialog::Accepted;
    std::optional<Tmodele> chosen = confirmed ? chosen_ : std::nullopt;
    // The previews live only while the dialog is open.
    Liste_jeux->clear();
    Previews.clear();
    return chosen;
}

void Tchoix_jeux::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Busy = false;
    Horloge.start();
}

void Tchoix_jeux::hideEvent(QHideEvent* event) {
    Horloge.stop();
    Busy = true;
    QDialog::hideEvent(event);
}

bool Tchoix_jeux::eventFilter(QObject* watched, QEvent* event) {
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

void TPreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const auto entry = static_cast<size_t>(index.row() + 1);
    if (entry >= chooser_.Previews.size()) return;
    TPreview& preview = chooser_.Previews[entry];
    const QRect r = option.rect;
    preview.LastRect = r;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(r, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    if (selected && (option.state & QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.rect = r;
        focus.palette = palette;
        focus.state = option.state;
        focus.backgroundColor = palette.color(QPalette::Highlight);
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
    }
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPoint(r.left() + 80, r.top() + 20 + painter->fontMetrics().ascent()),
                      QString::fromStdString(preview.Variant.Name));
    std::string board;
    int8_t reserve[2] = {0, 0};
    if (preview.Game) {
        board = preview.Game->Engine->LiveBoard;
        reserve[0] = preview.Game->Engine->LiveReserve[0];
        reserve[1] = preview.Game->Engine->LiveReserve[1];
    }
    PaintDiagram(*painter,
                 DrawPreview(preview.Variant, board, reserve, r.left() + 15, selected, r.top()),
                 palette);
    painter->restore();
}

} // namespace vantorel
