#include "PrintAndCopy.h"

#include "Sdimain.h"
#include "i18n/Translate.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>

namespace vantorel {

namespace {

// The view's last frame; without a GL context (no display) the flat picture stands in.
QImage BoardPicture(TMainWindow& window) {
    if (window.GLSceneViewer1) {
        QImage picture = window.GLSceneViewer1->Snapshot();
        if (!picture.isNull()) return picture;
    }
    return FlatBoardPicture(*window.Game, 640, 480);
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TPrintReport PrintScreen(TMainWindow& window, const TPrintDialogFn& dialog) {
    TPlateau& game = *window.Game;
    if (game.ClickState == kClickStopDice) game.Click(-1, kNoColour, -1);
    if (window.CurrentView) window.CurrentView->StopAnimation();
    const int8_t savedStatus = game.GameStatus;
    game.GameStatus = kPrinting;
    window.setEnabled(false);

    TPrintReport report;
    try {
        QPrinter printer(QPrinter::HighResolution);
        const bool confirmed = dialog ? dialog(printer, &window) : RunPrintDialog(printer, &window);
        if (confirmed) {
            WaitCursor wait;
            if (window.CurrentView) window.CurrentView->ShowNumbers(false);
            const QString name = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                    : printer.outputFileName();
            window.Assistant->ShowStatusText(
                QCoreApplication::translate(
                    "TMainWindow", "Impression en cours sur %s. Patientez quelques secondes..."),
                name);
            printer.setDocName(PrintJobTitle(game, QDateTime::currentDateTime()));
            TPrintHooks hooks;
            hooks.ShowEntry = [&window](int) {
                if (window.CurrentView) window.CurrentView->Refresh();
                if (window.GLSceneViewer1) window.GLSceneViewer1->repaint();
                QCoreApplication::processEvents();
            };
            hooks.Snapshot = [&window] {
                if (window.GLSceneViewer1) window.GLSceneViewer1->repaint();
                QCoreApplication::processEvents();
                return BoardPicture(window);
            };
            hooks.Wait = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
            report = PrintGameRows(printer, game, hooks);
        }
    } catch (const std::exception& error) {
        window.Assistant->ReportError(7, error.what());
    }
    window.setEnabled(true);
    if (window.CurrentView) window.CurrentView->ShowNumbers(window.NumbersShown);
    game.GameStatus = savedStatus;
    game.MarkMoveHints(game.SideToMove);
    return report;
}

void Copy_imageClick(TMainWindow& window) {
    WaitCursor wait;
    const QImage picture = BoardPicture(window);
    if (!picture.isNull()) QGuiApplication::clipboard()->setImage(picture);
}

QString ScriptForClipboard(const TPlateau& game, const QDateTime& when) {
    return QLocale().toString(when, QLocale::ShortFormat) + QStringLiteral("\r\n\r\n") +
           QString::fromStdString(game.GameScript(WindowRenderer())) + QStringLiteral("\r\n");
}

void Copy_scriptClick(TMainWindow& window) {
    QGuiApplication::clipboard()->setText(
        ScriptForClipboard(*window.Game, QDateTime::currentDateTime()));
}

} // namespace vantorel
