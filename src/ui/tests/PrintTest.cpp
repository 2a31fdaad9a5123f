// Printing and the clipboard from the window: the state around a print job, a real PDF,
// a printer that refuses, and what the two copy commands leave on the clipboard.
#include "UiTestSupport.h"

#include "ui/PrintAndCopy.h"

#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// Ten placements without a mill on Nine Men's Morris.
void PlayTenPlacements(WindowFixture& f) {
    f.StartNineMensMorris(kWhite);
    f.Game().GameType = kHumanVsHuman;
    f.Game().Players[kBlack].Kind = TPlayerRec::Human;
    for (int point : {0, 4, 1, 5, 3, 12, 8, 13, 11, 20}) {
        f.now += 1000;
        f.Game().Click(point);
    }
    ASSERT_EQ(f.Game().RecordedEntries(), 11);
}

TPrintDialogFn PdfTo(const QString& path, bool* asked = nullptr) {
    return [path, asked](QPrinter& printer, QWidget*) {
        if (asked) *asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
}

// Guards what a cancelled dialog leaves: the same entry, status, enabled window, no text.
TEST(Print, CancelledDialogChangesNothing) {
    WindowFixture f;
    f.EndIntro();
    PlayTenPlacements(f);
    f.Game().GoToEntry(4);
    const int8_t status = f.Game().GameStatus;
    int8_t statusInDialog = 0;
    bool enabledInDialog = true;
    const TPrintReport report = PrintScreen(*f.window, [&](QPrinter&, QWidget*) {
        statusInDialog = f.Game().GameStatus;
        enabledInDialog = f.window->isEnabled();
        return false;
    });
    EXPECT_EQ(statusInDialog, kPrinting);
    EXPECT_FALSE(enabledInDialog);
    EXPECT_EQ(report.Pages, 0);
    EXPECT_EQ(f.Game().MoveCount, 4);
    EXPECT_EQ(f.Game().GameStatus, status);
    EXPECT_TRUE(f.window->isEnabled());
    EXPECT_TRUE(f.messages.empty());
}

// Guards a whole job on a real file: every entry printed, the game left on the last one
// with its status back, and the board's picture drawn although there is no GL context.
TEST(Print, WholeGameToPdf) {
    WindowFixture f;
    f.EndIntro();
    PlayTenPlacements(f);
    f.Game().GoToEntry(2);
    const int8_t status = f.Game().GameStatus;
    const QString pdf = f.folder.filePath(QStringLiteral("partie.pdf"));
    const TPrintReport report = PrintScreen(*f.window, PdfTo(pdf));
    EXPECT_EQ(report.Rows, 11);
    EXPECT_EQ(report.Snapshots, 11);
    EXPECT_GE(report.RowsPerPage, 10);
    EXPECT_EQ(report.Pages, (11 + report.RowsPerPage - 1) / report.RowsPerPage);
    EXPECT_EQ(f.Game().MoveCount, 10);
    EXPECT_EQ(f.Game().GameStatus, status);
    EXPECT_TRUE(f.window->isEnabled());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
}

// Guards the error path: a printer that refuses the document is reported with code 7 and
// the game is given back as it was.
TEST(Print, RefusedDocumentIsErrorSeven) {
    WindowFixture f;
    f.EndIntro();
    PlayTenPlacements(f);
    const int8_t status = f.Game().GameStatus;
    PrintScreen(*f.window, PdfTo(QStringLiteral("/nonexistent-folder/partie.pdf")));
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_TRUE(f.messages[0].startsWith(QStringLiteral("Problème d'impression : ")))
        << f.messages[0].toStdString();
    EXPECT_EQ(f.Game().GameStatus, status);
    EXPECT_TRUE(f.window->isEnabled());
}

// Guards the script's text on the clipboard: the date and time, an empty line, the
// script with its header lines, one more line end.
TEST(Clipboard, ScriptOfANewGame) {
    WindowFixture f;
    f.EndIntro();
    const QDateTime before = QDateTime::currentDateTime();
    Copy_scriptClick(*f.window);
    const QString text = QGuiApplication::clipboard()->text();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    const QDateTime stamp = QLocale().toDateTime(lines[0], QLocale::ShortFormat);
    ASSERT_TRUE(stamp.isValid()) << lines[0].toStdString();
    EXPECT_LE(std::abs(stamp.secsTo(before)), 120);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2],
              QStringLiteral("Blanc : ") + QString::fromStdString(f.Game().Players[kWhite].Name));
    EXPECT_EQ(lines[3],
              QStringLiteral("Noir : ") + QString::fromStdString(f.Game().Players[kBlack].Name));
    EXPECT_EQ(text, lines[0] + QStringLiteral("\r\n\r\n") +
                        QString::fromStdString(f.Game().GameScript()) + QStringLiteral("\r\n"));
}

// Guards the board's picture on the clipboard: the flat picture when the view has no
// frame to give, showing the pieces in place.
TEST(Clipboard, BoardPicture) {
    WindowFixture f;
    f.EndIntro();
    PlayTenPlacements(f);
    QGuiApplication::clipboard()->clear();
    Copy_imageClick(*f.window);
    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_EQ(picture, FlatBoardPicture(f.Game(), 640, 480).convertToFormat(picture.format()));
}

} // namespace
