#include "TGamePrinter.h"

#include "DiagramPainter.h"
#include "game/Diagram.h"
#include "game/TPrintLayout.h"
#include "i18n/Translate.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace vantorel {

namespace {

QRect ToRect(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

// Text placed by its top-left corner, as the page's geometry counts it.
void TextOut(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

} // namespace

QString PrintJobTitle(const TPlateau& game, const QDateTime& when) {
    return QStringLiteral("Vantorel :") + QString::fromStdString(game.Title).trimmed() +
           QStringLiteral(" / ") + QString::fromStdString(game.Model.Name).trimmed() +
           QStringLiteral(" / ") + QLocale().toString(when, QLocale::ShortFormat);
}

namespace {

// The schematic of the game's live position, in black and white whatever the palette.
void PaintLiveDiagram(QPainter& painter, const TPlateau& game, int left, int size, int top) {
    const std::string board = game.Engine ? game.Engine->LiveBoard : std::string();
    PaintDiagram(painter, DrawDiagram(game.Model, board, left, size, top), QPalette());
}

} // namespace

QImage FlatBoardPicture(const TPlateau& game, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(0x23, 0x23, 0x8E)); // the flat board's navy
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width, height) * 9 / 10;
    PaintLiveDiagram(painter, game, (width - side) / 2, side, (height - side) / 2);
    return picture;
}

TPrintReport PrintGameRows(QPrinter& printer, TPlateau& game, const TPrintHooks& hooks) {
    TPrintReport report;
    const TPrintLayout layout(printer.width(), printer.height());
    report.RowsPerPage = layout.RowsPerPage;
    if (layout.RowsPerPage < 1) return report;

    const auto aborted = [&printer] { return printer.printerState() == QPrinter::Aborted; };
    const auto wait = [&hooks](int ms) {
        if (hooks.Wait) hooks.Wait(ms);
    };
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(
            QCoreApplication::translate("TGamePrinter", "l'imprimante refuse le document")
                .toStdString());
    report.Pages = 1;
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    TPrintRect rect = layout.Row(1);
    if (!aborted()) {
        painter.setPen(Qt::black);
        TextOut(painter, (rect.Left + rect.Right) / 2, 250, QStringLiteral("Vantorel"));
    }

    int row = 0;
    for (int i = 0; i < static_cast<int>(game.History.size()) &&
                    !game.History[static_cast<size_t>(i)].Empty() && !aborted();
         ++i) {
        game.GoToEntry(i);
        if (hooks.ShowEntry) hooks.ShowEntry(i);
        wait(10);
        if (row == layout.RowsPerPage) {
            if (!aborted()) {
                printer.newPage();
                ++report.Pages;
            }
            row = 0;
        }
        ++row;
        rect = layout.Row(row);
        if (!aborted()) {
            PaintLiveDiagram(painter, game, rect.Left + TPrintLayout::kDiagramOffset,
                             TPrintLayout::kDiagramSize, rect.Top + 20);
            painter.setPen(Qt::black);
            painter.setBrush(Qt::white);
            TextOut(painter, rect.Left + 10, rect.Top + 250 - 20, QString::number(i));
            TextOut(painter, rect.Left + TPrintLayout::kTextOffset, rect.Top + 250 - 40,
                    TrText(game.EntryMessage(game.History[static_cast<size_t>(i)])));
            ++report.Rows;
        }
        const QImage picture = hooks.Snapshot ? hooks.Snapshot() : QImage();
        if (!picture.isNull()) {
            const TPrintRect place = layout.Snapshot(rect, picture.width(), picture.height());
            if (!aborted() && layout.SnapshotFits(place)) {
                painter.drawImage(ToRect(place.Left, place.Top, place.Right, place.Bottom),
                                  picture);
                ++report.Snapshots;
            }
        } else {
            const TPrintRect place = layout.SnapshotStandIn(rect);
            if (!aborted() && layout.SnapshotFits(place)) {
                painter.drawRoundedRect(ToRect(place.Left, place.Top, place.Right, place.Bottom),
                                        10, 10);
                ++report.StandIns;
            }
        }
        wait(10);
    }
    painter.end();
    return report;
}

} // namespace vantorel
