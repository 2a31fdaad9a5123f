// What is kept between runs: the settings file's players and servers, the per-user options,
// board and theme, read with the care a hand-edited file deserves.
#include "ui/Session.h"
#include "ui/SettingsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList WithDefaults(QStringList names) {
    names += TPlayerNames::DefaultNames();
    names.sort();
    return names;
}

const QByteArray kDefaultsWritten =
    "Nr_0000=Bresca\nNr_0001=Derwyn\nNr_0002=Lumarre\nNr_0003=Olvira\n"
    "Nr_0004=Quillon\nNr_0005=Tobran\nNr_0006=Yvandor\n";

// Guards the reading of "Players": the text after the last "=", cut to 50 characters
// (never inside a pair), line ends, section case, junk and Latin-1 bytes.
TEST(Session, PlayersAreReadFromTheirSectionOnly) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const std::vector<std::pair<QByteArray, QStringList>> cases = {
        {"[Players]\nNr_0000=a=b\n", {"b"}},
        {"[Players]\nNr_0000=" + QByteArray(60, 'x'), {QString(50, u'x')}},
        {"[Players]\nNr_0000=" + QByteArray(49, 'x') + "\xF0\x9F\x98\x80y", {QString(49, u'x')}},
        {"[Players]\r\nNr_0000=Ana\r\nNr_0001=Zo\xC3\xA9\r\n", {"Ana", "Zoé"}},
        {"Nr_0000=avant\n[players]\nNr_0000=casse\n[Players]\nNr_0001=y", {"y"}},
        {"[Players]\nNr_0000=\nsans egal\n; Nr_0001=note\nA=1\n[Song]\nNr_0001=air\n", {"1"}},
        {QByteArray("\xFF\xFE\0\x01junk\n[Players]\nNr_0000=\xE9t\xE9\n", 31), {"été"}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
    for (const auto& [bytes, expected] : cases) {
        WriteBytes(path, bytes);
        TPlayerNames names;
        ReadPlayers(path, names);
        EXPECT_EQ(names.Names(), WithDefaults(expected)) << bytes.toStdString();
    }
    TPlayerNames missing;
    ReadPlayers(dir.filePath(QStringLiteral("absent.cfg")), missing);
    EXPECT_EQ(missing.Names(), WithDefaults({}));
}

// Guards the rewrite of "Players": the other sections byte for byte (CRLF, Latin-1, no
// final line end, a section in another case), duplicates dropped, hex numbering in sorted
// order, a line break in a name neutralised, and the file's date kept.
TEST(Session, PlayersAreWrittenBackKeepingTheRest) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
    WriteBytes(path, "; t\xC3\xAAte\r\n[Song]\r\nNr_0001=C:\\\xE9t\xE9.mid\r\n[Players]\r\n"
                     "Nr_0000=vieux\r\n[Connexion]\r\nIP_01=10.0.0.2\r\n[Players]\r\nNr_0000=double"
                     "\r\n[players]\r\nNr_0000=autre");
    const QDateTime old = QDateTime::fromString(QStringLiteral("2020-05-01T10:00:00"), Qt::ISODate);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    TPlayerNames names;
    names.AddDefaults();
    for (const char* name : {"Zélie", "a\nb", "c", "d"})
        names.Add(QString::fromUtf8(name));
    WritePlayers(path, names);
    EXPECT_EQ(ReadBytes(path).toStdString(),
              "; t\xC3\xAAte\r\n[Song]\r\nNr_0001=C:\\\xE9t\xE9.mid\r\n[Players]\r\n"
              "Nr_0000=Bresca\r\nNr_0001=Derwyn\r\nNr_0002=Lumarre\r\nNr_0003=Olvira\r\n"
              "Nr_0004=Quillon\r\nNr_0005=Tobran\r\nNr_0006=Yvandor\r\nNr_0007=Z\xC3\xA9lie\r\n"
              "Nr_0008=a b\r\nNr_0009=c\r\nNr_000A=d\r\n[Connexion]\r\nIP_01=10.0.0.2\r\n"
              "[players]\r\nNr_0000=autre");
    EXPECT_EQ(QFileInfo(path).lastModified(), old);
}

// Guards where "Players" goes when absent: a new file, after a last line without its line
// end, set apart by one blank line.
TEST(Session, PlayersSectionIsAddedWhenAbsent) {
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {nullptr, "[Players]\n" + kDefaultsWritten},
        {"", "[Players]\n" + kDefaultsWritten},
        {"[Players]", "[Players]\n" + kDefaultsWritten},
        {"[Song]\nCount=0", "[Song]\nCount=0\n\n[Players]\n" + kDefaultsWritten},
        {"[Song]\nCount=0\n\n", "[Song]\nCount=0\n\n[Players]\n" + kDefaultsWritten},
    };
    TPlayerNames names;
    names.AddDefaults();
    for (const auto& [before, after] : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
        if (before) WriteBytes(path, before);
        WritePlayers(path, names);
        EXPECT_EQ(ReadBytes(path), after) << (before ? before : "(absent)");
    }
}

// Guards a file far too large to be ours: nothing read from it, and never overwritten.
TEST(Session, HugeSettingsFileIsLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
    QByteArray bytes = "[Players]\nNr_0000=Intrus\n";
    bytes += QByteArray(TIniText::kLargestFile, '#');
    WriteBytes(path, bytes);
    TPlayerNames names;
    ReadPlayers(path, names);
    EXPECT_EQ(names.Names(), WithDefaults({}));
    WritePlayers(path, names);
    EXPECT_EQ(QFileInfo(path).size(), bytes.size());
}

// Guards the servers list: only IP_01..IP_05 of "Connexion", trimmed, blanks skipped.
TEST(Session, RecentAddressesSkipBlanks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
    WriteBytes(path, "[Connexion]\r\nIP_01=10.0.0.2\r\nIP_02=   \r\nIP_03=\r\nIP_04= serveur.lan "
                     "\r\nIP_05=a=b\r\nIP_06=trop\r\n[Autre]\r\nIP_02=ailleurs\r\n");
    EXPECT_EQ(ReadRecentAddresses(path), QStringList({"10.0.0.2", "serveur.lan", "a=b"}));
    EXPECT_TRUE(ReadRecentAddresses(dir.filePath(QStringLiteral("absent.cfg"))).isEmpty());
}

// Guards the per-user store against its own format: texts QSettings would otherwise read
// as lists or variants come back as written.
TEST(Session, UserStoreKeepsTextsAsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("u.conf"));
    const QStringList texts = {"Dupont, Jean", "@Variant(x)", " espaces ", "a=b;c", "Zélie", ""};
    {
        TUserStore store(path);
        for (const QString& text : texts)
            store.Write(QStringLiteral("Joueur") + QString::number(texts.indexOf(text)), text);
        store.Sync();
    }
    const TUserStore store(path);
    for (const QString& text : texts)
        EXPECT_EQ(store.Read(QStringLiteral("Joueur") + QString::number(texts.indexOf(text)),
                             QStringLiteral("absent")),
                  text);
    EXPECT_EQ(store.Read(QStringLiteral("Rien"), QStringLiteral("absent")), "absent");
}

// Guards the options text: the defaults read exactly so, a valid record comes back, and
// anything edited by hand, truncated or in lower case gives the defaults.
TEST(Session, OptionsTextAndItsChecksum) {
    QTemporaryDir dir;
    TUserStore store(dir.filePath(QStringLiteral("u.conf")));
    TOptions options;
    SaveOptions(store, options);
    const QString defaults =
        QStringLiteral("0004 0000 0001 0000 0000 0001 0002 1388 0001 07D0 0001 "
                       "0001 0000 0000 0000 0000 0000 0000 0000 C098 ");
    EXPECT_EQ(store.Read(QStringLiteral("Default"), {}), defaults);

    options[TOptions::ComputerLevel] = 34;
    options.Values[13] = 0x12345; // wider than four digits
    SaveOptions(store, options);
    TOptions read;
    read[TOptions::AnimSpeed] = 9;
    LoadOptions(store, read);
    EXPECT_EQ(read.Values, options.Values);

    QString commas = store.Read(QStringLiteral("Default"), {});
    store.Write(QStringLiteral("Default"), commas.replace(u' ', u','));
    LoadOptions(store, read);
    EXPECT_EQ(read.Values, options.Values) << "any other character separates groups";

    for (const QString& text :
         {defaults.left(14), QString(defaults).replace(0, 4, "0005"),
          QString(defaults).replace("07D0", "07d0"), QString(defaults).replace("0004", "00a4"),
          QStringLiteral("n'importe quoi"), QString()}) {
        store.Write(QStringLiteral("Default"), text);
        TOptions edited;
        edited[TOptions::ComputerLevel] = 22;
        LoadOptions(store, edited);
        EXPECT_EQ(edited.Values, TOptions().Values) << text.toStdString();
    }
}

// Guards the board's identity: written and read back (negative kinds as their 32 bits),
// and each unreadable or oversized field read as 0 without upsetting the others.
TEST(Session, BoardIdentityRoundTrip) {
    EXPECT_EQ(FormatTablier(1, 3, 8, 1963), "000001;03;8;07AB");
    EXPECT_EQ(FormatTablier(-1, 31, 12, 2026), "FFFFFFFF;1F;C;07EA");
    for (const TTablier board :
         {TTablier{0x123456, 9, 12, 2026}, TTablier{-5, 1, 1, 1}, TTablier{INT32_MIN, 0, 0, 0},
          TTablier{INT32_MAX, 65535, 1, 65535}}) {
        const TTablier back = ParseTablier(FormatTablier(board));
        EXPECT_EQ(std::tuple(back.Kind, back.Day, back.Month, back.Year),
                  std::tuple(board.Kind, board.Day, board.Month, board.Year));
    }
    const std::vector<std::pair<QString, std::tuple<int32_t, int, int, int>>> cases = {
        {"", {0, 0, 0, 0}},
        {"7", {7, 0, 0, 0}},
        {" a ; 1f ;c;7e7", {10, 31, 12, 2023}},
        {"zz;12;;1FFFFF", {0, 0x12, 0, 0}},
        {"100000000;1;10000;3", {0, 1, 0, 3}},
        {"-5;+1;0x1;1", {0, 0, 0, 1}},
    };
    for (const auto& [text, expected] : cases) {
        const TTablier board = ParseTablier(text);
        EXPECT_EQ(std::tuple(board.Kind, int{board.Day}, int{board.Month}, int{board.Year}),
                  expected)
            << text.toStdString();
    }
}

// Guards what a run that dies leaves: the theme and the board are reset as soon as they are
// read, and an unreadable or out-of-range theme is the flat board.
TEST(Session, BoardAndThemeAreTakenOnce) {
    QTemporaryDir dir;
    TUserStore store(dir.filePath(QStringLiteral("u.conf")));
    EXPECT_EQ(TakeStoredTheme(store), 6);
    EXPECT_EQ(store.Read(QStringLiteral("Theme"), {}), "1");
    for (const auto& [text, theme] :
         {std::pair{"2", 2}, std::pair{"abc", 1}, std::pair{"0", 1}, std::pair{"-3", 1},
          std::pair{"256", 1}, std::pair{"255", 255}}) {
        store.Write(QStringLiteral("Theme"), QString::fromLatin1(text));
        EXPECT_EQ(TakeStoredTheme(store), theme) << text;
        EXPECT_EQ(TakeStoredTheme(store), 1) << "a second take is a run that died";
    }
    TOptions options;
    WriteSession(store, {-1, 1, 2, 2003}, 13, QStringLiteral("Zélie"), options);
    const TTablier board = TakeStoredVariant(store);
    EXPECT_EQ(std::tuple(board.Kind, board.Day, board.Month, board.Year),
              std::tuple(-1, 1, 2, 2003));
    EXPECT_EQ(store.Read(QStringLiteral("Tablier"), QStringLiteral("absent")), "");
    EXPECT_EQ(TakeStoredVariant(store).Kind, 0);
    EXPECT_EQ(TakeStoredTheme(store), 13);
    WriteSession(store, {}, -1, {}, options);
    EXPECT_EQ(store.Read(QStringLiteral("Theme"), {}), "1") << "no theme leaves the stored one";
    EXPECT_EQ(store.Read(QStringLiteral("Joueur"), {}), "Zélie") << "no player keeps the last";
}

// Guards the temporary file: it exists while the program runs and is gone after.
TEST(Session, TemporaryFileLivesWithTheProgram) {
    QString path;
    {
        TTempFile file;
        path = file.Path();
        EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("VTL")));
        EXPECT_TRUE(QFile::exists(path));
    }
    EXPECT_FALSE(QFile::exists(path));
}

// Guards where the settings file is looked for and where a first one is made.
TEST(Session, SettingsFileSearchOrder) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    const QString program = dir.filePath(QStringLiteral("programme"));
    QDir().mkpath(program);
    WriteBytes(QDir(program).filePath(QStringLiteral("Vantorel.cfg")), "[Players]\n");
    EXPECT_EQ(FindSettingsPath({config, program}),
              QDir(program).absoluteFilePath(QStringLiteral("Vantorel.cfg")));
    QDir().remove(QDir(program).filePath(QStringLiteral("Vantorel.cfg")));
    EXPECT_EQ(FindSettingsPath({config, program}),
              QDir(config).absoluteFilePath(QStringLiteral("Vantorel.cfg")));
    EXPECT_TRUE(QFileInfo(config).isDir()) << "the file's folder is made for its first writer";
}

} // namespace
