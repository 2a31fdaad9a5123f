#include "TSoundLibrary.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vantorel::scene {

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void PutLe(QByteArray& bytes, uint32_t value, int size) {
    for (int k = 0; k < size; ++k)
        bytes.append(static_cast<char>((value >> (8 * k)) & 0xFF));
}

// Each sample: a length, and the sound at time t (seconds) in −1..1.
struct Recipe {
    double seconds;
    double (*wave)(double t);
};

double Envelope(double t, double length) {
    return std::exp(-5.0 * t / length);
}

const Recipe kRecipes[] = {
    {0.35, [](double t) { return 0.6 * Envelope(t, 0.35) * std::sin(2 * kPi * 523.25 * t); }},
    {0.05, [](double t) { return 0.8 * Envelope(t, 0.02) * std::sin(2 * kPi * 1800 * t); }},
    {0.40,
     [](double t) { return 0.5 * Envelope(t, 0.4) * std::sin(2 * kPi * (200 + 600 * t) * t); }},
    {0.25,
     [](double t) { return 0.5 * Envelope(t, 0.25) * std::sin(2 * kPi * (1500 - 2500 * t) * t); }},
    {0.15, [](double t) { return 0.6 * Envelope(t, 0.15) * std::sin(2 * kPi * 330 * t); }},
    {0.20,
     [](double t) {
         // Dice on wood: a few short knocks.
         const double phase = std::fmod(t, 0.05);
         return 0.7 * std::exp(-60 * phase) * std::sin(2 * kPi * 900 * t);
     }},
    {0.30, [](double t) { return 0.5 * Envelope(t, 0.3) * std::sin(2 * kPi * 660 * t); }},
    {0.30, [](double t) { return 0.5 * Envelope(t, 0.3) * std::sin(2 * kPi * 440 * t); }},
};

} // namespace

const std::vector<std::string>& TSoundLibrary::SampleNames() {
    static const std::vector<std::string> names = {"classique", "click",   "Espace",   "Laser",
                                                   "son5.WAV",  "des.WAV", "son7.WAV", "son8.WAV"};
    return names;
}

QByteArray TSoundLibrary::SampleWav(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kRecipes))) return {};
    const Recipe& recipe = kRecipes[index];
    const auto frames = static_cast<uint32_t>(recipe.seconds * kRate);
    QByteArray data;
    for (uint32_t k = 0; k < frames; ++k) {
        const double v = std::clamp(recipe.wave(static_cast<double>(k) / kRate), -1.0, 1.0);
        PutLe(data, static_cast<uint32_t>(static_cast<int16_t>(v * 32767)) & 0xFFFF, 2);
    }
    QByteArray wav("RIFF");
    PutLe(wav, 36 + static_cast<uint32_t>(data.size()), 4);
    wav.append("WAVEfmt ");
    PutLe(wav, 16, 4);
    PutLe(wav, 1, 2); // PCM
    PutLe(wav, 1, 2); // mono
    PutLe(wav, kRate, 4);
    PutLe(wav, kRate * 2, 4); // bytes per second
    PutLe(wav, 2, 2);         // block
    PutLe(wav, 16, 2);        // bits
    wav.append("data");
    PutLe(wav, static_cast<uint32_t>(data.size()), 4);
    wav.append(data);
    return wav;
}

TSoundLibrary::TSoundLibrary(const QString& folder) {
    QDir().mkpath(folder);
    for (int k = 0; k < static_cast<int>(SampleNames().size()); ++k) {
        const QString path = QDir(folder).filePath(QStringLiteral("sample%1.wav").arg(k));
        QFile file(path);
        const QByteArray bytes = SampleWav(k);
        if (file.size() != bytes.size() && file.open(QIODevice::WriteOnly)) file.write(bytes);
        file.close();
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
        effects_.push_back(std::move(effect));
    }
}

TSoundLibrary::~TSoundLibrary() = default;

void TSoundLibrary::Play(int index) {
    if (index < 0 || index >= Count()) return;
    effects_[static_cast<size_t>(index)]->play();
}

} // namespace vantorel::scene
