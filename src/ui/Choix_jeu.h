#pragma once
// The variant chooser "Choix d'un jeu de Quelmars": every variant of the library in a list
// where each one plays itself in miniature, the chosen one's rules beside it. It serves the
// main window's "Nouveau jeu..." (purpose 1) and the board editor's two commands (purposes 2
// and 3) through the editor's TVariantChooser.
#include "editor/form/DefModele.h"
#include "game/TPlateau.h"

#include <QDialog>
#include <QStyledItemDelegate>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vantorel {

class TFileModele;
class THelpRequests;

// What the chooser takes from the main window; all of it may be left empty in tests.
struct TChooserParts {
    // The library to list; none (or a missing file) lists the two built-in boards.
    std::function<TFileModele*()> Library;
    // The variant in play, selected when the list holds it.
    std::function<const Tmodele*()> LiveModel;
    THelpRequests* Help = nullptr;
    // The main window's what's-this mode: a click on a control then shows its help.
    std::function<bool()> WhatsThisMode;
    std::function<void(int helpContext)> LeaveWhatsThisFor;
};

// One variant of the list and the game that animates its miniature; the game is dropped
// when the variant cannot be played or its animation failed.
struct TPreview {
    Tmodele Variant;
    std::unique_ptr<TPlateau> Game;
    QRect LastRect;
};

class Tchoix_jeux : public QDialog, public editor::TVariantChooser {
    Q_OBJECT
public:
    static constexpr int kTickMs = 500;
    static constexpr int kItemHeight = 50;
    // A preview that runs this long without an end starts again, so that a drawn game does
    // not stand still in the list.
    static constexpr int kPreviewMoveLimit = 200;

    explicit Tchoix_jeux(TChooserParts parts = {}, QWidget* parent = nullptr);
    ~Tchoix_jeux() override;

    // Lists the library afresh for `purpose` (1 play, 2 create from, 3 open a variant).
    void Load(int purpose);
    // editor::TVariantChooser, and the main window's entry: the chosen variant when the
    // dialog was confirmed.
    std::optional<Tmodele> ChooseVariant(int purpose, QWidget* parent) override;

    // Entry 0 is a spare that is never shown; entry i is list item i − 1.
    std::vector<TPreview> Previews;
    int Purpose = 1;
    bool Busy = true;

    QListWidget* Liste_jeux = nullptr;
    QPushButton *BitBtn1 = nullptr, *Btn_CANCEL = nullptr, *BitBtn2 = nullptr;
    QPlainTextEdit* Memo_desc = nullptr;
    QWidget* Panel1 = nullptr;
    QComboBox *Sauts = nullptr, *Prise = nullptr, *Des = nullptr;
    QLineEdit *Nom = nullptr, *cases = nullptr, *Moulins = nullptr, *Pions = nullptr;
    QCheckBox* CB_prise1 = nullptr;
    QTimer Horloge;

    // The entry of the selected item, or none.
    const TPreview* Selected() const;
    void ShowProperties();
    // One preview move: an entry drawn at random, or `entry` when given.
    void HorlogeTimer(int entry = -1);
    void BitBtn1Click();
    void BitBtn2Click();

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildForm();
    void AddEntry(const Tmodele& variant);
    void SetHelpContext(QWidget* widget, int context);

    TChooserParts parts_;
    std::optional<Tmodele> chosen_;
};

// Draws a list item as its miniature and its name.
class TPreviewDelegate : public QStyledItemDelegate {
public:
    TPreviewDelegate(Tchoix_jeux& chooser) : QStyledItemDelegate(&chooser), chooser_(chooser) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {250, Tchoix_jeux::kItemHeight};
    }

private:
    Tchoix_jeux& chooser_;
};

} // namespace vantorel
