#include "Assist.h"

#include "game/TPlateau.h"
#include "i18n/Translate.h"

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

void TAssistant::WriteStatus(const TText& text) {
    const QString shown = TrText(text);
    if (!PanelRule.ShouldWrite(shown.toStdString(), panel_.text().toStdString())) return;
    panel_.setText(shown);
}

void TAssistant::RefreshStatus(const TPlateau& game, const TStatusFacts& facts) {
    WriteStatus(StatusMessage(game, facts));
}

void TAssistant::ShowDiceResult(const TPlateau& game, int on) {
    WriteStatus(DiceResultMessage(game, on));
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
    Show(code, detail ? std::optional<QString>(TrMessage(*detail)) : std::nullopt);
}

void TAssistant::Show(int code, const std::optional<QString>& detail) {
    const QString templ = TrText(ErrorTemplate(code));
    ErrorText =
        detail ? QString::fromStdString(FillTemplate(templ.toStdString(), {detail->toStdString()}))
               : templ;
    try {
        showMessage_(ErrorText);
    } catch (...) {
        // Called from error handlers: a failing box must not raise a second error.
    }
}

} // namespace vantorel
