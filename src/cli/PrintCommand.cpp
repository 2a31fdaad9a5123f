// print FILE.Vtl --pdf OUT.pdf [--page a4|letter] [--dpi N]: a saved game printed to a PDF
// file as the window prints it, with a flat picture of the board in place of the view's.
#include "CliSupport.h"
#include "Commands.h"

#include "engine/TValueStream.h"
#include "game/Messages.h"
#include "game/TPlateau.h"
#include "ui/TGamePrinter.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>

#include <fstream>
#include <iostream>

namespace vantorel::cli {

int PrintCommand(int argc, char** argv) {
    if (argc < 3 || argv[2][0] == '-') throw UsageError("usage: print FILE --pdf OUT.pdf");
    const Args args(argc, argv, 3, {});
    const std::string output = args.Text("pdf");
    const std::string page = args.Text("page", "a4");
    if (page != "a4" && page != "letter") throw UsageError("--page: a4 or letter");
    // 1200 is what a printer in high resolution gives; lower ones make larger rows.
    const int dpi = static_cast<int>(args.Integer("dpi", 10, 2400, 1200));

    TPlateau game(1, true, nullptr, {}, [] {});
    LoadSavedGame(argv[2], game);

    // Fonts and pictures need a GUI application; no display is needed for a file.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(output.c_str()));
    printer.setPageSize(QPageSize(page == "a4" ? QPageSize::A4 : QPageSize::Letter));
    printer.setFullPage(true);
    printer.setResolution(dpi);
    printer.setDocName(PrintJobTitle(game, QDateTime::currentDateTime()));

    TPrintHooks hooks;
    hooks.Snapshot = [&game] { return FlatBoardPicture(game, 640, 480); };
    TPrintReport report;
    try {
        report = PrintGameRows(printer, game, hooks);
    } catch (const std::exception& e) {
        throw UsageError(ErrorMessage(7, e.what()));
    }
    if (report.RowsPerPage < 1) throw UsageError(ErrorMessage(7, "the page cannot hold one row"));
    std::cout << "{\"pdf\": " << JsonString(output) << ", \"page\": [" << printer.width() << ", "
              << printer.height() << "], \"rows_per_page\": " << report.RowsPerPage
              << ", \"pages\": " << report.Pages << ", \"rows\": " << report.Rows
              << ", \"snapshots\": " << report.Snapshots << "}\n";
    return 0;
}

} // namespace vantorel::cli
