#include "SdimainEditor.h"

#include "Sdimain.h"
#include "SdimainDialogs.h"

#include "editor/form/DefModele.h"
#include "engine/Tjeu.h"

#include <QApplication>

#include <exception>

namespace vantorel {
namespace {

class TWindowEditorHost : public QObject, public editor::TEditorHost {
public:
    explicit TWindowEditorHost(TMainWindow& window) : QObject(&window), window_(window) {}

    std::string ApplyModel(const Tmodele& model) override {
        if (model.PointCount() == 0)
            return QObject::tr("Le plateau n'a aucun champ.").toStdString();
        try {
            // The engine's own word on the board, before the live game is touched.
            const Tjeu trial(model);
        } catch (const std::exception& error) {
            return error.what();
        }
        const int theme = window_.SignedThemeId() > 0 ? window_.ThemeId : 1;
        if (window_.CurrentView) window_.CurrentView->StopAnimation();
        window_.ThemeId = TMainWindow::kNoTheme;
        window_.Game->Model.Assign(model);
        window_.Game->NewGame();
        window_.RebuildView(theme);
        window_.RefreshStopButton();
        window_.RefreshOpponentMenu();
        window_.RefreshView();
        return {};
    }
    TFileModele* Library() override { return window_.Library.get(); }
    void ReportError(int code, const std::string& detail) override {
        window_.Assistant->ReportError(code, detail);
    }
    void ShowHelp(const std::string& keyword) override {
        if (window_.Help) window_.Help->ShowTopic(QString::fromStdString(keyword));
    }

private:
    TMainWindow& window_;
};

} // namespace

void OpenBoardEditor(TMainWindow& window) {
    try {
        auto* form = window.findChild<editor::TFModele*>(QStringLiteral("TFModele"));
        if (!form) {
            auto* host = new TWindowEditorHost(window);
            editor::TFModeleParts parts;
            // The editor's "Créer à partir de..." and "Un modele reconnu..." use the chooser.
            parts.Chooser = std::make_unique<Tchoix_jeux>(ChooserPartsFor(window));
            form = new editor::TFModele(*host, std::move(parts), &window);
        }
        form->exec();
    } catch (const std::exception& error) {
        window.Assistant->ReportError(2, error.what());
    }
}

} // namespace vantorel
