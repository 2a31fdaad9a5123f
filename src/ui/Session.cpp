#include "Session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QTextStream>

namespace vantorel {

namespace {

const QString kInterface = QStringLiteral("Interface");
constexpr qint64 kLargestSettingsFile = 4 * 1024 * 1024;
constexpr int kLongestName = 50;

QString SectionHeader(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'[') && trimmed.endsWith(u']'))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return {};
}

bool IsSectionHeader(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.size() >= 2 && trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

QString KeyNumber(const char* prefix, int index, int digits) {
    return QString::fromLatin1(prefix) +
           QStringLiteral("%1").arg(index, digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

TIniText::TIniText(const QString& path) : path_(path) {
    QFile file(path);
    // A settings file is small; anything huge is not ours and reads as empty.
    if (file.size() > kLargestSettingsFile || !file.open(QIODevice::ReadOnly)) return;
    const QString text = QString::fromUtf8(file.readAll());
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        lines_.push_back(line);
    }
    if (!lines_.empty() && lines_.back().isEmpty()) lines_.pop_back();
}

QStringList TIniText::SectionLines(const QString& section) const {
    QStringList found;
    bool inside = false;
    for (const QString& line : lines_) {
        if (IsSectionHeader(line)) {
            inside = SectionHeader(line) == section;
            continue;
        }
        if (inside && line.contains(u'=')) found << line;
    }
    return found;
}

void TIniText::ReplaceSection(const QString& section, const QStringList& lines) {
    std::vector<QString> result;
    bool inside = false;
    bool written = false;
    for (const QString& line : lines_) {
        if (IsSectionHeader(line)) {
            const bool ours = SectionHeader(line) == section;
            if (ours && !written) {
                result.push_back(line);
                for (const QString& own : lines)
                    result.push_back(own);
                written = true;
            }
            inside = ours;
            if (ours) continue;
        }
        if (!inside) result.push_back(line);
    }
    if (!written) {
        if (!result.empty() && !result.back().trimmed().isEmpty()) result.push_back({});
        result.push_back(QLatin1Char('[') + section + QLatin1Char(']'));
        for (const QString& own : lines)
            result.push_back(own);
    }
    lines_ = std::move(result);
}

bool TIniText::Save() const {
    const QFileInfo info(path_);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QByteArray bytes;
    for (const QString& line : lines_)
        bytes += line.toUtf8() + '\n';
    if (file.write(bytes) != bytes.size() || !file.commit()) return false;
    // The file's date says when the user last touched it, not when we last ran.
    if (modified.isValid() && modified.toMSecsSinceEpoch() > 0) {
        QFile written(path_);
        if (written.open(QIODevice::ReadWrite))
            written.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    return true;
}

void ReadPlayers(const QString& settingsPath, TPlayerNames& names) {
    for (const QString& line : TIniText(settingsPath).SectionLines(QStringLiteral("Players"))) {
        const QString name = line.mid(line.lastIndexOf(u'=') + 1).left(kLongestName);
        if (!name.trimmed().isEmpty()) names.Add(name);
    }
    names.AddDefaults();
}

void WritePlayers(const QString& settingsPath, const TPlayerNames& names) {
    TIniText ini(settingsPath);
    QStringList lines;
    int index = 0;
    for (const QString& name : names.Names())
        lines << KeyNumber("Nr_", index++, 4) + QLatin1Char('=') + name;
    ini.ReplaceSection(QStringLiteral("Players"), lines);
    ini.Save();
}

QStringList ReadRecentAddresses(const QString& settingsPath) {
    const QStringList lines = TIniText(settingsPath).SectionLines(QStringLiteral("Connexion"));
    QStringList addresses;
    for (int k = 1; k <= 5; ++k) {
        const QString key = KeyNumber("IP_", k, 2);
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf(u'=');
            if (line.left(equals).trimmed() != key) continue;
            const QString value = line.mid(equals + 1).trimmed();
            if (!value.isEmpty()) addresses << value;
            break;
        }
    }
    return addresses;
}

TUserStore::TUserStore(const QString& path)
    : settings_(path.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                  QStringLiteral("TEV"), QStringLiteral("Vantorel"))
                    : std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

TUserStore::~TUserStore() = default;

QString TUserStore::Read(const QString& section, const QString& name,
                         const QString& fallback) const {
    if (settings_->status() != QSettings::NoError) return fallback;
    const QVariant value = settings_->value(section + QLatin1Char('/') + name);
    if (!value.isValid()) return fallback;
    // A hand-edited list or number still reads as the text it was meant to be.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void TUserStore::Write(const QString& section, const QString& name, const QString& value) {
    settings_->setValue(section + QLatin1Char('/') + name, value);
}

void TUserStore::Sync() {
    settings_->sync();
}

QString FormatTablier(const TTablier& board) {
    const auto hex = [](uint32_t value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    // A kind is written as its 32 bits, so that a negative one reads back the same.
    return hex(static_cast<uint32_t>(board.Kind), 6) + QLatin1Char(';') + hex(board.Day, 2) +
           QLatin1Char(';') + hex(board.Month, 1) + QLatin1Char(';') + hex(board.Year, 4);
}

TTablier ParseTablier(QString text) {
    const auto take = [&text]() -> uint32_t {
        if (text.isEmpty()) return 0;
        qsizetype end = text.indexOf(u';');
        if (end < 0) end = text.size();
        const QString field = text.left(end).trimmed();
        text.remove(0, end + 1);
        bool ok = false;
        const qulonglong value = field.toULongLong(&ok, 16);
        return ok && value <= 0xFFFFFFFFull ? static_cast<uint32_t>(value) : 0u;
    };
    const auto small = [](uint32_t value) {
        return value <= 0xFFFF ? static_cast<uint16_t>(value) : uint16_t{0};
    };
    TTablier board;
    board.Kind = static_cast<int32_t>(take());
    board.Day = small(take());
    board.Month = small(take());
    board.Year = small(take());
    return board;
}

void LoadOptions(const TUserStore& store, TOptions& options) {
    options.FromText(store.Read(kInterface, QStringLiteral("Default"), {}).toStdString());
}

void SaveOptions(TUserStore& store, TOptions& options) {
    options[TOptions::OptionsChecksum] = options.Checksum();
    store.Write(kInterface, QStringLiteral("Default"), QString::fromStdString(options.ToText()));
}

TTablier TakeStoredVariant(TUserStore& store) {
    const TTablier board =
        ParseTablier(store.Read(kInterface, QStringLiteral("Tablier"), QStringLiteral("0")));
    store.Write(kInterface, QStringLiteral("Tablier"), QString());
    store.Sync();
    return board;
}

int TakeStoredTheme(TUserStore& store) {
    bool ok = false;
    int theme =
        store.Read(kInterface, QStringLiteral("Theme"), QStringLiteral("6")).trimmed().toInt(&ok);
    store.Write(kInterface, QStringLiteral("Theme"), QStringLiteral("1"));
    store.Sync();
    if (!ok || theme <= 0 || theme > 255) theme = 1;
    return theme;
}

void WriteSession(TUserStore& store, const TTablier& board, int themeId, const QString& player,
                  TOptions& options) {
    store.Write(kInterface, QStringLiteral("Tablier"), FormatTablier(board));
    if (themeId >= 0) store.Write(kInterface, QStringLiteral("Theme"), QString::number(themeId));
    if (!player.isEmpty()) store.Write(kInterface, QStringLiteral("Joueur"), player);
    SaveOptions(store, options);
    store.Sync();
}

TTempFile::TTempFile()
    : file_(std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/VTLXXXXXX"))) {
    file_->open();
    file_->close();
}

TTempFile::~TTempFile() = default;

QString TTempFile::Path() const {
    return file_->fileName();
}

} // namespace vantorel
