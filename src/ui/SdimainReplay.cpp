// Replay: the game shown again position by position, forward, backward or paused, over a
// track bar. While it runs the replay menu and tool bar take the place of the usual ones.
#include "Sdimain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace vantorel {

void TMainWindow::BuildFilmControls() {
    ToolBar_film = addToolBar(tr("Barre d'outils \"Film\""));
    ToolBar_film->setObjectName(QStringLiteral("ToolBar_film"));
    ToolBar_film->setToolTip(tr("Barre d'outils \"Film\""));
    ToolBar_film->setMovable(false);
    ToolBar_film->setVisible(false);

    const auto button = [this](const QString& name, QStyle::StandardPixmap icon,
                               const QString& hint, void (TMainWindow::*run)()) {
        auto* tool = new QToolButton(ToolBar_film);
        tool->setObjectName(name);
        tool->setIcon(style()->standardIcon(icon));
        tool->setToolTip(hint);
        tool->setCheckable(true);
        // The buttons show the replay's state; a click only asks for a change.
        connect(tool, &QToolButton::clicked, this, [this, run] {
            (this->*run)();
            if (InReplay()) RefreshFilmControls();
        });
        ToolBar_film->addWidget(tool);
        return tool;
    };
    TB_arreter = button(QStringLiteral("TB_arreter"), QStyle::SP_DialogCloseButton,
                        tr("Retour en mode jeu"), &TMainWindow::TB_arreterClick);
    TB_retour = button(QStringLiteral("TB_retour"), QStyle::SP_MediaSkipBackward,
                       tr("Retour rapide"), &TMainWindow::TB_retourClick);
    TB_retour->setEnabled(false);
    TB_lire_inv = button(QStringLiteral("TB_lire_inv"), QStyle::SP_MediaSeekBackward,
                         tr("Lecture inverse"), &TMainWindow::TB_lire_invClick);
    TB_suspendre = button(QStringLiteral("TB_suspendre"), QStyle::SP_MediaPause, tr("Pause"),
                          &TMainWindow::TB_suspendreClick);
    TB_lire = button(QStringLiteral("TB_lire"), QStyle::SP_MediaPlay, tr("Lecture"),
                     &TMainWindow::TB_lireClick);
    TB_avance = button(QStringLiteral("TB_avance"), QStyle::SP_MediaSkipForward,
                       tr("Avance rapide"), &TMainWindow::TB_avanceClick);
    for (QToolButton* plain : {TB_arreter, TB_retour, TB_avance})
        plain->setCheckable(false);

    TB_film = new QSlider(Qt::Horizontal, ToolBar_film);
    TB_film->setObjectName(QStringLiteral("TB_film"));
    TB_film->setToolTip(tr("Position"));
    TB_film->setFixedWidth(150);
    TB_film->setTickPosition(QSlider::NoTicks);
    TB_film->setPageStep(1);
    TB_film->setRange(0, 0);
    ToolBar_film->addWidget(TB_film);
    connect(TB_film, &QSlider::valueChanged, this, &TMainWindow::TB_filmChange);
    pos_film = new QLabel(QStringLiteral("0/0"), ToolBar_film);
    pos_film->setObjectName(QStringLiteral("pos_film"));
    ToolBar_film->addWidget(pos_film);

    Menu_film = menuBar()->addMenu(tr("&Film"));
    Menu_film->menuAction()->setObjectName(QStringLiteral("Menu_film"));
    Menu_film->menuAction()->setVisible(false);
    const auto item = [this](const QString& name, const QString& caption,
                             void (TMainWindow::*run)()) {
        QAction* action = Menu_film->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    Jouer = item(QStringLiteral("Jouer"), tr("&Jouer"), &TMainWindow::TB_lireClick);
    Arrter1 = item(QStringLiteral("Arrter1"), tr("&Pause"), &TMainWindow::TB_suspendreClick);
    Avancerapide1 =
        item(QStringLiteral("Avancerapide1"), tr("&Avance rapide"), &TMainWindow::TB_avanceClick);
    Retourrapide1 =
        item(QStringLiteral("Retourrapide1"), tr("&Retour rapide"), &TMainWindow::TB_retourClick);
    item(QStringLiteral("Quitter"), tr("&Fermer"), &TMainWindow::TB_arreterClick);
    Jouer->setCheckable(true);
    Arrter1->setCheckable(true);
}

bool TMainWindow::InReplay() const {
    return Game->GameStatus == kReplayForward || Game->GameStatus == kReplayPaused ||
           Game->GameStatus == kReplayBackward;
}

void TMainWindow::RejouerClick() {
    CancelComputerMove();
    EndDiceRoll();
    if (Game->GameStatus < 0 || Game->GameStatus == kReplayForward || !ViewerShown() ||
        SignedThemeId() <= 0 || !CurrentView || CurrentView->IsAnimating())
        return;
    Game->StartReplay();
    RefreshFilmControls();
}

void TMainWindow::SetReplayStatus(int status) {
    Game->GameStatus = static_cast<int8_t>(status);
    StepTick = Now();
    RefreshFilmControls();
}

void TMainWindow::TB_lireClick() {
    switch (Game->GameStatus) {
    case kReplayForward:
        SetReplayStatus(kReplayPaused);
        break;
    case kReplayPaused:
    case kReplayBackward:
        SetReplayStatus(kReplayForward);
        break;
    default:
        break;
    }
}

void TMainWindow::TB_lire_invClick() {
    switch (Game->GameStatus) {
    case kReplayForward:
    case kReplayPaused:
        SetReplayStatus(kReplayBackward);
        break;
    case kReplayBackward:
        SetReplayStatus(kReplayPaused);
        break;
    default:
        break;
    }
}

void TMainWindow::TB_suspendreClick() {
    if (InReplay()) SetReplayStatus(kReplayPaused);
}

void TMainWindow::TB_avanceClick() {
    if (!InReplay()) return;
    TB_film->setValue(TB_film->maximum());
    RefreshFilmControls();
}

void TMainWindow::TB_retourClick() {
    if (!InReplay()) return;
    Game->ReplayRewind();
    RefreshFilmControls();
}

void TMainWindow::TB_arreterClick() {
    if (!InReplay()) return;
    TB_film->setValue(TB_film->maximum());
    Game->EndReplay();
    RefreshCommandStates();
}

void TMainWindow::TB_filmChange(int position) {
    if (!Game || !InReplay()) return;
    Game->ReplaySeek(position);
    pos_film->setText(QStringLiteral("%1/%2").arg(position).arg(TB_film->maximum()));
    RefreshFilmControls();
}

void TMainWindow::RefreshFilmControls() {
    const int status = Game->GameStatus;
    if (status == kReplayForward || status == kReplayPaused || status == kReplayBackward) {
        TB_lire->setChecked(status == kReplayForward);
        Jouer->setChecked(status == kReplayForward);
        TB_lire_inv->setChecked(status == kReplayBackward);
        TB_suspendre->setChecked(status == kReplayPaused);
        Arrter1->setChecked(status == kReplayPaused);
    }
    const bool back = TB_film->value() >= 1;
    TB_retour->setEnabled(back);
    Retourrapide1->setEnabled(back);
    const bool forward = TB_film->value() < TB_film->maximum();
    TB_avance->setEnabled(forward);
    Avancerapide1->setEnabled(forward);
}

// One position further every MaxAnimMs once the last one is shown, until an end.
void TMainWindow::ReplayStep() {
    if (static_cast<int64_t>(Now()) - static_cast<int64_t>(StepTick) <
        OptionsRecord[TOptions::MaxAnimMs])
        return;
    if (CurrentView->IsAnimating() || GLSceneViewer1->IsRendering()) return;
    if (Game->GameStatus == kReplayForward) {
        if (TB_film->value() < TB_film->maximum())
            TB_film->setValue(TB_film->value() + 1);
        else
            SetReplayStatus(kReplayPaused);
    } else if (TB_film->value() > 0) {
        TB_film->setValue(TB_film->value() - 1);
    } else {
        SetReplayStatus(kReplayPaused);
    }
    StepTick = Now();
}

void TMainWindow::ShowReplayControls(bool on) {
    for (QMenu* menu : MainMenus)
        if (menu) menu->menuAction()->setVisible(!on);
    Menu_film->menuAction()->setVisible(on);
    ToolBar_defaut->setVisible(!on);
    ToolBar_film->setVisible(on);
}

void TMainWindow::EnterReplay(int entryCount) {
    ShowReplayControls(true);
    ResetReplayTrackBar(entryCount);
    StepTick = Now();
}

void TMainWindow::ResetReplayTrackBar(int entryCount) {
    const QSignalBlocker quiet(TB_film);
    TB_film->setRange(0, std::max(entryCount - 1, 0));
    TB_film->setValue(0);
    pos_film->setText(QStringLiteral("0/%1").arg(TB_film->maximum()));
}

void TMainWindow::LeaveReplay() {
    ShowReplayControls(false);
    TB_lire->setChecked(false);
    TB_lire_inv->setChecked(false);
    TB_suspendre->setChecked(false);
}

} // namespace vantorel
