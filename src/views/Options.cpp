#include "Options.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace vantorel {

namespace {

QSlider* Slider(int low, int high, int tick, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(low, high);
    slider->setTickInterval(tick);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

int Checked(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

TOptions1::TOptions1(TOptions& options, TOptionsSongs songs, QWidget* parent)
    : QDialog(parent), options_(options), songs_(std::move(songs)) {
    setObjectName(QStringLiteral("Options1"));
    setWindowTitle(tr("Options"));
    resize(445, 380);
    if (!songs_.Exists)
        songs_.Exists = [](const QString& path) { return QFileInfo(path).isFile(); };

    PageControl1 = new QTabWidget(this);

    auto* animation = new QWidget;
    auto* form = new QFormLayout(animation);
    TrackBar_anim = Slider(1, 20, 1, animation);
    label_vitesse_anim = new QLabel(animation);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(TrackBar_anim, 1);
    speedRow->addWidget(label_vitesse_anim);
    form->addRow(tr("Vitesse animation :"), speedRow);
    Dure_maxi_anim = Slider(1, 100, 5, animation);
    Dure_maxi_anim->setSingleStep(10);
    Dure_maxi_anim->setPageStep(20);
    Label_duree_max = new QLabel(animation);
    Label_duree_max->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("00.00 secondes.")));
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(Dure_maxi_anim, 1);
    lengthRow->addWidget(Label_duree_max);
    form->addRow(tr("Durée maximale :"), lengthRow);
    Delai_des = Slider(1, 10, 1, animation);
    // The three sliders line up: the last one keeps an empty column for a value.
    auto* diceRow = new QHBoxLayout;
    diceRow->addWidget(Delai_des, 1);
    auto* noValue = new QLabel(animation);
    noValue->setMinimumWidth(Label_duree_max->minimumWidth());
    diceRow->addWidget(noValue);
    form->addRow(tr("Vitesse dés :"), diceRow);
    label_vitesse_anim->setMinimumWidth(Label_duree_max->minimumWidth());
    CB_zoom = new QCheckBox(tr("Zoom avec la molette de la souris"), animation);
    CB_camera = new QCheckBox(tr("Déplacement camera avec touches flèches"), animation);
    CheckBox_text = new QCheckBox(tr("Textures"), animation);
    CB_bruitages = new QCheckBox(tr("Bruitages"), animation);
    for (QCheckBox* box : {CB_zoom, CB_camera, CheckBox_text, CB_bruitages})
        form->addRow(box);
    PageControl1->addTab(animation, tr("Animation"));

    auto* music = new QWidget;
    auto* musicLayout = new QVBoxLayout(music);
    CB_musique = new QCheckBox(tr("Musique de fond activée"), music);
    CB_random = new QCheckBox(tr("Choisir aléatoirement"), music);
    musicLayout->addWidget(CB_musique);
    musicLayout->addWidget(CB_random);
    GroupBox1 = new QGroupBox(tr("Fichiers sons"), music);
    auto* groupLayout = new QVBoxLayout(GroupBox1);
    LB_musiques = new QListWidget(GroupBox1);
    LB_musiques->setSortingEnabled(true);
    groupLayout->addWidget(LB_musiques);
    auto* listButtons = new QHBoxLayout;
    b_ajout = new QPushButton(tr("Ajouter..."), GroupBox1);
    B_sup = new QPushButton(tr("Supprimer"), GroupBox1);
    listButtons->addWidget(b_ajout);
    listButtons->addWidget(B_sup);
    listButtons->addStretch(1);
    groupLayout->addLayout(listButtons);
    musicLayout->addWidget(GroupBox1, 1);
    PageControl1->addTab(music, tr("Musiques de fond"));

    auto* buttons = new QDialogButtonBox(this);
    Bt_ok = buttons->addButton(QDialogButtonBox::Ok);
    BitBtn2 = buttons->addButton(QDialogButtonBox::Cancel);
    BT_help = buttons->addButton(QDialogButtonBox::Help);
    Bt_ok->setText(tr("OK"));
    BitBtn2->setText(tr("Annuler"));
    BT_help->setText(tr("&Aide"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(buttons);

    connect(TrackBar_anim, &QSlider::valueChanged, this, [this] { TrackBar_animChange(); });
    connect(Dure_maxi_anim, &QSlider::valueChanged, this, [this] { Dure_maxi_animChange(); });
    connect(b_ajout, &QPushButton::clicked, this, [this] { b_ajoutClick(); });
    connect(B_sup, &QPushButton::clicked, this, [this] { B_supClick(); });
    connect(Bt_ok, &QPushButton::clicked, this, [this] { Bt_okClick(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BT_help, &QPushButton::clicked, this, [this] {
        if (ShowHelp) ShowHelp();
    });

    FormCreate();
}

void TOptions1::FormCreate() {
    TrackBar_anim->setValue(options_[TOptions::AnimSpeed]);
    Dure_maxi_anim->setValue(
        static_cast<int>(std::nearbyint(options_[TOptions::MaxAnimMs] / 100.0)));
    Delai_des->setValue(options_[TOptions::DiceDelayMs] / 1000);
    // setValue does not signal when the value is already the slider's.
    TrackBar_animChange();
    Dure_maxi_animChange();
    CB_zoom->setChecked(options_[TOptions::WheelZoom] == 1);
    CB_camera->setChecked(options_[TOptions::ArrowKeyCamera] == 1);
    CheckBox_text->setChecked(options_[TOptions::Textures] == 1);
    CB_bruitages->setChecked(options_[TOptions::SoundEffects] == 1);
    CB_musique->setChecked(options_[TOptions::Music] == 1);
    CB_random->setChecked(options_[TOptions::RandomMusic] == 1);

    for (const QString& line : songs_.Stored) {
        const QString path = line.mid(line.lastIndexOf(u'=') + 1).left(kLongestPath);
        // The "Count" line and other short values fall out here too.
        if (path.size() >= kShortestPath && songs_.Exists(path)) LB_musiques->addItem(path);
    }
}

void TOptions1::TrackBar_animChange() {
    label_vitesse_anim->setText(QString::number(TrackBar_anim->value()));
}

void TOptions1::Dure_maxi_animChange() {
    Label_duree_max->setText(
        tr("%1 secondes.").arg(QLocale().toString(Dure_maxi_anim->value() / 10.0, 'f', 2)));
}

void TOptions1::b_ajoutClick() {
    // Both cases of each extension: file names are case-sensitive here.
    const QString filter =
        tr("Fichiers MIDI (*.Mid *.mid *.MID);;Fichiers WAV (*.wav *.Wav *.WAV);;"
           "Fichiers MP3 (*.mp3 *.MP3);;Fichiers SUN (*.au *.AU)");
    const QString chosen =
        OpenDialog1 ? OpenDialog1(this, filter)
                    : QFileDialog::getOpenFileName(this, tr("Ajouter une musique"), {}, filter);
    if (chosen.isEmpty()) return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (songs_.Exists(path)) LB_musiques->addItem(path);
}

void TOptions1::B_supClick() {
    if (QListWidgetItem* item = LB_musiques->currentItem()) delete item;
}

QStringList TOptions1::Songs() const {
    QStringList songs;
    for (int i = 0; i < LB_musiques->count(); ++i)
        songs << LB_musiques->item(i)->text();
    return songs;
}

void TOptions1::Bt_okClick() {
    options_[TOptions::AnimSpeed] = TrackBar_anim->value();
    options_.Values[1] = 0;
    options_[TOptions::DiceDelayMs] = Delai_des->value() * 1000;
    options_[TOptions::Textures] = Checked(CheckBox_text);
    options_[TOptions::WheelZoom] = Checked(CB_zoom);
    options_[TOptions::ArrowKeyCamera] = Checked(CB_camera);
    options_[TOptions::Music] = Checked(CB_musique);
    options_[TOptions::SoundEffects] = Checked(CB_bruitages);
    options_[TOptions::RandomMusic] = Checked(CB_random);
    options_[TOptions::MaxAnimMs] = Dure_maxi_anim->value() * 100;
    QStringList kept;
    for (const QString& path : Songs())
        if (songs_.Exists(path)) kept << path;
    if (songs_.Store) songs_.Store(kept);
    accept();
}

} // namespace vantorel
