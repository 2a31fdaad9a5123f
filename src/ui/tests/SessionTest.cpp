// What is kept between runs: the settings file's players, the per-user options, board and
// theme, read with the care a hand-edited file deserves.
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

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Guards the reading of "Players": the text after the last "=", cut to 50 characters,
// whatever the line ends, only in the section of that exact name; the defaults join.
TEST(Session, PlayersAreReadFromTheirSectionOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
    WriteText(path, "Nr_0000=avant\r\n[players]\r\nNr_0000=casse\r\n[Players]\r\nNr_0000=a=b\r\n"
                    "Nr_0001=" +
                        QByteArray(60, 'x') + "\r\nNr_0002=\r\nsans egal\r\n[Song]\r\nCount=0");
    TPlayerNames names;
    ReadPlayers(path, names);
    EXPECT_TRUE(names.Contains(QStringLiteral("b")));
    EXPECT_TRUE(names.Contains(QString(50, u'x')));
    EXPECT_FALSE(names.Contains(QStringLiteral("casse")));
    EXPECT_FALSE(names.Contains(QStringLiteral("avant")));
    EXPECT_TRUE(names.Contains(QStringLiteral("Lumarre")));
    EXPECT_EQ(names.Names().size(), 2 + 7);

    TPlayerNames missing;
    ReadPlayers(dir.filePath(QStringLiteral("absent.cfg")), missing);
    EXPECT_EQ(missing.Names().size(), 7);
}

// Guards the writing of "Players": sorted, numbered from 0000 in hex, other sections kept
// line for line, the file's date kept, a missing file created.
TEST(Session, PlayersAreWrittenBackKeepingTheRest) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vantorel.cfg"));
    WriteText(path, "[Song]\nCount=1\nNr_0001=/musique/a b.mid\n[Players]\nNr_0000=vieux\n"
                    "[Connexion]\nIP_01=10.0.0.2\n");
    const QDateTime old = QDateTime::fromString(QStringLiteral("2020-05-01T10:00:00"), Qt::ISODate);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    TPlayerNames names;
    names.AddDefaults();
    names.Add(QStringLiteral("Zélie"));
    WritePlayers(path, names);
    const QByteArray text = ReadText(path);
    EXPECT_TRUE(text.startsWith("[Song]\nCount=1\nNr_0001=/musique/a b.mid\n[Players]\n"
                                "Nr_0000=Bresca\nNr_0001=Derwyn\n"));
    EXPECT_TRUE(text.contains("Nr_0007=Z\xC3\xA9lie\n[Connexion]\nIP_01=10.0.0.2\n"));
    EXPECT_FALSE(text.contains("vieux"));
    EXPECT_EQ(QFileInfo(path).lastModified(), old);
    EXPECT_EQ(ReadRecentAddresses(path), QStringList{QStringLiteral("10.0.0.2")});

    const QString fresh = dir.filePath(QStringLiteral("neuf.cfg"));
    WritePlayers(fresh, names);
    TPlayerNames again;
    ReadPlayers(fresh, again);
    EXPECT_EQ(again.Names(), names.Names());
}

// Guards the options text: the defaults read exactly so, and anything edited by hand,
// truncated or in lower case gives the defaults back.
TEST(Session, OptionsTextAndItsChecksum) {
    QTemporaryDir dir;
    TUserStore store(dir.filePath(QStringLiteral("u.conf")));
    TOptions options;
    SaveOptions(store, options);
    EXPECT_EQ(store.Read(QStringLiteral("Interface"), QStringLiteral("Default"), {}).toStdString(),
              "0004 0000 0001 0000 0000 0001 0002 1388 0001 07D0 0001 0001 0000 0000 0000 0000 "
              "0000 0000 0000 C098 ");

    options[TOptions::ComputerLevel] = 34;
    SaveOptions(store, options);
    TOptions read;
    read[TOptions::AnimSpeed] = 9;
    LoadOptions(store, read);
    EXPECT_EQ(read[TOptions::ComputerLevel], 34);
    EXPECT_EQ(read[TOptions::AnimSpeed], 4);

    const TOptions defaults;
    for (const char* text : {"0004 0000 0001",
                             "0005 0000 0001 0000 0000 0001 0002 1388 0001 07D0 "
                             "0001 0001 0000 0000 0000 0000 0000 0000 0000 C098",
                             "0004 0000 0001 0000 0000 0001 0002 1388 0001 07d0 0001 0001 0000 "
                             "0000 0000 0000 0000 0000 0000 C098",
                             "n'importe quoi"}) {
        store.Write(QStringLiteral("Interface"), QStringLiteral("Default"),
                    QString::fromLatin1(text));
        TOptions edited;
        edited[TOptions::ComputerLevel] = 22;
        LoadOptions(store, edited);
        EXPECT_EQ(edited.Values, defaults.Values) << text;
    }
}

// Guards the board's identity: written and read back, negative kinds included, and
// anything unreadable read as zeros.
TEST(Session, BoardIdentityRoundTrip) {
    for (const TTablier board : {TTablier{0, 3, 8, 1963}, TTablier{0x123456, 9, 12, 2026},
                                 TTablier{-5, 1, 1, 1}, TTablier{1000000000, 31, 12, 65535}}) {
        const TTablier back = ParseTablier(FormatTablier(board));
        EXPECT_EQ(back.Kind, board.Kind);
        EXPECT_EQ(back.Day, board.Day);
        EXPECT_EQ(back.Month, board.Month);
        EXPECT_EQ(back.Year, board.Year);
    }
    EXPECT_EQ(FormatTablier({1, 3, 8, 1963}).toStdString(), "000001;03;8;07AB");
    const TTablier junk = ParseTablier(QStringLiteral("zz;12;;1FFFFF"));
    EXPECT_EQ(junk.Kind, 0);
    EXPECT_EQ(junk.Day, 0x12);
    EXPECT_EQ(junk.Month, 0);
    EXPECT_EQ(junk.Year, 0);
    EXPECT_EQ(ParseTablier(QString()).Kind, 0);
}

// Guards what a run that dies leaves: the board and the theme are taken and reset as soon
// as they are read, and an unreadable theme is the flat board.
TEST(Session, BoardAndThemeAreTakenOnce) {
    QTemporaryDir dir;
    TUserStore store(dir.filePath(QStringLiteral("u.conf")));
    EXPECT_EQ(TakeStoredTheme(store), 6);
    EXPECT_EQ(TakeStoredTheme(store), 1);
    for (const auto& [text, theme] : {std::pair{"2", 2}, std::pair{"abc", 1}, std::pair{"0", 1},
                                      std::pair{"-3", 1}, std::pair{"999", 1}}) {
        store.Write(QStringLiteral("Interface"), QStringLiteral("Theme"),
                    QString::fromLatin1(text));
        EXPECT_EQ(TakeStoredTheme(store), theme) << text;
    }
    TOptions options;
    WriteSession(store, {0x42, 1, 2, 2003}, 13, QStringLiteral("Zélie"), options);
    EXPECT_EQ(TakeStoredVariant(store).Kind, 0x42);
    EXPECT_EQ(TakeStoredVariant(store).Kind, 0);
    EXPECT_EQ(TakeStoredTheme(store), 13);
    WriteSession(store, {}, -1, {}, options);
    EXPECT_EQ(store.Read(QStringLiteral("Interface"), QStringLiteral("Theme"), {}).toStdString(),
              "1")
        << "no theme to remember leaves the stored one";
    EXPECT_EQ(store.Read(QStringLiteral("Interface"), QStringLiteral("Joueur"), {}).toStdString(),
              "Zélie");
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

} // namespace

namespace {

// Guards where the settings file is looked for and where a first one is made.
TEST(Session, SettingsFileSearchOrder) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    const QString program = dir.filePath(QStringLiteral("programme"));
    QDir().mkpath(program);
    WriteText(QDir(program).filePath(QStringLiteral("Vantorel.cfg")), "[Players]\n");
    EXPECT_EQ(FindSettingsPath({config, program}),
              QDir(program).absoluteFilePath(QStringLiteral("Vantorel.cfg")));
    QDir().remove(QDir(program).filePath(QStringLiteral("Vantorel.cfg")));
    EXPECT_EQ(FindSettingsPath({config, program}),
              QDir(config).absoluteFilePath(QStringLiteral("Vantorel.cfg")));
    EXPECT_TRUE(QFileInfo(config).isDir()) << "the file's folder is made for its first writer";
}

} // namespace
