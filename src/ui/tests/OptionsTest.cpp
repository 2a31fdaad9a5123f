// The options dialog from the window: OK stores the record and the "Song" section and the
// music follows, Cancel leaves both files alone, and the song list keeps its rules.
#include "UiTestSupport.h"

#include "ui/OptionsCommand.h"
#include "ui/Session.h"
#include "views/Options.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QSlider>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString Touch(const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("MThd");
    return path;
}

QStringList SongLines(WindowFixture& f) {
    return TIniText(f.window->SettingsPath).SectionLines(QStringLiteral("Song"));
}

// Guards the dialog's round trip: opened and confirmed untouched, every option stays (the
// dice slider shows the stored delay), and an empty list writes Count=0 alone.
TEST(Options, ConfirmedUntouchedKeepsEverything) {
    WindowFixture f;
    f.window->OptionsRecord[TOptions::DiceDelayMs] = 7000;
    f.window->OptionsRecord[TOptions::MaxAnimMs] = 2300;
    f.window->OptionsRecord[TOptions::ArrowKeyCamera] = 1;
    f.window->OptionsRecord[TOptions::Music] = 0;
    const TOptions before = f.window->OptionsRecord;
    int dice = 0;
    OptionsClick(*f.window, [&](TOptions1& dialog) {
        dice = dialog.Delai_des->value();
        dialog.Bt_ok->click();
        return dialog.result() == QDialog::Accepted;
    });
    EXPECT_EQ(dice, 7);
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(f.window->OptionsRecord.Values[i], before.Values[i]) << "value " << i;
    EXPECT_EQ(f.Stored(QStringLiteral("Interface/Default")),
              QString::fromStdString(f.window->OptionsRecord.ToText()));
    EXPECT_EQ(SongLines(f), QStringList{QStringLiteral("Count=0")});
    EXPECT_TRUE(f.player->opened.empty());
}

// Guards OK: every control lands in its option, the record is saved with its checksum,
// the list is written in its sorted order and the music starts at once.
TEST(Options, ConfirmedChangesAreStoredAndHeard) {
    WindowFixture f;
    const QString a = Touch(f.home, QStringLiteral("aube.mid"));
    const QString b = Touch(f.home, QStringLiteral("bise.wav"));
    f.window->OptionsRecord[TOptions::Music] = 0;
    OptionsClick(*f.window, [&](TOptions1& dialog) {
        dialog.TrackBar_anim->setValue(9);
        dialog.Dure_maxi_anim->setValue(1);
        dialog.Delai_des->setValue(4);
        dialog.CB_zoom->setChecked(true);
        dialog.CheckBox_text->setChecked(false);
        dialog.CB_bruitages->setChecked(false);
        dialog.CB_musique->setChecked(true);
        dialog.CB_random->setChecked(true);
        for (const QString& pick : {b, a, b}) {
            dialog.OpenDialog1 = [pick](QWidget*, const QString&) { return pick; };
            dialog.b_ajoutClick();
        }
        dialog.Bt_okClick();
        return true;
    });
    const TOptions& o = f.window->OptionsRecord;
    EXPECT_EQ(o[TOptions::AnimSpeed], 9);
    EXPECT_EQ(o[TOptions::MaxAnimMs], 100);
    EXPECT_EQ(o[TOptions::DiceDelayMs], 4000);
    EXPECT_EQ(o[TOptions::WheelZoom], 1);
    EXPECT_EQ(o[TOptions::Textures], 0);
    EXPECT_EQ(o[TOptions::SoundEffects], 0);
    EXPECT_EQ(o[TOptions::Music], 1);
    EXPECT_EQ(o[TOptions::RandomMusic], 1);
    TOptions stored;
    stored.FromText(f.Stored(QStringLiteral("Interface/Default")).toStdString());
    EXPECT_EQ(stored.Values, o.Values);
    // The same path twice is allowed; the list is sorted.
    EXPECT_EQ(SongLines(f), (QStringList{"Nr_0001=" + a, "Nr_0002=" + b, "Nr_0003=" + b,
                                         QStringLiteral("Count=3")}));
    ASSERT_EQ(f.player->opened.size(), 1u);
    EXPECT_TRUE(f.player->playing);
}

// Guards Cancel after adding and removing songs and moving sliders: neither the settings
// file nor the per-user store changes, nor the record.
TEST(Options, CancelChangesNothing) {
    WindowFixture f;
    const QString a = Touch(f.home, QStringLiteral("aube.mid"));
    WriteSongList(f.window->SettingsPath, {a});
    SaveOptions(*f.window->UserStore, f.window->OptionsRecord);
    f.window->UserStore->Sync();
    const QByteArray settings = Bytes(f.window->SettingsPath);
    const QByteArray store = Bytes(QDir(f.home).filePath(QStringLiteral("utilisateur.conf")));
    const TOptions before = f.window->OptionsRecord;
    OptionsClick(*f.window, [&](TOptions1& dialog) {
        dialog.TrackBar_anim->setValue(17);
        dialog.CB_musique->setChecked(false);
        dialog.LB_musiques->setCurrentRow(0);
        dialog.B_supClick();
        dialog.OpenDialog1 = [a](QWidget*, const QString&) { return a; };
        dialog.b_ajoutClick();
        dialog.b_ajoutClick();
        dialog.BitBtn2->click();
        return dialog.result() == QDialog::Accepted;
    });
    f.window->UserStore->Sync();
    EXPECT_EQ(f.window->OptionsRecord.Values, before.Values);
    EXPECT_EQ(Bytes(f.window->SettingsPath), settings);
    EXPECT_EQ(Bytes(QDir(f.home).filePath(QStringLiteral("utilisateur.conf"))), store);
}

// Guards the list's filling rules: the text after the last "=", values of six characters
// or less dropped ("Count" among them), missing files dropped, alphabetical order; and a
// file gone before OK is not written.
TEST(Options, SongListRules) {
    WindowFixture f;
    const QString z = Touch(f.home, QStringLiteral("zephyr.mid"));
    const QString a = Touch(f.home, QStringLiteral("aube.mid"));
    const QString gone = Touch(f.home, QStringLiteral("gone.mid"));
    const QString shortName = Touch(QStringLiteral("/tmp"), QStringLiteral("x"));
    QFile cfg(f.window->SettingsPath);
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write(("[Song]\nCount=5\nNr_0001=" + z + "\nNr_0002=/nowhere/lost.mid\nNr_0003=x=" + a +
               "\nNr_0004=" + shortName + "\nNr_0005=" + gone + "\n[Players]\nNr_0000=Ysolde\n")
                  .toUtf8());
    cfg.close();
    QStringList listed;
    OptionsClick(*f.window, [&](TOptions1& dialog) {
        listed = dialog.Songs();
        QFile::remove(gone);
        dialog.Bt_okClick();
        return true;
    });
    QFile::remove(shortName);
    EXPECT_EQ(listed, (QStringList{a, gone, z}));
    EXPECT_EQ(SongLines(f),
              (QStringList{"Nr_0001=" + a, "Nr_0002=" + z, QStringLiteral("Count=2")}));
    EXPECT_EQ(TIniText(f.window->SettingsPath)
                  .Value(QStringLiteral("Players"), QStringLiteral("Nr_0000")),
              QStringLiteral("Ysolde"));
}

// Guards the two labels: the speed as an integer and the longest animation in seconds with
// two decimals, also right after the dialog is filled.
TEST(Options, SliderLabels) {
    WindowFixture f;
    TOptions options;
    TOptions1 dialog(options, {});
    EXPECT_EQ(dialog.label_vitesse_anim->text(), QStringLiteral("4"));
    const auto seconds = [](double value) {
        return QLocale().toString(value, 'f', 2) + QStringLiteral(" secondes.");
    };
    EXPECT_EQ(dialog.Label_duree_max->text(), seconds(5.0));
    for (const auto& [position, shown] : {std::pair{1, 0.1}, {100, 10.0}, {37, 3.7}}) {
        dialog.Dure_maxi_anim->setValue(position);
        EXPECT_EQ(dialog.Label_duree_max->text(), seconds(shown)) << position;
    }
    dialog.TrackBar_anim->setValue(20);
    EXPECT_EQ(dialog.label_vitesse_anim->text(), QStringLiteral("20"));
    EXPECT_EQ(dialog.TrackBar_anim->maximum(), 20);
    EXPECT_EQ(dialog.Dure_maxi_anim->maximum(), 100);
    EXPECT_EQ(dialog.Delai_des->maximum(), 10);
}

// Guards the music turned off from the dialog: the player is closed at once.
TEST(Options, MusicTurnedOffClosesThePlayer) {
    WindowFixture f;
    const QString a = Touch(f.home, QStringLiteral("aube.mid"));
    WriteSongList(f.window->SettingsPath, {a});
    f.window->MediaPlayer1Notify();
    ASSERT_TRUE(f.player->playing);
    OptionsClick(*f.window, [&](TOptions1& dialog) {
        dialog.CB_musique->setChecked(false);
        dialog.Bt_okClick();
        return true;
    });
    EXPECT_FALSE(f.player->HasFile());
    EXPECT_GE(f.player->closes, 1);
}

} // namespace
