#include "DefModele.h"

#include "editor/TModelFile.h"
#include "game/TFileModele.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorel::editor {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

enum Glyph {
    kArrow,
    kAddPoint,
    kDelete,
    kLink,
    kUnlink,
    kAlign,
    kRenumber,
    kCentre,
    kMirrorX,
    kMirrorY,
    kRotate,
    kMills
};

// The tools' pictures, drawn here rather than shipped.
QIcon GlyphIcon(int glyph) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(30, 30, 30), 2);
    const QColor blue(0, 0, 255), red(220, 0, 0), green(0, 128, 0);
    const auto dot = [&p](QPointF at, QColor fill, double r = 3.5) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(fill);
        p.drawEllipse(at, r, r);
    };
    const auto arrowHead = [&p](QPointF tip, QPointF from) {
        const QLineF line(tip, from);
        QLineF a = line, b = line;
        a.setLength(5), b.setLength(5);
        a.setAngle(line.angle() + 30), b.setAngle(line.angle() - 30);
        p.drawLine(a), p.drawLine(b);
    };
    switch (glyph) {
    case kArrow: {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        const QPointF shape[] = {{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15, 20}, {12, 14}, {18, 14}};
        p.drawPolygon(shape, 7);
        break;
    }
    case kAddPoint:
        dot({10, 14}, blue, 6);
        p.setPen(QPen(green, 2.5));
        p.drawLine(QPointF(18, 2), QPointF(18, 10)), p.drawLine(QPointF(14, 6), QPointF(22, 6));
        break;
    case kDelete:
        p.setPen(QPen(red, 3));
        p.drawLine(5, 5, 19, 19), p.drawLine(19, 5, 5, 19);
        break;
    case kLink:
    case kUnlink:
        p.setPen(QPen(green, 2));
        p.drawLine(5, 18, 19, 6);
        dot({5, 18}, blue), dot({19, 6}, blue);
        if (glyph == kUnlink) {
            p.setPen(QPen(red, 2.5));
            p.drawLine(9, 7, 15, 17), p.drawLine(15, 7, 9, 17);
        }
        break;
    case kAlign:
        p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        p.drawLine(2, 12, 22, 12);
        dot({5, 12}, blue), dot({12, 12}, blue), dot({19, 12}, red);
        break;
    case kRenumber: {
        QFont font = p.font();
        font.setPixelSize(11), font.setBold(true);
        p.setFont(font);
        p.setPen(red);
        p.drawText(QRect(0, 0, 24, 12), Qt::AlignCenter, QStringLiteral("1 2"));
        p.setPen(blue);
        p.drawText(QRect(0, 12, 24, 12), Qt::AlignCenter, QStringLiteral("3 4"));
        break;
    }
    case kCentre:
        p.setPen(ink);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.drawLine(12, 1, 12, 23), p.drawLine(1, 12, 23, 12);
        break;
    case kMirrorX:
    case kMirrorY: {
        p.setPen(ink);
        const bool across = glyph == kMirrorX;
        const QPointF a = across ? QPointF(3, 12) : QPointF(12, 3);
        const QPointF b = across ? QPointF(21, 12) : QPointF(12, 21);
        p.drawLine(a, b);
        arrowHead(a, b), arrowHead(b, a);
        p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        if (across)
            p.drawLine(12, 2, 12, 22);
        else
            p.drawLine(2, 12, 22, 12);
        break;
    }
    case kRotate:
        p.setPen(ink);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 90 * 16, -270 * 16);
        arrowHead({12, 4}, {7, 2});
        break;
    case kMills:
        p.setPen(QPen(green, 2));
        p.drawLine(4, 20, 20, 4);
        dot({4, 20}, red), dot({12, 12}, red), dot({20, 4}, red);
        break;
    default:
        break;
    }
    return QIcon(pixmap);
}

const char* const kJumpTexts[] = {
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele", "Sauts autorisés en 3eme phase"),
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele", "Sauts non autorisés tout le long du jeu"),
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele", "Sauts autorisés tout le long du jeu")};
const char* const kCaptureTexts[] = {
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele",
                      "Seul les pions ne faisant pas partie d'un moulin peuvent être pris"),
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele",
                      "Pions ne faisant pas partie d'un moulin ou pions en réserve sinon"),
    QT_TRANSLATE_NOOP(
        "vantorel::editor::TFModele",
        "Pions ne faisant pas partie d'un moulin, sinon pions en réserve, sinon tous le pions"),
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele",
                      "Pions ne faisant pas partie d'un moulin, sinon pions en "
                      "réserve, sinon tous les pions si phase 3")};
const char* const kDiceTexts[] = {
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele", "Pas de dés"),
    QT_TRANSLATE_NOOP("vantorel::editor::TFModele", "Dés dans la première partie uniquement")};

void Today(uint16_t& day, uint16_t& month, uint16_t& year) {
    const QDate today = QDate::currentDate();
    day = static_cast<uint16_t>(today.day());
    month = static_cast<uint16_t>(today.month());
    year = static_cast<uint16_t>(today.year());
}

} // namespace

QString MillEntryText(const TMillSlot& mill) {
    return QStringLiteral("%1;%2;%3;").arg(mill.P[0]).arg(mill.P[1]).arg(mill.P[2]);
}

TMillSlot ParseMillEntry(const QString& text) {
    TMillSlot mill;
    const QStringList fields = text.split(QLatin1Char(';'));
    for (int k = 0; k < 3 && k < fields.size(); ++k) {
        QString digits;
        for (QChar c : fields[k])
            if (c.isDigit()) digits += c;
        bool ok = false;
        const int value = digits.toInt(&ok);
        mill.P[k] = static_cast<int16_t>(ok && value <= kPointSlots ? value : -1);
    }
    return mill.Complete() ? mill : TMillSlot{};
}

void PaintDrawing(QPainter& p, const TDrawing& d) {
    // The grid: fine lines every 5 pixels, stronger every 20, the centre lines in black.
    p.fillRect(0, 0, kDrawingSize, kDrawingSize, Qt::white);
    for (int v = 5; v < kDrawingSize; v += 5) {
        p.setPen(v == kDrawingSize / 2 ? QColor(Qt::black)
                 : v % 20 == 0         ? QColor(0, 0, 255)
                                       : QColor(0, 255, 255));
        p.drawLine(v, 1, v, kDrawingSize - 1);
        p.drawLine(1, v, kDrawingSize - 1, v);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kDrawingSize, kDrawingSize);

    p.setRenderHint(QPainter::Antialiasing);
    for (int slot = 1; slot <= kLinkSlots; ++slot) {
        const Tligne* l = d.Link(slot);
        if (!l) continue;
        p.setPen(QPen(l->Selected ? QColor(Qt::red) : QColor(0, 128, 0), 2));
        p.drawLine(l->PointA->X, l->PointA->Y, l->PointB->X, l->PointB->Y);
    }
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(10);
    p.setFont(font);
    for (int slot = 1; slot <= kPointSlots; ++slot) {
        const Tplot* pt = d.Point(slot);
        if (!pt) continue;
        const int r = pt->Radius();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(pt->Selected ? QColor(Qt::red) : QColor(Qt::blue));
        p.drawEllipse(QPoint(pt->X, pt->Y), r, r);
        if (pt->Selected) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(pt->X - r - 2, pt->Y - r - 2, 2 * r + 4, 2 * r + 4);
        }
        p.setPen(pt->Selected ? QColor(Qt::white) : QColor(Qt::red));
        p.drawText(QRect(pt->X - r, pt->Y - r, 2 * r, 2 * r), Qt::AlignCenter,
                   QString::number(pt->Number));
    }
}

TDrawingBox::TDrawingBox(const TDrawing& drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {
    setFixedSize(kDrawingSize + 1, kDrawingSize + 1);
    setMouseTracking(true);
}

void TDrawingBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintDrawing(p, drawing_);
}

void TDrawingBox::mousePressEvent(QMouseEvent* e) {
    if (OnPress) OnPress(e);
}

void TDrawingBox::mouseMoveEvent(QMouseEvent* e) {
    if (OnMove) OnMove(e);
}

void TMillDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    const QColor back = selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base);
    const QColor ink = selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
    const QRect r = option.rect;
    p->save();
    p->fillRect(r, back);
    const TMillSlot mill = ParseMillEntry(index.data().toString());
    // The board at a twelfth of its size, the mill's points in red.
    const auto at = [&r](const Tplot* pt) {
        return QPointF(r.left() + 5 + pt->X / 12.0, r.top() + 5 + pt->Y / 12.0);
    };
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(ink, 1));
    for (int slot = 1; slot <= kLinkSlots; ++slot)
        if (const Tligne* l = drawing_.Link(slot)) p->drawLine(at(l->PointA), at(l->PointB));
    for (int slot = 1; slot <= kPointSlots; ++slot) {
        const Tplot* pt = drawing_.Point(slot);
        if (!pt) continue;
        const bool inMill =
            pt->Number == mill.P[0] || pt->Number == mill.P[1] || pt->Number == mill.P[2];
        p->setPen(Qt::NoPen);
        p->setBrush(inMill ? QColor(Qt::red) : ink);
        p->drawEllipse(at(pt), inMill ? 2.0 : 1.0, inMill ? 2.0 : 1.0);
    }
    QFont font = option.font;
    font.setPixelSize(16);
    p->setFont(font);
    p->setPen(ink);
    p->drawText(QRect(r.left() + 60, r.top() + 15, r.width() - 60, 20),
                Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("%1 | %2 | %3").arg(mill.P[0]).arg(mill.P[1]).arg(mill.P[2]));
    p->restore();
}

TFModele::TFModele(TEditorHost& host, TFModeleParts parts, QWidget* parent)
    : QDialog(parent), host_(host), parts_(std::move(parts)) {
    setObjectName(QStringLiteral("TFModele"));
    setWindowTitle(tr("Définition d'un modèle"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    BuildMenu();
    PageControl1 = new QTabWidget(this);
    PageControl1->addTab(BuildFirstPage(), tr("Tablier"));
    PageControl1->addTab(BuildSecondPage(), tr("Moulins"));
    layout->addWidget(PageControl1);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this](int page) { PageChanged(page); });
    StartNewBoard();
    WriteRules();
    Redraw();
}

TFModele::~TFModele() = default;

void TFModele::BuildMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(tr("&Fichier"));
    QMenu* fresh = file->addMenu(tr("Nouveau"));
    Modelevide = fresh->addAction(tr("Modele vide"), this, [this] { ModelevideClick(); });
    Creerapartirde =
        fresh->addAction(tr("Créer à partir de..."), this, [this] { CreerapartirdeClick(); });
    QMenu* open = file->addMenu(tr("Ouvrir..."));
    Unfichier = open->addAction(tr("Un fichier... "), this, [this] { UnfichierClick(); });
    Unfichier->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Unmodelereconnu =
        open->addAction(tr("Un modele reconnu..."), this, [this] { UnmodelereconnuClick(); });
    Unmodelereconnu->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_O));
    Supprimerlemodele =
        file->addAction(tr("Supprimer le modèle"), this, [this] { SupprimerlemodeleClick(); });
    file->addSeparator();
    Enregistrer = file->addAction(tr("Enregistrer..."), this, [this] { EnregistrerClick(); });
    Enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Enregistrersous =
        file->addAction(tr("Enregistrer sous..."), this, [this] { EnregistrersousClick(); });
    Appliquer = file->addAction(tr("Appliquer"), this, [this] { AppliquerClick(); });
    Reconnaitre =
        file->addAction(tr("Reconnaître ce plateau"), this, [this] { ReconnaitreClick(); });
    file->addSeparator();
    Imprimer = file->addAction(tr("Imprimer"), this, [this] { ImprimerClick(); });
    Imprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    Fermer = file->addAction(tr("Fermer"), this, [this] { close(); });
    Fermer->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    QMenu* edit = bar->addMenu(tr("&Edition"));
    Selectionnertout = edit->addAction(tr("Sélectionner tout"), this, [this] {
        Drawing.SelectAll();
        Redraw();
    });
    Selectionnertout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    Supprimer = edit->addAction(tr("Supprimer"), this, [this] {
        Drawing.DeleteSelected();
        Redraw();
    });
}

QToolButton* TFModele::AddTool(QWidget* bar, const QString& hint, int glyph, bool checkable) {
    auto* button = new QToolButton(bar);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize({24, 24});
    button->setToolTip(hint);
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    bar->layout()->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, button] { ToolClicked(button); });
    return button;
}

QWidget* TFModele::BuildFirstPage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* tools = new QWidget(page);
    auto* toolsLayout = new QVBoxLayout(tools);
    toolsLayout->setContentsMargins(0, 0, 0, 0);
    toolsLayout->setSpacing(1);
    SB_def = AddTool(tools, tr("Mode sélection"), kArrow, false);
    SB_plot = AddTool(tools, tr("Ajoute un champ"), kAddPoint, true);
    SB_sup = AddTool(tools, tr("Supprime les éléments sélectionnés"), kDelete, false);
    SB_relier = AddTool(tools, tr("Relie les éléments sélectionnés"), kLink, true);
    SB_supliaisons = AddTool(tools, tr("Supprime les liaisons"), kUnlink, false);
    SB_aligne = AddTool(tools, tr("Aligne les champs sélectionnés"), kAlign, false);
    SB_renum = AddTool(tools, tr("Renumérote les plots"), kRenumber, false);
    Sb_centre = AddTool(tools, tr("Centre le modèle"), kCentre, false);
    SB_inversex = AddTool(tools, tr("Retourner"), kMirrorX, false);
    SB_rety = AddTool(tools, tr("Renverser"), kMirrorY, false);
    Sb_rotate = AddTool(tools, tr("Rotation"), kRotate, true);
    toolsLayout->addStretch();
    row->addWidget(tools);

    PaintBox1 = new TDrawingBox(Drawing, page);
    PaintBox1->OnPress = [this](QMouseEvent* e) { PaintBox1Press(e); };
    PaintBox1->OnMove = [this](QMouseEvent* e) { PaintBox1Move(e); };
    row->addWidget(PaintBox1, 0, Qt::AlignTop);

    auto* rules = new QFormLayout;
    rules->setLabelAlignment(Qt::AlignLeft);
    rules->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Enom = new QLineEdit(page);
    rules->addRow(tr("Nom :"), Enom);
    Nbpions = new QSpinBox(page);
    Nbpions->setRange(1, kMaxPiecesPerSide);
    rules->addRow(tr("Nombre de pions :"), Nbpions);
    Enbchamps = new QLineEdit(page);
    Enbchamps->setReadOnly(true);
    rules->addRow(tr("Nombre de champs :"), Enbchamps);
    Enbliaisons = new QLineEdit(page);
    Enbliaisons->setReadOnly(true);
    rules->addRow(tr("Nombre de liaisons :"), Enbliaisons);
    CB_sauts = new QComboBox(page);
    for (const char* text : kJumpTexts)
        CB_sauts->addItem(tr(text));
    rules->addRow(tr("Sauts :"), CB_sauts);
    CB_Prise = new QComboBox(page);
    for (const char* text : kCaptureTexts)
        CB_Prise->addItem(tr(text));
    rules->addRow(tr("Prises :"), CB_Prise);
    CB_prise1 = new QCheckBox(tr("Prises possibles dans la 1ere phase du jeu"), page);
    rules->addRow(CB_prise1);
    CB_Des = new QComboBox(page);
    for (const char* text : kDiceTexts)
        CB_Des->addItem(tr(text));
    rules->addRow(tr("Des :"), CB_Des);
    for (QComboBox* box : {CB_sauts, CB_Prise, CB_Des}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(30);
        box->view()->setTextElideMode(Qt::ElideNone);
        // The rule texts are long: the whole text stays readable in the hint.
        connect(box, &QComboBox::currentTextChanged, box,
                [box](const QString& text) { box->setToolTip(text); });
    }
    Memo_desc = new QPlainTextEdit(page);
    Memo_desc->setToolTip(tr("Description de la variante"));
    rules->addRow(new QLabel(tr("Description de la variante"), page));
    rules->addRow(Memo_desc);
    row->addLayout(rules, 1);

    connect(Enom, &QLineEdit::textEdited, this, [this] { RuleEdited(); });
    connect(Nbpions, &QSpinBox::valueChanged, this, [this] { RuleEdited(); });
    for (QComboBox* box : {CB_sauts, CB_Prise, CB_Des})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { RuleEdited(); });
    connect(CB_prise1, &QCheckBox::toggled, this, [this] { RuleEdited(); });
    connect(Memo_desc, &QPlainTextEdit::textChanged, this, [this] { RuleEdited(); });
    return page;
}

QWidget* TFModele::BuildSecondPage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* tools = new QWidget(page);
    auto* toolsLayout = new QVBoxLayout(tools);
    toolsLayout->setContentsMargins(0, 0, 0, 0);
    SB_moulins = AddTool(tools, tr("Définition des moulins"), kMills, true);
    toolsLayout->addStretch();
    row->addWidget(tools);
    PaintBox2 = new TDrawingBox(Drawing, page);
    PaintBox2->OnPress = [this](QMouseEvent* e) { PaintBox2Press(e); };
    row->addWidget(PaintBox2, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(tr("Liste des moulins possibles"), page));
    ListBox1 = new QListWidget(page);
    ListBox1->setToolTip(tr("Liste des moulins possibles"));
    ListBox1->setItemDelegate(new TMillDelegate(Drawing, ListBox1));
    column->addWidget(ListBox1, 1);
    auto* buttons = new QHBoxLayout;
    Btn_rech_auto = new QPushButton(tr("Rechercher"), page);
    Btn_rech_auto->setToolTip(tr("Recherche automatiquement les moulins possibles"));
    Btn_del = new QPushButton(tr("Supprimer"), page);
    Btn_del->setToolTip(tr("Supprime le moulin sélectionné"));
    buttons->addWidget(Btn_rech_auto);
    buttons->addWidget(Btn_del);
    column->addLayout(buttons);
    row->addLayout(column, 1);
    connect(Btn_rech_auto, &QPushButton::clicked, this, [this] { Btn_rech_autoClick(); });
    connect(Btn_del, &QPushButton::clicked, this, [this] { Btn_delClick(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        Drawing.SelectMill(ParseMillEntry(ListBox1->item(row)->text()));
        Redraw();
    });
    return page;
}

void TFModele::ToolClicked(QToolButton* button) {
    if (button == SB_def) {
        SelectionMode();
    } else if (button == SB_plot) {
        Drawing.SetTool(SB_plot->isChecked() ? TTool::AddPoints : TTool::Selection);
    } else if (button == SB_sup) {
        Drawing.DeleteSelected();
    } else if (button == SB_relier) {
        if (Drawing.LinkSelected()) {
            SB_relier->setChecked(Drawing.ToolMode == TTool::Link);
        } else if (SB_relier->isChecked()) {
            Drawing.SetTool(TTool::Link);
            Drawing.DeselectAll();
        } else {
            Drawing.SetTool(TTool::Selection);
        }
    } else if (button == SB_supliaisons) {
        Drawing.DeleteLinksOfSelected();
    } else if (button == SB_aligne) {
        Drawing.AlignSelected();
    } else if (button == SB_renum) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        SB_renum->setDown(true);
        Drawing.Renumber();
        SB_renum->setDown(false);
        QApplication::restoreOverrideCursor();
    } else if (button == Sb_centre) {
        Drawing.Centre();
    } else if (button == SB_inversex) {
        Drawing.MirrorX();
    } else if (button == SB_rety) {
        Drawing.MirrorY();
    } else if (button == Sb_rotate) {
        Drawing.SetTool(Sb_rotate->isChecked() ? TTool::Rotation : TTool::Selection);
    } else if (button == SB_moulins) {
        Drawing.SetTool(SB_moulins->isChecked() ? TTool::Rotation : TTool::Selection);
        Drawing.DeselectAll();
    }
    // One tool at a time: the toggles show the drawing's mode.
    SB_plot->setChecked(Drawing.ToolMode == TTool::AddPoints);
    SB_relier->setChecked(Drawing.ToolMode == TTool::Link);
    Sb_rotate->setChecked(Drawing.ToolMode == TTool::Rotation && PageControl1->currentIndex() == 0);
    SB_moulins->setChecked(Drawing.ToolMode == TTool::Rotation &&
                           PageControl1->currentIndex() == 1);
    RefreshCursors();
    Redraw();
}

void TFModele::SelectionMode() {
    Drawing.SetTool(TTool::Selection);
    for (QToolButton* b : {SB_plot, SB_relier, Sb_rotate, SB_moulins})
        b->setChecked(false);
    RefreshCursors();
}

void TFModele::FirstPage() {
    QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(0);
}

void TFModele::RefreshCursors() {
    switch (Drawing.ToolMode) {
    case TTool::AddPoints:
        PaintBox1->setCursor(Qt::CrossCursor);
        break;
    case TTool::Link:
        PaintBox1->setCursor(Qt::PointingHandCursor);
        break;
    case TTool::Rotation:
        PaintBox1->setCursor(Qt::SizeAllCursor);
        break;
    default:
        PaintBox1->setCursor(Qt::ArrowCursor);
        break;
    }
    PaintBox2->setCursor(SB_moulins->isChecked() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TFModele::PageChanged(int page) {
    SelectionMode();
    Drawing.DeselectAll();
    Drawing.Compact();
    Redraw();
    if (page == 1) RefreshMillList();
}

void TFModele::PaintBox1Press(QMouseEvent* e) {
    const TButton button = e->button() == Qt::RightButton ? TButton::Right : TButton::Left;
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    const QPoint at = e->position().toPoint();
    Drawing.MouseDown(button, e->modifiers() & Qt::ControlModifier, at.x(), at.y());
    Redraw();
}

void TFModele::PaintBox1Move(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    const bool held = e->buttons() & Qt::LeftButton;
    Drawing.MouseMove(held, at.x(), at.y());
    if (held) Redraw();
}

void TFModele::PaintBox2Press(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !SB_moulins->isChecked()) return;
    const QPoint at = e->position().toPoint();
    if (Drawing.PickMill(at.x(), at.y())) RefreshMillList();
    Redraw();
}

void TFModele::Redraw() {
    Drawing.Recount();
    PaintBox1->update();
    PaintBox2->update();
    ListBox1->viewport()->update();
    Enbchamps->setText(QString::number(Drawing.PointCount()));
    Enbliaisons->setText(QString::number(Drawing.LinkCount()));
    setWindowTitle(tr("Définition d'un modèle") + QStringLiteral(" - ") +
                   QFileInfo(Q(Drawing.FileName)).fileName());
}

void TFModele::RefreshMillList() {
    QSignalBlocker block(ListBox1);
    ListBox1->clear();
    for (const TMillSlot& m : Drawing.ValidMills())
        ListBox1->addItem(MillEntryText(m));
}

void TFModele::RuleEdited() {
    if (writingRules_) return;
    // A changed rule or name is work too: the question before closing must know of it.
    Drawing.Modified = true;
}

void TFModele::ReadRules() {
    Drawing.Rules.Name = Enom->text().toStdString();
    Drawing.Rules.PiecesPerSide = Nbpions->value();
    Drawing.Rules.JumpRule = CB_sauts->currentIndex();
    Drawing.Rules.CaptureRule = CB_Prise->currentIndex();
    Drawing.Rules.DiceRule = CB_Des->currentIndex();
    Drawing.Rules.CaptureWhilePlacing = CB_prise1->isChecked();
    Drawing.Rules.Description.clear();
    const QString text = Memo_desc->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n')))
            Drawing.Rules.Description.push_back(line.toStdString());
}

void TFModele::WriteRules() {
    writingRules_ = true;
    const TDrawingRules& r = Drawing.Rules;
    Enom->setText(Q(r.Name));
    Nbpions->setValue(r.PiecesPerSide);
    const auto pick = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
    };
    pick(CB_sauts, r.JumpRule);
    pick(CB_Prise, r.CaptureRule);
    pick(CB_Des, r.DiceRule);
    CB_prise1->setChecked(r.CaptureWhilePlacing);
    QStringList lines;
    for (const std::string& line : r.Description)
        lines << Q(line);
    Memo_desc->setPlainText(lines.join(QLatin1Char('\n')));
    writingRules_ = false;
}

bool TFModele::ConfirmDrop() {
    if (!Drawing.Modified) return true;
    const QString text =
        tr("Le fichier \"%1\" a changé.\nVoulez-vous enregistrer les changements ?")
            .arg(Q(Drawing.FileName));
    TUnsavedAnswer answer;
    if (parts_.AskUnsaved) {
        answer = parts_.AskUnsaved(text);
    } else {
        QMessageBox box(
            QMessageBox::Question, windowTitle(), text,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Help, this);
        int chosen = box.exec();
        // Help shows the page and asks again.
        for (; chosen == QMessageBox::Help; chosen = box.exec())
            host_.ShowHelp(kHelpKeyword);
        answer = chosen == QMessageBox::Yes  ? TUnsavedAnswer::Yes
                 : chosen == QMessageBox::No ? TUnsavedAnswer::No
                                             : TUnsavedAnswer::Cancel;
    }
    if (answer == TUnsavedAnswer::Yes) EnregistrerClick();
    return answer == TUnsavedAnswer::No;
}

void TFModele::StartNewBoard() {
    uint16_t day, month, year;
    Today(day, month, year);
    int32_t kind = parts_.NewKind
                       ? parts_.NewKind()
                       : static_cast<int32_t>(QDateTime::currentMSecsSinceEpoch() % 2000000000);
    // 0 and 1 are the built-in boards.
    if (kind == 0 || kind == 1) kind += 2;
    Drawing.Kind = kind;
    Drawing.Day = day, Drawing.Month = month, Drawing.Year = year;
    Drawing.StorageState = TStorage::New;
    Drawing.Modified = false;
    Drawing.FileName = kUntitled;
}

void TFModele::ModelevideClick() {
    if (!ConfirmDrop()) return;
    ReadRules();
    Drawing.Clear(0, 1, 1, 2000);
    Drawing.Rules.Name = kDefaultName;
    StartNewBoard();
    WriteRules();
    SelectionMode();
    PageControl1->setCurrentIndex(0);
    RefreshMillList();
    Redraw();
}

void TFModele::LoadChosen(const Tmodele& model) {
    Drawing.LoadModel(model);
    Drawing.Rules.Name = model.Name;
    WriteRules();
    SelectionMode();
    RefreshMillList();
}

void TFModele::CreerapartirdeClick() {
    if (!parts_.Chooser || !ConfirmDrop()) return;
    std::optional<Tmodele> chosen = parts_.Chooser->ChooseVariant(2, this);
    if (!chosen) return;
    LoadChosen(*chosen);
    Drawing.Rules.Name = kDefaultName;
    StartNewBoard();
    WriteRules();
    Redraw();
}

void TFModele::UnmodelereconnuClick() {
    if (!parts_.Chooser || !ConfirmDrop()) return;
    std::optional<Tmodele> chosen = parts_.Chooser->ChooseVariant(3, this);
    if (!chosen) return;
    LoadChosen(*chosen);
    Drawing.StorageState = TStorage::Library;
    Drawing.Modified = false;
    Redraw();
}

void TFModele::UnfichierClick() {
    // Opening a file drops the board on screen as surely as a new one does.
    if (!ConfirmDrop()) return;
    const QString path =
        parts_.FileDialog
            ? parts_.FileDialog(false, {})
            : QFileDialog::getOpenFileName(this, {}, {}, tr("Modèles Vantorel (*.Mdl)"));
    if (path.isEmpty() || !QFileInfo(path).isFile()) return;
    OpenFile(path);
}

bool TFModele::OpenFile(const QString& path) {
    const TFileProblem problem = OpenModelFile(Drawing, path.toStdString());
    if (problem) {
        // The board stays as it was; the user learns why the file was not taken.
        host_.ReportError(problem.Code, problem.Detail);
        return false;
    }
    WriteRules();
    SelectionMode();
    RefreshMillList();
    Redraw();
    return true;
}

bool TFModele::SaveTo(const QString& path, bool overwrite) {
    ReadRules();
    SelectionMode();
    FirstPage();
    const auto ask = [this] {
        const QString text = tr("Ecraser le fichier existant ?");
        if (parts_.AskYesNo) return parts_.AskYesNo(text);
        return QMessageBox::question(this, windowTitle(), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    TFileProblem problem;
    const TSaveResult result = WriteModelFile(Drawing, path.toStdString(), overwrite, ask, problem);
    if (result == TSaveResult::Failed) host_.ReportError(1, problem.Detail);
    Redraw();
    return result == TSaveResult::Saved;
}

void TFModele::EnregistrerClick() {
    if (Drawing.StorageState == TStorage::Library) {
        ReconnaitreClick();
        return;
    }
    const QString current = Q(Drawing.FileName);
    if (Drawing.FileName != kUntitled && QFileInfo(current).isFile()) {
        SaveTo(current, true);
        return;
    }
    EnregistrersousClick();
}

void TFModele::EnregistrersousClick() {
    QString path;
    if (parts_.FileDialog) {
        path = parts_.FileDialog(true, Q(Drawing.FileName));
    } else {
        QFileDialog dialog(this, {}, Q(Drawing.FileName), tr("Fichier modèle Vantorel (*.Mdl)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("Mdl"));
        // The overwrite question is the editor's own.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().front();
    }
    if (path.isEmpty()) return;
    SaveTo(path, false);
}

void TFModele::ReconnaitreClick() {
    ReadRules();
    SelectionMode();
    FirstPage();
    const Tmodele model = Drawing.BuildModel();
    TFileModele* library = host_.Library();
    if (!library) return;
    if (const std::string problem = model.RecordProblem(); !problem.empty()) {
        host_.ReportError(1, problem);
        return;
    }
    // The old record goes in the same write as the new one: never one without the other.
    const bool stored = Drawing.StorageState == TStorage::Library;
    if (!(stored ? library->Replace(model) : library->Append(model)).empty()) {
        host_.ReportError(4, library->Path().string());
        return;
    }
    Drawing.StorageState = TStorage::Library;
    Drawing.Modified = false;
    Redraw();
}

void TFModele::SupprimerlemodeleClick() {
    ReadRules();
    SelectionMode();
    FirstPage();
    const Tmodele model = Drawing.BuildModel();
    TFileModele* library = host_.Library();
    if (Drawing.StorageState != TStorage::Library || !library) return;
    if (!library->Delete(model.Kind, model.Day, model.Month, model.Year).empty())
        host_.ReportError(4, library->Path().string());
    Redraw();
}

void TFModele::AppliquerClick() {
    ReadRules();
    SelectionMode();
    const Tmodele model = Drawing.BuildModel();
    const std::string problem = host_.ApplyModel(model);
    if (!problem.empty()) host_.ReportError(8, problem);
    Redraw();
}

void TFModele::ImprimerClick() {
    const QString text =
        tr("Cette fonction n'est pas encore disponible dans cette version de Vantorel.");
    if (parts_.Inform)
        parts_.Inform(text);
    else
        QMessageBox::information(this, windowTitle(), text);
}

void TFModele::Btn_rech_autoClick() {
    Drawing.SearchMills();
    RefreshMillList();
    Redraw();
}

void TFModele::Btn_delClick() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !Drawing.DeleteMill(ParseMillEntry(item->text()))) return;
    RefreshMillList();
    if (ListBox1->count() > 0) {
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    Drawing.DeselectAll();
    Redraw();
}

void TFModele::reject() {
    if (ConfirmDrop()) QDialog::reject();
}

void TFModele::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        host_.ShowHelp(kHelpKeyword);
        return;
    }
    if (e->key() == Qt::Key_Delete && !Enom->hasFocus() && !Memo_desc->hasFocus()) {
        Drawing.DeleteSelected();
        Redraw();
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace vantorel::editor
