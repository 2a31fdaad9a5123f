#include "Session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <optional>

namespace vantorel {

namespace {

const QString kInterface = QStringLiteral("Interface");
const QString kPlayers = QStringLiteral("Players");
constexpr qsizetype kLongestName = 50;

// A line without its line end. The file was written by hand or by older versions in the
// user's 8-bit code page: a line that is not UTF-8 is read as Latin-1 rather than spoilt.
QString LineText(QByteArray raw) {
    while (raw.endsWith('\n') || raw.endsWith('\r'))
        raw.chop(1);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

std::optional<QString> SectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

bool IsKeyValue(const QString& line) {
    return line.contains(u'=') && !line.trimmed().startsWith(u';');
}

// Hex digits of either case; anything else, or more than 32 bits, reads as 0.
uint32_t HexField(const QString& text) {
    uint64_t value = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        if (digit < 0) return 0;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFu) return 0;
    }
    return static_cast<uint32_t>(value);
}

QString Hex(uint32_t value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

} // namespace

TIniText::TIniText(const QString& path) : path_(path) {
    QFile file(path);
    // Nothing to lose: the first Save creates it.
    if (!file.exists()) return;
    writable_ = false;
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) return;
    // Read with a limit: a device file or one growing meanwhile reports a small size.
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile || file.error() != QFileDevice::NoError) return;
    SetBytes(bytes);
}

TIniText::TIniText(const QString& path, const QByteArray& bytes) : path_(path) {
    writable_ = false;
    if (bytes.size() > kLargestFile) return;
    SetBytes(bytes);
}

void TIniText::SetBytes(const QByteArray& bytes) {
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline + 1;
        lines_.push_back(bytes.mid(start, end - start));
        start = end;
    }
    writable_ = true;
}

QStringList TIniText::SectionLines(const QString& section) const {
    QStringList found;
    bool inside = false;
    for (const QByteArray& raw : lines_) {
        const QString line = LineText(raw);
        if (const std::optional<QString> name = SectionName(line))
            inside = *name == section;
        else if (inside && IsKeyValue(line))
            found << line;
    }
    return found;
}

QString TIniText::Value(const QString& section, const QString& key) const {
    for (const QString& line : SectionLines(section)) {
        const qsizetype equals = line.indexOf(u'=');
        if (line.left(equals).trimmed() == key) return line.mid(equals + 1).trimmed();
    }
    return {};
}

void TIniText::ReplaceSection(const QString& section, const QStringList& lines) {
    // New lines end as the file's own do.
    QByteArray eol = "\n";
    for (const QByteArray& raw : lines_)
        if (raw.endsWith('\n')) {
            if (raw.endsWith("\r\n")) eol = "\r\n";
            break;
        }
    const auto terminated = [&eol](QByteArray raw) {
        if (!raw.endsWith('\n')) raw += eol;
        return raw;
    };

    std::vector<QByteArray> result;
    const auto writeSection = [&] {
        for (const QString& line : lines)
            result.push_back(line.toUtf8() + eol);
    };
    bool inside = false;
    bool written = false;
    for (const QByteArray& raw : lines_) {
        if (const std::optional<QString> name = SectionName(LineText(raw))) {
            inside = *name == section;
            if (inside) {
                if (!written) {
                    result.push_back(terminated(raw));
                    writeSection();
                    written = true;
                }
                continue;
            }
        }
        if (!inside) result.push_back(raw);
    }
    if (!written) {
        if (!result.empty()) {
            result.back() = terminated(result.back());
            if (!LineText(result.back()).trimmed().isEmpty()) result.push_back(eol);
        }
        result.push_back('[' + section.toUtf8() + ']' + eol);
        writeSection();
    }
    lines_ = std::move(result);
}

bool TIniText::Save() const {
    if (!writable_) return false;
    const QFileInfo info(path_);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (const QByteArray& raw : lines_)
        file.write(raw);
    if (!file.commit()) return false;
    // The file's date says when the user last edited it, not when the program last ran.
    if (modified.isValid()) {
        QFile written(path_);
        if (written.open(QIODevice::Append))
            written.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    return true;
}

void ReadPlayers(const QString& settingsPath, TPlayerNames& names) {
    ReadPlayers(TIniText(settingsPath), names);
}

void ReadPlayers(const TIniText& settings, TPlayerNames& names) {
    for (const QString& line : settings.SectionLines(kPlayers)) {
        // A carriage return inside a line cannot be written back as it is (see
        // PlayersSection): the name is kept as it will be saved.
        QString name = line.mid(line.lastIndexOf(u'=') + 1).replace(u'\r', u' ');
        if (name.size() > kLongestName)
            // Never half a character: a pair cut in two is not text.
            name.truncate(name.at(kLongestName - 1).isHighSurrogate() ? kLongestName - 1
                                                                      : kLongestName);
        if (!name.isEmpty()) names.Add(name);
    }
    names.AddDefaults();
}

QStringList PlayersSection(const TPlayerNames& names) {
    QStringList lines;
    int index = 0;
    for (QString name : names.Names()) {
        // A line break in a name would start a line of its own, or even a section.
        name.replace(u'\r', u' ').replace(u'\n', u' ');
        lines << QStringLiteral("Nr_") + Hex(static_cast<uint32_t>(index++), 4) + u'=' + name;
    }
    return lines;
}

void WritePlayers(const QString& settingsPath, const TPlayerNames& names) {
    TIniText ini(settingsPath);
    ini.ReplaceSection(kPlayers, PlayersSection(names));
    ini.Save();
}

QStringList ReadRecentAddresses(const QString& settingsPath) {
    return ReadRecentAddresses(TIniText(settingsPath));
}

QStringList ReadRecentAddresses(const TIniText& ini) {
    QStringList addresses;
    for (int k = 1; k <= 5; ++k) {
        const QString address =
            ini.Value(QStringLiteral("Connexion"), QStringLiteral("IP_0") + QString::number(k));
        if (!address.isEmpty()) addresses << address;
    }
    return addresses;
}

TUserStore::TUserStore(const QString& path)
    : settings_(path.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                  QStringLiteral("TEV"), QStringLiteral("Vantorel"))
                    : std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

TUserStore::~TUserStore() = default;

QString TUserStore::Read(const QString& name, const QString& fallback) const {
    return Read(kInterface, name, fallback);
}

void TUserStore::Write(const QString& name, const QString& value) {
    Write(kInterface, name, value);
}

QString TUserStore::Read(const QString& section, const QString& name,
                         const QString& fallback) const {
    if (settings_->status() != QSettings::NoError) return fallback;
    const QVariant value = settings_->value(section + u'/' + name);
    if (!value.isValid()) return fallback;
    // A value edited by hand with a comma in it comes back as a list: still one text.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void TUserStore::Write(const QString& section, const QString& name, const QString& value) {
    settings_->setValue(section + u'/' + name, value);
}

void TUserStore::Sync() {
    settings_->sync();
}

QString FormatTablier(int32_t kind, uint16_t day, uint16_t month, uint16_t year) {
    return Hex(static_cast<uint32_t>(kind), 6) + u';' + Hex(day, 2) + u';' + Hex(month, 1) + u';' +
           Hex(year, 4);
}

TTablier ParseTablier(QString text) {
    const auto take = [&text]() -> uint32_t {
        if (text.isEmpty()) return 0;
        qsizetype end = text.indexOf(u';');
        if (end < 0) end = text.size();
        const uint32_t value = HexField(text.left(end).trimmed());
        text.remove(0, end + 1);
        return value;
    };
    const auto field = [](uint32_t value) {
        return value <= 0xFFFFu ? static_cast<uint16_t>(value) : uint16_t{0};
    };
    TTablier board;
    board.Kind = static_cast<int32_t>(take());
    board.Day = field(take());
    board.Month = field(take());
    board.Year = field(take());
    return board;
}

void LoadOptions(const TUserStore& store, TOptions& options) {
    options.FromText(store.Read(QStringLiteral("Default"), {}).trimmed().toStdString());
}

void SaveOptions(TUserStore& store, TOptions& options) {
    options[TOptions::OptionsChecksum] = options.Checksum();
    store.Write(QStringLiteral("Default"), QString::fromStdString(options.ToText()));
}

TTablier TakeStoredVariant(TUserStore& store) {
    const TTablier board = ParseTablier(store.Read(QStringLiteral("Tablier"), QStringLiteral("0")));
    store.Write(QStringLiteral("Tablier"), QString());
    store.Sync();
    return board;
}

int TakeStoredTheme(TUserStore& store) {
    const int theme = ParseTheme(store.Read(QStringLiteral("Theme"), QStringLiteral("6")));
    store.Write(QStringLiteral("Theme"), QStringLiteral("1"));
    store.Sync();
    return theme;
}

int ParseTheme(const QString& text) {
    bool ok = false;
    const int theme = text.trimmed().toInt(&ok);
    return ok && theme >= 1 && theme <= 255 ? theme : 1;
}

void WriteSession(TUserStore& store, const TTablier& board, int themeId, const QString& joueur,
                  TOptions& options) {
    store.Write(QStringLiteral("Tablier"), FormatTablier(board));
    if (themeId >= 0) store.Write(QStringLiteral("Theme"), QString::number(themeId));
    if (!joueur.isEmpty()) store.Write(QStringLiteral("Joueur"), joueur);
    SaveOptions(store, options);
    store.Sync();
}

TTempFile::TTempFile()
    : file_(std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/VTLXXXXXX"))) {
    // Closed at once: the file stays (and stays ours) until the object goes.
    if (file_->open()) file_->close();
}

TTempFile::~TTempFile() = default;

QString TTempFile::Path() const {
    return file_->fileName();
}

} // namespace vantorel
