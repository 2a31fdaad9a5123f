#include "Messages.h"

#include "TPlateau.h"

namespace vantorel {
namespace {

constexpr const char* kLoading =
    VANTOREL_TEXT("Catalogue", "Chargement du programme... Veuillez patienter.");
constexpr const char* kPleaseWait = VANTOREL_TEXT("Catalogue", "Veuillez patienter...");
constexpr const char* kRolling =
    VANTOREL_TEXT("Catalogue", "Lancement des dés %s en cours... Veuillez patienter");
constexpr const char* kDiceToContinue = VANTOREL_TEXT(
    "Catalogue", "Résultat des dés : %d-%d-%d. Cliquez sur le plateau pour continuer...");
constexpr const char* kDiceWait =
    VANTOREL_TEXT("Catalogue", "Résultat des dés : %d-%d-%d. Patientez...");
constexpr const char* kWaitingDice = VANTOREL_TEXT("Catalogue", "Attente du lancemente de dés...");
constexpr const char* kBlackPlay = VANTOREL_TEXT("Catalogue", "Les noirs jouent : ");
constexpr const char* kWhitePlay = VANTOREL_TEXT("Catalogue", "Les blancs jouent : ");
constexpr const char* kWhiteWins =
    VANTOREL_TEXT("Catalogue", "Partie terminée. Victoire des blancs");
constexpr const char* kBlackWins =
    VANTOREL_TEXT("Catalogue", "Partie terminée. Victoire des noirs");
constexpr const char* kDrawn = VANTOREL_TEXT("Catalogue", "Partie terminée. match null");
constexpr const char* kClickToStart =
    VANTOREL_TEXT("Catalogue", "Cliquez sur une case pour commencer la partie.");
constexpr const char* kYouPlace = VANTOREL_TEXT("Catalogue", "C'est à vous de placer un jeton.");
constexpr const char* kSelectToMove =
    VANTOREL_TEXT("Catalogue", "Sélectionnez un pion à déplacer.");
constexpr const char* kSelectToTake = VANTOREL_TEXT("Catalogue", "Sélectionnez un pion à prendre.");
constexpr const char* kThinking =
    VANTOREL_TEXT("Catalogue", "L'ordinateur réfléchit au prochain coup...");
constexpr const char* kTheirPlacement =
    VANTOREL_TEXT("Catalogue", "C'est à %s (%s) de placer un jeton.");
constexpr const char* kTheirMove =
    VANTOREL_TEXT("Catalogue", "C'est à %s (%s) de sélectionner un jeton à déplacer.");
constexpr const char* kPressToStart = VANTOREL_TEXT(
    "Catalogue", "Appuyez sur une touche ou cliquez sur la jeu avec la souris pour lancer le jeu");
constexpr const char* kBlackSide = VANTOREL_TEXT("Catalogue", "Noirs");
constexpr const char* kWhiteSide = VANTOREL_TEXT("Catalogue", "Blancs");
constexpr const char* kRemote = VANTOREL_TEXT("Catalogue", "-Distant");
constexpr const char* kLocal = VANTOREL_TEXT("Catalogue", "-Local");

TText ThreeDice(const char* templ, const TPlateau& game) {
    return {templ,
            {TText::Data(std::to_string(game.Dice[1].Value)),
             TText::Data(std::to_string(game.Dice[2].Value)),
             TText::Data(std::to_string(game.Dice[3].Value))}};
}

// Where the player to move sits in a network game: "-Distant" or "-Local".
const char* NetworkSuffix(const TPlateau& game) {
    const int kind = game.Players[game.SideToMove & 1].Kind;
    if (game.GameType == kNetworkServer) {
        if (kind == TPlayerRec::Caller) return kRemote;
        if (kind == TPlayerRec::Server) return kLocal;
    } else if (game.GameType == kNetworkCaller) {
        if (kind == TPlayerRec::Server) return kRemote;
        if (kind == TPlayerRec::Caller) return kLocal;
    }
    return nullptr;
}

// A side's word, with where its player sits in a network game.
TText SideWord(const TPlateau& game, const char* word, bool withSuffix) {
    const char* suffix = withSuffix ? NetworkSuffix(game) : nullptr;
    if (!suffix) return word;
    return TText::Join({word, suffix});
}

TText RollingText(const TPlateau& game, bool withSuffix) {
    const char* side = game.SideToMove == kBlack ? texts::kBlack : texts::kWhite;
    return {kRolling, {SideWord(game, side, withSuffix)}};
}

TText DiceText(const TPlateau& game, const TStatusFacts& facts, bool withSuffix) {
    if (facts.DiceShown) return RollingText(game, withSuffix);
    return ThreeDice(kDiceToContinue, game);
}

TText AnimationText(const TPlateau& game, const TStatusFacts& facts) {
    const int8_t state = game.ClickState;
    if ((state == kClickRollDice || state == kClickStopDice) && facts.DiceShown) {
        if (state == kClickRollDice) return kWaitingDice;
        return RollingText(game, false);
    }
    const char* mover = facts.DiceSide == 1 ? kBlackPlay : kWhitePlay;
    const char* other = facts.DiceSide == 1 ? kWhitePlay : kBlackPlay;
    std::vector<TText> pieces = {TText::Data(std::to_string(game.MoveCount) + " : "), mover};
    std::string move;
    const TMove last = game.Engine->LastMove;
    const auto& d = game.Dice;
    if (last.To < 0 && d[1].Value > 0 && d[2].Value > 0 && d[3].Value > 0) {
        if (last.Capture >= -1) pieces = {other};
        move = "(" + std::to_string(d[1].Value) + "-" + std::to_string(d[2].Value) + "-" +
               std::to_string(d[3].Value) + ")";
    } else if (last.To >= 0) {
        move = last.From < 0 ? "_" : std::to_string(last.From + 1);
        move += " -> " + std::to_string(last.To + 1);
    }
    if (last.Capture >= -1)
        move += last.Capture == -1 ? " x _" : " x " + std::to_string(last.Capture + 1);
    pieces.push_back(TText::Data(move));
    return TText::Join(std::move(pieces));
}

} // namespace

const char* ErrorTemplate(int code) {
    switch (code) {
    case 1:
        return VANTOREL_TEXT("Catalogue", "Enregistrement impossible ! %s");
    case 2:
        return VANTOREL_TEXT("Catalogue", "Impossible d'ouvrir la boite de dialogue. %s");
    case 3:
        return VANTOREL_TEXT("Catalogue", "Erreur de CRC !");
    case 4:
        return VANTOREL_TEXT("Catalogue", "Impossible d'ouvrir le fichier. %s");
    case 5:
        return VANTOREL_TEXT("Catalogue", "Erreur dans le format du fichier. Modele incompatible.");
    case 6:
        return VANTOREL_TEXT("Catalogue", "Erreur dans le format du fichier.");
    case 7:
        return VANTOREL_TEXT("Catalogue", "Problème d'impression : %s");
    case 8:
        return VANTOREL_TEXT("Catalogue", "Action interdite. %s");
    default:
        return VANTOREL_TEXT("Catalogue", "Erreur inconnue %s");
    }
}

TText ErrorText(int code, const std::optional<TText>& detail) {
    if (!detail) return ErrorTemplate(code);
    return {ErrorTemplate(code), {*detail}};
}

std::string ErrorMessage(int code, const std::optional<std::string>& detail) {
    if (!detail) return ErrorText(code).French();
    return ErrorText(code, TText::Data(*detail)).French();
}

TText StatusMessage(const TPlateau& game, const TStatusFacts& facts) {
    if (facts.ThemeId == 0) return kLoading;
    if (facts.ThemeId < 0 || facts.ThemeId == 255 || !facts.HasView) return kPleaseWait;
    if (facts.Animating) return AnimationText(game, facts);

    const int type = game.GameType;
    const int status = game.GameStatus;
    const int state = game.ClickState;
    if (type >= kHumanVsComputer && type <= kNetworkCaller) {
        switch (status) {
        case kWhiteWon:
            return kWhiteWins;
        case kBlackWon:
            return kBlackWins;
        case kDraw:
            return kDrawn;
        case 99:
            return kPleaseWait;
        default:
            break;
        }
    }
    if (type == kHumanVsComputer) {
        if (status == kWaiting) {
            if (state == kClickRollDice) return kWaitingDice;
            if (state == kClickStopDice) return DiceText(game, facts, false);
            return kClickToStart;
        }
        if (status == kHumanToAct) {
            switch (state) {
            case kClickDestination:
                return kYouPlace;
            case kClickSelect:
                return kSelectToMove;
            case kClickCapture:
            case kClickDiceRemoval:
                return kSelectToTake;
            case kClickRollDice:
                return kWaitingDice;
            case kClickStopDice:
                return DiceText(game, facts, false);
            default:
                return {};
            }
        }
        if (status == kComputerToAct) {
            if (state == kClickComputerDice) return ThreeDice(kDiceWait, game);
            return kThinking;
        }
        return {};
    }
    if ((type == kHumanVsHuman || type == kNetworkServer || type == kNetworkCaller) &&
        (status == kWaiting || status == kHumanToAct)) {
        const bool network = type != kHumanVsHuman;
        const TText colour =
            SideWord(game, game.SideToMove == kBlack ? kBlackSide : kWhiteSide, network);
        const TText name = TText::Data(game.Players[game.SideToMove & 1].Name);
        switch (state) {
        case kClickDestination:
            return {kTheirPlacement, {name, colour}};
        case kClickSelect:
            return {kTheirMove, {name, colour}};
        case kClickCapture:
        case kClickDiceRemoval:
            return kSelectToTake;
        case kClickRollDice:
            return kWaitingDice;
        case kClickStopDice:
            return DiceText(game, facts, network);
        default:
            return {};
        }
    }
    if (type == kComputerVsComputer && status == kWaiting) return kPressToStart;
    return {};
}

std::string StatusText(const TPlateau& game, const TStatusFacts& facts) {
    return StatusMessage(game, facts).French();
}

TText DiceResultMessage(const TPlateau& game, int on) {
    if (on != 1) return {};
    return ThreeDice(kDiceWait, game);
}

std::string DiceResultText(const TPlateau& game, int on) {
    return DiceResultMessage(game, on).French();
}

} // namespace vantorel
