#include "StatusPanels.h"

#include "PlayerNames.h"

#include "game/Messages.h"
#include "game/TPlateau.h"
#include "i18n/Language.h"
#include "i18n/Translate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QStatusTipEvent>

#include <algorithm>
#include <map>

namespace vantorel {

namespace {

// The names a status text may carry at the start of a game.
std::vector<std::string> StartingNames() {
    std::vector<std::string> names = {texts::kDefaultWhiteName, texts::kDefaultBlackName, "Joueur",
                                      "Ordinateur"};
    // The names the window gives the players of a new game, in either language.
    for (const char* given :
         {"Joueur", "Ordinateur", "Joueur 1", "Joueur 2", "Ordinateur 1", "Ordinateur 2"})
        names.push_back(QCoreApplication::translate("vantorel::TMainWindow", given).toStdString());
    for (const QString& name : TPlayerNames::DefaultNames())
        names.push_back(name.toStdString());
    return names;
}

std::vector<TText> WalkStatusCatalogue();

// Room around a label's text: its frame and the few pixels a style keeps free inside.
constexpr int kTextPadding = 8;

} // namespace

std::vector<TText> StatusCatalogueTexts() {
    // Walked once for each language: the names a game starts with are the language's.
    static std::map<QString, std::vector<TText>> catalogues;
    auto [at, walk] = catalogues.try_emplace(InstalledLanguage());
    if (walk) at->second = WalkStatusCatalogue();
    return at->second;
}

namespace {

std::vector<TText> WalkStatusCatalogue() {
    TPlateau game(0, false, nullptr);
    for (int die = 1; die <= 3; ++die)
        game.Dice[static_cast<size_t>(die)].Value = 6;
    game.MoveCount = 999;
    // Told apart by their French rendering: one entry per text a player may read.
    std::map<std::string, TText> found;
    const auto insert = [&found](TText text) {
        std::string french = text.French();
        if (!french.empty()) found.emplace(std::move(french), std::move(text));
    };
    TStatusFacts facts;
    for (int theme : {0, 255}) {
        facts.ThemeId = theme;
        insert(StatusMessage(game, facts));
    }
    facts.ThemeId = 1;
    // The move being shown: a capture, a placement, a removal after a triple.
    const TMove shown[] = {{23, 22, 21}, {-1, 22, -1}, {-1, -1, 21}, {-1, -1, -1}};
    for (const TMove& move : shown)
        for (int state = kClickDestination; state <= kClickComputerDice; ++state)
            for (int side = 0; side < 2; ++side)
                for (bool dice : {false, true}) {
                    game.Engine->LastMove = move;
                    game.ClickState = static_cast<int8_t>(state);
                    game.SideToMove = static_cast<int8_t>(side);
                    facts.Animating = true;
                    facts.DiceShown = dice;
                    facts.DiceSide = side;
                    insert(StatusMessage(game, facts));
                }
    facts.Animating = false;
    for (const std::string& name : StartingNames())
        for (int type = kHumanVsComputer; type <= kNetworkCaller; ++type)
            for (int status : {0, 1, 2, 3, 4, 5, 10, 11, 12, 99})
                for (int state = 0; state <= kClickComputerDice; ++state)
                    for (int side = 0; side < 2; ++side)
                        for (uint8_t kind = TPlayerRec::Human; kind <= TPlayerRec::Server; ++kind)
                            for (bool dice : {false, true}) {
                                game.GameType = static_cast<int8_t>(type);
                                game.GameStatus = static_cast<int8_t>(status);
                                game.ClickState = static_cast<int8_t>(state);
                                game.SideToMove = static_cast<int8_t>(side);
                                game.Players[static_cast<size_t>(side)].Name = name;
                                game.Players[static_cast<size_t>(side)].Kind = kind;
                                facts.DiceShown = dice;
                                insert(StatusMessage(game, facts));
                            }
    insert(DiceResultMessage(game, 1));
    std::vector<TText> texts;
    for (auto& [french, text] : found)
        texts.push_back(std::move(text));
    return texts;
}

} // namespace

std::vector<TText> MoveLineSamples() {
    TPlateau game(0, false, nullptr);
    std::vector<TText> lines;
    for (int side = 0; side < 2; ++side)
        for (bool dice : {false, true}) {
            THistoryEntry entry;
            entry.Side = static_cast<int8_t>(side);
            entry.Move = {23, 22, 21};
            entry.ElapsedMs = ((23 * 60 + 59) * 60 + 59) * 1000;
            if (dice) {
                entry.DiceValues = {6, 6, 6};
                entry.RemovedPoint = -1;
            }
            lines.push_back(TText::Join({TText::Data("999. "), game.EntryMessage(entry)}));
        }
    return lines;
}

TStatusTextWidths StatusTextWidths(const QFontMetrics& metrics) {
    TStatusTextWidths widths;
    for (const TText& text : StatusCatalogueTexts())
        widths.Status = std::max(widths.Status, metrics.horizontalAdvance(TrText(text)));
    for (const TText& line : MoveLineSamples())
        widths.Moves = std::max(widths.Moves, metrics.horizontalAdvance(TrText(line)));
    return widths;
}

TStatusPanels::TStatusPanels(QWidget* parent) : QWidget(parent) {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setSpacing(2);
    for (size_t k = 0; k < panels_.size(); ++k) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        // The width is the layout's to give: a long text never pushes the window wider.
        label->setMinimumWidth(0);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        panels_[k] = label;
    }
    Measure();
    Arrange(width());
}

void TStatusPanels::Measure() {
    widths_ = StatusTextWidths(panels_[0]->fontMetrics());
    frame_ = 2 * panels_[0]->frameWidth() + 2 * panels_[0]->margin() + kTextPadding;
    arranged_ = false;
}

int TStatusPanels::OneLineWidth() const {
    return widths_.Status + 2 * widths_.Moves + 3 * frame_ + 2 * grid_->horizontalSpacing();
}

void TStatusPanels::Arrange(int width) {
    const bool twoLines = width < OneLineWidth();
    if (arranged_ && twoLines == twoLines_) return;
    arranged_ = true;
    twoLines_ = twoLines;
    for (QLabel* label : panels_)
        grid_->removeWidget(label);
    for (int column = 0; column < 3; ++column)
        grid_->setColumnStretch(column, 0);
    if (twoLines) {
        // The first panel over the whole width, the two move panels sharing the line below.
        grid_->addWidget(panels_[0], 0, 0, 1, 2);
        grid_->addWidget(panels_[1], 1, 0);
        grid_->addWidget(panels_[2], 1, 1);
        grid_->setColumnStretch(0, 1);
        grid_->setColumnStretch(1, 1);
        panels_[1]->setMinimumWidth(0);
        panels_[2]->setMinimumWidth(0);
    } else {
        grid_->addWidget(panels_[0], 0, 0);
        grid_->addWidget(panels_[1], 0, 1);
        grid_->addWidget(panels_[2], 0, 2);
        grid_->setColumnStretch(0, 1);
        panels_[1]->setMinimumWidth(widths_.Moves + frame_);
        panels_[2]->setMinimumWidth(widths_.Moves + frame_);
    }
}

void TStatusPanels::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange(width());
}

void TStatusPanels::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Another font, or another language: every text has another width.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) {
        Measure();
        Arrange(width());
    }
}

TStatusHints::TStatusHints(QWidget& window, QLabel& panel) : QObject(&window), panel_(panel) {
    window.installEventFilter(this);
}

bool TStatusHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::StatusTip) return QObject::eventFilter(watched, event);
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (!tip.isEmpty()) {
        if (!showing_) saved_ = panel_.text();
        showing_ = true;
        shown_ = tip;
        panel_.setText(tip);
    } else if (showing_) {
        showing_ = false;
        // The game may have written its own text over the hint: that one stays.
        if (panel_.text() == shown_) panel_.setText(saved_);
    }
    // Handled: the status bar's own message would hide the three panels.
    return true;
}

} // namespace vantorel
