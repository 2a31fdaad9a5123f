#pragma once
// Printing a game: one row per history entry with its number, the schematic board, its
// notation and a picture of the board, ten or more rows a page. The page is drawn here;
// what the board looks like at each entry comes from the caller, so that the window prints
// what its view shows and the command-line tool prints a flat picture of its own.
#include "game/TPlateau.h"

#include <QImage>
#include <QString>

#include <functional>

class QDateTime;
class QPainter;
class QPrinter;

namespace vantorel {

struct TPrintHooks {
    // The game shows entry i: bring the board up to date and draw it once.
    std::function<void(int index)> ShowEntry;
    // The board's picture; a null image when it could not be taken.
    std::function<QImage()> Snapshot;
    // Pauses between entries so that the board catches up; nothing by default.
    std::function<void(int ms)> Wait;
};

struct TPrintReport {
    int RowsPerPage = 0;
    int Pages = 0;     // 0: no document was begun
    int Rows = 0;      // entries printed
    int Snapshots = 0; // pictures drawn
    int StandIns = 0;  // rounded frames drawn for pictures that failed
};

// "Vantorel :" title " / " variant " / " date and time: the job's name in the queue.
QString PrintJobTitle(const TPlateau& game, const QDateTime& when);

// The live position drawn flat, for a printout made without a window.
QImage FlatBoardPicture(const TPlateau& game, int width, int height);

// Prints every recorded entry on `printer`, leaving the game on the last one printed.
// Nothing is begun when the page cannot hold one row. Throws std::runtime_error when the
// printer refuses the document.
TPrintReport PrintGameRows(QPrinter& printer, TPlateau& game, const TPrintHooks& hooks);

} // namespace vantorel
