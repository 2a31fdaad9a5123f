#pragma once
// Short sound samples played once on demand. The program makes its own samples: each is
// synthesised into a WAV file in a cache folder at start.
#include <QSoundEffect>

#include <memory>
#include <string>
#include <vector>

namespace vantorel::scene {

// Where a sample goes; a fake in tests, QSoundEffect in the program.
class TSoundSink {
public:
    virtual ~TSoundSink() = default;
    virtual void Play(int index) = 0;
};

class TSoundLibrary : public TSoundSink {
public:
    // Writes the eight samples into `folder` when missing and loads them.
    explicit TSoundLibrary(const QString& folder);
    ~TSoundLibrary() override;
    int Count() const { return static_cast<int>(effects_.size()); }
    // Out of range: nothing.
    void Play(int index) override;

    // The 16-bit mono PCM WAV bytes of sample `index` (0..7).
    static QByteArray SampleWav(int index);
    static const std::vector<std::string>& SampleNames();

private:
    std::vector<std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace vantorel::scene
