#include "TMusicPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace vantorel {

namespace {

class TMediaMusicPlayer : public TMusicPlayer {
public:
    TMediaMusicPlayer() {
        player_.setAudioOutput(&output_);
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::EndOfMedia && OnNotify) OnNotify();
                         });
        // A song that cannot be played counts as ended: the next one is tried.
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_, [this] {
            player_.stop();
            if (OnNotify) OnNotify();
        });
    }

    bool HasFile() const override { return !player_.source().isEmpty(); }
    // A closed player is neither: only a song that ended or was paused asks for the next.
    bool IsStoppedOrPaused() const override {
        return HasFile() && player_.playbackState() != QMediaPlayer::PlayingState;
    }
    bool IsOpen() const override { return HasFile(); }
    void Close() override {
        player_.stop();
        player_.setSource(QUrl());
    }
    void Open(const QString& path) override { player_.setSource(QUrl::fromLocalFile(path)); }
    void Play() override { player_.play(); }
    void Pause() override { player_.pause(); }

private:
    QMediaPlayer player_;
    QAudioOutput output_;
};

} // namespace

std::unique_ptr<TMusicPlayer> MakeMediaPlayer() {
    return std::make_unique<TMediaMusicPlayer>();
}

} // namespace vantorel
