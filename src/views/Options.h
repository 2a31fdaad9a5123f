#pragma once
// "Options": the animation, display and sound options of the options record and the list
// of background songs. The dialog edits copies; only OK stores them. Where the song list is
// kept (the settings file) is the caller's business: it hands the stored lines in and
// takes the confirmed list back.
#include "game/TOptions.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;

namespace vantorel {

struct TOptionsSongs {
    // The stored "key=value" song lines, in file order ("Count" included).
    QStringList Stored;
    // The confirmed list, every file still there, in list order.
    std::function<void(const QStringList& songs)> Store;
    std::function<bool(const QString& path)> Exists;
};

class TOptions1 : public QDialog {
    Q_OBJECT
public:
    // The longest song path kept, and the shortest value taken for one.
    static constexpr int kLongestPath = 255;
    static constexpr int kShortestPath = 7;

    TOptions1(TOptions& options, TOptionsSongs songs, QWidget* parent = nullptr);

    void TrackBar_animChange();
    void Dure_maxi_animChange();
    void b_ajoutClick();
    void B_supClick();
    void Bt_okClick();
    // The paths of the list, in its (alphabetical) order.
    QStringList Songs() const;

    // The add dialog: the chosen file, empty when cancelled. A test gives its own.
    std::function<QString(QWidget* parent, const QString& filter)> OpenDialog1;
    // The Help button.
    std::function<void()> ShowHelp;

    QTabWidget* PageControl1 = nullptr;
    QSlider *TrackBar_anim = nullptr, *Dure_maxi_anim = nullptr, *Delai_des = nullptr;
    QLabel *label_vitesse_anim = nullptr, *Label_duree_max = nullptr;
    QCheckBox *CB_zoom = nullptr, *CB_camera = nullptr, *CheckBox_text = nullptr,
              *CB_bruitages = nullptr, *CB_musique = nullptr, *CB_random = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QListWidget* LB_musiques = nullptr;
    QPushButton *b_ajout = nullptr, *B_sup = nullptr, *Bt_ok = nullptr, *BitBtn2 = nullptr,
                *BT_help = nullptr;

private:
    void FormCreate();

    TOptions& options_;
    TOptionsSongs songs_;
};

} // namespace vantorel
