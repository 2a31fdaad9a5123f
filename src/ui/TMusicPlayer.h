#pragma once
// The background-music player as the window sees it: one song at a time, and a call back
// when something happened to it (the song ended, or could not be played).
#include <QString>

#include <functional>
#include <memory>

namespace vantorel {

class TMusicPlayer {
public:
    virtual ~TMusicPlayer() = default;
    virtual bool HasFile() const = 0;
    // A song is open and not playing (it ended, or was paused); false when closed.
    virtual bool IsStoppedOrPaused() const = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    virtual void Open(const QString& path) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;

    std::function<void()> OnNotify;
};

// The real one, over QMediaPlayer and the default audio output.
std::unique_ptr<TMusicPlayer> MakeMediaPlayer();

} // namespace vantorel
