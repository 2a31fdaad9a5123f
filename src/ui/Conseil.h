#pragma once
// The move-suggestion dialog "Suggérer un coup": the computer's advice on the live position
// with a chosen algorithm, depth and evaluation, drawn as a strip of small boards, and its
// first move played on request. The search runs on a worker thread over a copy of the
// position, so the window answers while it thinks; closing the dialog abandons it.
#include "game/Diagram.h"
#include "game/Suggestion.h"

#include <QDialog>
#include <QElapsedTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QComboBox;
class QPushButton;
class QScrollArea;
class QStatusBar;

namespace vantorel {

class TPlateau;
class THelpRequests;

struct TConseilParts {
    THelpRequests* Help = nullptr;
    std::function<bool()> WhatsThisMode;
    std::function<void(int helpContext)> LeaveWhatsThisFor;
};

// The strip of diagrams, as wide as the line needs.
class TStripImage : public QWidget {
public:
    static constexpr int kWidth = 1800;
    static constexpr int kHeight = 177;
    explicit TStripImage(QWidget* parent);
    void SetDiagram(TDiagram diagram, int steps);
    const TDiagram& Diagram() const { return diagram_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TDiagram diagram_;
};

class TForm_conseil : public QDialog {
    Q_OBJECT
public:
    TForm_conseil(TPlateau& game, TConseilParts parts = {}, QWidget* parent = nullptr);
    ~TForm_conseil() override;

    QComboBox *Cb_algo = nullptr, *CB_niveau = nullptr, *CB_eval = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TStripImage* Image1 = nullptr;
    QPushButton *Btn_calc = nullptr, *BitBtn1 = nullptr, *BitBtn_jouer = nullptr,
                *BitBtn2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // The side to move when the dialog opened, and the last line found.
    int StartSide = 0;
    TSearchLine Line = TSearchLine::WithScore(-1);
    int Steps = 0;

    void Btn_calcClick();
    void BitBtn_jouerClick();
    void BitBtn2Click();
    bool Searching() const { return worker_.joinable() && !delivered_; }
    // The request Calculer would send now.
    TSuggestionRequest CurrentRequest() const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

signals:
    // A search finished and its line is drawn.
    void SuggestionShown();

private:
    void BuildForm();
    void DrawLine();
    void Deliver(const TSuggestionResult& result);
    void StopWorker();
    void SetHelpContext(QWidget* widget, int context);

    TPlateau& game_;
    TConseilParts parts_;
    std::thread worker_;
    std::shared_ptr<std::atomic<int>> stop_;
    bool delivered_ = true;
    QElapsedTimer elapsed_;
};

} // namespace vantorel
