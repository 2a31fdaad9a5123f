#pragma once
// The assistant: the one place that turns codes and game states into what the user reads,
// the status text of the first panel, the computer's dice result and the error boxes.
#include "game/Messages.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QWidget;

namespace vantorel {

class TPlateau;

class TAssistant {
public:
    // Shows one message with an OK button; a message box unless a test gives another.
    using MessageSink = std::function<void(const QString& text)>;

    TAssistant(QLabel& statusPanel, QWidget* window, MessageSink showMessage = {});

    // The status text of the game, written only when it changed or the panel was cleared.
    void RefreshStatus(const TPlateau& game, const TStatusFacts& facts);
    // The computer's roll ("on" 1), or an empty text; shown at once, before the pause.
    void ShowDiceResult(const TPlateau& game, int on);
    // A waiting message, or nothing at all with an empty template; the next refresh
    // replaces it.
    void ShowStatusText(const QString& templ, const QString& argument = {});
    void Beep();
    // The catalogue's message for `code`, in a box, in the player's language; a detail that
    // is a catalogue text is translated too.
    void ReportError(int code, const std::optional<std::string>& detail = std::nullopt);

    QString ErrorText;
    TStatusPanelRule PanelRule;

private:
    void WriteStatus(const TText& text);
    void Show(int code, const std::optional<QString>& detail);

    QLabel& panel_;
    QWidget* window_;
    MessageSink showMessage_;
};

} // namespace vantorel
