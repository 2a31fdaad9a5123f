#include "SdimainDialogs.h"

#include "Sdimain.h"
#include "THeldClock.h"

#include <exception>

namespace vantorel {

namespace {

std::function<void(int)> LeaveWhatsThis(TMainWindow& window) {
    return [&window](int context) {
        window.SetWhatsThisMode(false);
        if (window.Help && context > 0) window.Help->ShowContextPopup(context);
    };
}

} // namespace

TChooserParts ChooserPartsFor(TMainWindow& window) {
    TChooserParts parts;
    parts.Library = [&window] { return window.Library.get(); };
    parts.LiveModel = [&window] { return &window.Game->Model; };
    parts.Help = window.Help.get();
    parts.WhatsThisMode = [&window] { return window.WhatsThisMode; };
    parts.LeaveWhatsThisFor = LeaveWhatsThis(window);
    return parts;
}

TConseilParts ConseilPartsFor(TMainWindow& window) {
    TConseilParts parts;
    parts.Help = window.Help.get();
    parts.WhatsThisMode = [&window] { return window.WhatsThisMode; };
    parts.LeaveWhatsThisFor = LeaveWhatsThis(window);
    return parts;
}

bool PlayChosenVariant(TMainWindow& window, const Tmodele& chosen) {
    if (chosen.SameAs(window.Game->Model)) return false;
    const int theme = window.SignedThemeId() > 0 ? window.ThemeId : 1;
    window.Horloge.stop();
    if (window.CurrentView) window.CurrentView->StopAnimation();
    window.ThemeId = TMainWindow::kNoTheme;
    window.Game->Model.Assign(chosen);
    window.Game->NewGame();
    window.RebuildView(theme);
    window.RefreshStopButton();
    window.RefreshOpponentMenu();
    window.RefreshView();
    return true;
}

void OpenVariantChooser(TMainWindow& window) {
    if (window.CurrentView) window.CurrentView->StopAnimation();
    // The computer does not think under the chooser: its previews would stand still.
    const THeldClock held(window.Horloge);
    try {
        Tchoix_jeux chooser(ChooserPartsFor(window), &window);
        if (std::optional<Tmodele> chosen = chooser.ChooseVariant(1, &window))
            PlayChosenVariant(window, *chosen);
    } catch (const std::exception& error) {
        window.Assistant->ReportError(2, error.what());
    }
}

void OpenSuggestionDialog(TMainWindow& window, const std::function<void(TForm_conseil&)>& run) {
    if (window.CurrentView) window.CurrentView->StopAnimation();
    window.Horloge.stop();
    const uint8_t theme = window.ThemeId;
    window.ThemeId = TMainWindow::kNoTheme;
    try {
        TForm_conseil dialog(*window.Game, ConseilPartsFor(window), &window);
        if (run)
            run(dialog);
        else
            dialog.exec();
    } catch (const std::exception& error) {
        window.Assistant->ReportError(2, error.what());
    }
    window.ThemeId = theme;
    window.Horloge.start();
    window.RefreshCommandStates();
    window.RefreshView();
}

} // namespace vantorel
