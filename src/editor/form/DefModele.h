#pragma once
// The board editor's form "Définition d'un modèle": two pages over one TDrawing, the tools
// of the first page, the mills of the second, and the menu that stores the board in a file
// or in the library and gives it to the live game. Everything the form does to the board
// is an operation of TDrawing; the form paints it and asks the questions. What it needs of
// the main window is TEditorHost, and of the variant chooser TVariantChooser, so the form
// depends on neither.
#include "editor/TDrawing.h"

#include <QDialog>
#include <QStyledItemDelegate>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace vantorel {
class TFileModele;
}

namespace vantorel::editor {

// What the editor asks of the main window.
class TEditorHost {
public:
    virtual ~TEditorHost() = default;
    // The live game takes the model and starts anew; empty on success, else why not.
    virtual std::string ApplyModel(const Tmodele& model) = 0;
    // The variant library, or nullptr when there is none.
    virtual TFileModele* Library() = 0;
    // The catalogue's message `code` with its detail, in the program's message box.
    virtual void ReportError(int code, const std::string& detail) = 0;
    virtual void ShowHelp(const std::string& keyword) = 0;
};

// What the editor asks of the variant chooser. Purpose 2: a board to start a new one from;
// purpose 3: a library variant to open again. Empty when the user cancelled.
class TVariantChooser {
public:
    virtual ~TVariantChooser() = default;
    virtual std::optional<Tmodele> ChooseVariant(int purpose, QWidget* parent) = 0;
};

enum class TUnsavedAnswer { Yes, No, Cancel };

// What the form takes from outside; whatever is left empty is the real dialog. Tests give
// fakes and never show a box.
struct TFModeleParts {
    std::function<TUnsavedAnswer(const QString& text)> AskUnsaved;
    std::function<bool(const QString& text)> AskYesNo;
    // The chosen path, empty when cancelled.
    std::function<QString(bool save, const QString& suggested)> FileDialog;
    std::function<void(const QString& text)> Inform;
    // The main window's chooser; without one the two commands that need it do nothing.
    std::unique_ptr<TVariantChooser> Chooser;
    // The Kind of a new board; a millisecond count by default.
    std::function<int32_t()> NewKind;
};

// One of the two pictures of the drawing; the mouse goes to the form.
class TDrawingBox : public QWidget {
    Q_OBJECT
public:
    TDrawingBox(const TDrawing& drawing, QWidget* parent);
    QSize sizeHint() const override { return {kDrawingSize + 1, kDrawingSize + 1}; }
    std::function<void(QMouseEvent*)> OnPress, OnMove;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    const TDrawing& drawing_;
};

// A mill entry of the list: a miniature of the board with the mill in red, and its points.
class TMillDelegate : public QStyledItemDelegate {
public:
    TMillDelegate(const TDrawing& drawing, QObject* parent)
        : QStyledItemDelegate(parent), drawing_(drawing) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {200, 50};
    }

private:
    const TDrawing& drawing_;
};

// The entry text of a mill and back: "1;2;3;".
QString MillEntryText(const TMillSlot& mill);
TMillSlot ParseMillEntry(const QString& text);

class TFModele : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kHelpKeyword = "Editeur";

    TFModele(TEditorHost& host, TFModeleParts parts = {}, QWidget* parent = nullptr);
    ~TFModele() override;

    TDrawing Drawing;

    QTabWidget* PageControl1 = nullptr;
    QToolButton *SB_def = nullptr, *SB_plot = nullptr, *SB_sup = nullptr, *SB_relier = nullptr,
                *SB_supliaisons = nullptr, *SB_aligne = nullptr, *SB_renum = nullptr,
                *Sb_centre = nullptr, *SB_inversex = nullptr, *SB_rety = nullptr,
                *Sb_rotate = nullptr, *SB_moulins = nullptr;
    TDrawingBox *PaintBox1 = nullptr, *PaintBox2 = nullptr;
    QLineEdit *Enom = nullptr, *Enbchamps = nullptr, *Enbliaisons = nullptr;
    QSpinBox* Nbpions = nullptr;
    QComboBox *CB_sauts = nullptr, *CB_Prise = nullptr, *CB_Des = nullptr;
    QCheckBox* CB_prise1 = nullptr;
    QPlainTextEdit* Memo_desc = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton *Btn_rech_auto = nullptr, *Btn_del = nullptr;
    QAction *Modelevide = nullptr, *Creerapartirde = nullptr, *Unfichier = nullptr,
            *Unmodelereconnu = nullptr, *Supprimerlemodele = nullptr, *Enregistrer = nullptr,
            *Enregistrersous = nullptr, *Appliquer = nullptr, *Reconnaitre = nullptr,
            *Imprimer = nullptr, *Fermer = nullptr, *Selectionnertout = nullptr,
            *Supprimer = nullptr;

    void Redraw();
    void RefreshMillList();
    // The unsaved-work question: true when the command may go on.
    bool ConfirmDrop();

    void ModelevideClick();
    void CreerapartirdeClick();
    void UnfichierClick();
    void UnmodelereconnuClick();
    void SupprimerlemodeleClick();
    void EnregistrerClick();
    void EnregistrersousClick();
    void AppliquerClick();
    void ReconnaitreClick();
    void ImprimerClick();
    void Btn_rech_autoClick();
    void Btn_delClick();
    // Opens a ".Mdl" file without a dialog; false (and the catalogue's message) when it
    // could not be read.
    bool OpenFile(const QString& path);
    // Writes the board to `path`; `overwrite` false asks before replacing a file.
    bool SaveTo(const QString& path, bool overwrite);

    // The rule controls into the drawing's rules and back.
    void ReadRules();
    void WriteRules();

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void BuildMenu();
    QWidget* BuildFirstPage();
    QWidget* BuildSecondPage();
    QToolButton* AddTool(QWidget* bar, const QString& hint, int glyph, bool checkable);
    void SelectionMode();
    void FirstPage();
    void PageChanged(int page);
    void RefreshCursors();
    void PaintBox1Press(QMouseEvent* e);
    void PaintBox1Move(QMouseEvent* e);
    void PaintBox2Press(QMouseEvent* e);
    void ToolClicked(QToolButton* button);
    void LoadChosen(const Tmodele& model);
    void StartNewBoard();
    void RuleEdited();

    TEditorHost& host_;
    TFModeleParts parts_;
    bool writingRules_ = false;
};

// Paints the grid and the drawing at (0, 0), 480 pixels square.
void PaintDrawing(QPainter& painter, const TDrawing& drawing);

} // namespace vantorel::editor
