#include "Assist.h"

#include "game/TPlateau.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

namespace vantorel {

TAssistant::TAssistant(QLabel& statusPanel, QWidget* window, MessageSink showMessage)
    : panel_(statusPanel), window_(window), showMessage_(std::move(showMessage)) {
    if (!showMessage_)
        showMessage_ = [this](const QString& text) {
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vantorel"), text, QMessageBox::Ok,
                            window_);
            box.exec();
        };
}

void TAssistant::WriteStatus(const std::string& text) {
    if (!PanelRule.ShouldWrite(text, panel_.text().toStdString())) return;
    panel_.setText(QString::fromStdString(text));
}

void TAssistant::RefreshStatus(const TPlateau& game, const TStatusFacts& facts) {
    WriteStatus(StatusText(game, facts));
}

void TAssistant::ShowDiceResult(const TPlateau& game, int on) {
    WriteStatus(DiceResultText(game, on));
    // The controller pauses right after this: the result has to be on screen now.
    if (window_) window_->repaint();
}

void TAssistant::ShowStatusText(const QString& templ, const QString& argument) {
    ErrorText =
        templ.isEmpty() ? QString() : QString(templ).replace(QStringLiteral("%s"), argument);
    panel_.setText(ErrorText);
}

void TAssistant::Beep() {
    QApplication::beep();
}

void TAssistant::ReportError(int code, const std::optional<std::string>& detail) {
    ErrorText = QString::fromStdString(ErrorMessage(code, detail));
    try {
        showMessage_(ErrorText);
    } catch (...) {
        // Called from error handlers: a failing box must not raise a second error.
    }
}

} // namespace vantorel
