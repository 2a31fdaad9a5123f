#include "Messages.h"

#include "TPlateau.h"

#include <cstdio>

namespace vantorel {
namespace {

std::string Format(const char* templ, const std::string& argument) {
    std::string text = templ;
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

std::string ThreeDice(const char* templ, const TPlateau& game) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, templ, game.Dice[1].Value, game.Dice[2].Value,
                  game.Dice[3].Value);
    return buffer;
}

// Where the player to move sits in a network game: "-Distant" or "-Local".
std::string NetworkSuffix(const TPlateau& game) {
    const int kind = game.Players[game.SideToMove & 1].Kind;
    if (game.GameType == kNetworkServer) {
        if (kind == TPlayerRec::Caller) return "-Distant";
        if (kind == TPlayerRec::Server) return "-Local";
    } else if (game.GameType == kNetworkCaller) {
        if (kind == TPlayerRec::Server) return "-Distant";
        if (kind == TPlayerRec::Caller) return "-Local";
    }
    return "";
}

std::string RollingText(const TPlateau& game, bool withSuffix) {
    std::string side = game.SideToMove == kBlack ? "Noir" : "Blanc";
    if (withSuffix) side += NetworkSuffix(game);
    return Format("Lancement des dés %s en cours... Veuillez patienter", side);
}

std::string DiceText(const TPlateau& game, const TStatusFacts& facts, bool withSuffix) {
    if (facts.DiceShown) return RollingText(game, withSuffix);
    return ThreeDice("Résultat des dés : %d-%d-%d. Cliquez sur le plateau pour continuer...", game);
}

std::string AnimationText(const TPlateau& game, const TStatusFacts& facts) {
    const int8_t state = game.ClickState;
    if ((state == kClickRollDice || state == kClickStopDice) && facts.DiceShown) {
        if (state == kClickRollDice) return "Attente du lancemente de dés...";
        return RollingText(game, false);
    }
    const char* mover = facts.DiceSide == 1 ? "Les noirs jouent : " : "Les blancs jouent : ";
    const char* other = facts.DiceSide == 1 ? "Les blancs jouent : " : "Les noirs jouent : ";
    std::string text = std::to_string(game.MoveCount) + " : " + mover;
    const TMove last = game.Engine->LastMove;
    const auto& d = game.Dice;
    if (last.To < 0 && d[1].Value > 0 && d[2].Value > 0 && d[3].Value > 0) {
        if (last.Capture >= -1) text = other;
        text += ThreeDice("(%d-%d-%d)", game);
    } else if (last.To >= 0) {
        text += last.From < 0 ? "_" : std::to_string(last.From + 1);
        text += " -> " + std::to_string(last.To + 1);
    }
    if (last.Capture >= -1)
        text += last.Capture == -1 ? " x _" : " x " + std::to_string(last.Capture + 1);
    return text;
}

} // namespace

std::string ErrorMessage(int code, const std::optional<std::string>& detail) {
    const char* templ;
    switch (code) {
    case 1:
        templ = "Enregistrement impossible ! %s";
        break;
    case 2:
        templ = "Impossible d'ouvrir la boite de dialogue. %s";
        break;
    case 3:
        templ = "Erreur de CRC !";
        break;
    case 4:
        templ = "Impossible d'ouvrir le fichier. %s";
        break;
    case 5:
        templ = "Erreur dans le format du fichier. Modele incompatible.";
        break;
    case 6:
        templ = "Erreur dans le format du fichier.";
        break;
    case 7:
        templ = "Problème d'impression : %s";
        break;
    case 8:
        templ = "Action interdite. %s";
        break;
    default:
        templ = "Erreur inconnue %s";
        break;
    }
    return detail ? Format(templ, *detail) : std::string(templ);
}

std::string StatusText(const TPlateau& game, const TStatusFacts& facts) {
    if (facts.ThemeId == 0) return "Chargement du programme... Veuillez patienter.";
    if (facts.ThemeId < 0 || facts.ThemeId == 255 || !facts.HasView) return "Veuillez patienter...";
    if (facts.Animating) return AnimationText(game, facts);

    const int type = game.GameType;
    const int status = game.GameStatus;
    const int state = game.ClickState;
    if (type >= kHumanVsComputer && type <= kNetworkCaller) {
        switch (status) {
        case kWhiteWon:
            return "Partie terminée. Victoire des blancs";
        case kBlackWon:
            return "Partie terminée. Victoire des noirs";
        case kDraw:
            return "Partie terminée. match null";
        case 99:
            return "Veuillez patienter...";
        default:
            break;
        }
    }
    if (type == kHumanVsComputer) {
        if (status == kWaiting) {
            if (state == kClickRollDice) return "Attente du lancemente de dés...";
            if (state == kClickStopDice) return DiceText(game, facts, false);
            return "Cliquez sur une case pour commencer la partie.";
        }
        if (status == kHumanToAct) {
            switch (state) {
            case kClickDestination:
                return "C'est à vous de placer un jeton.";
            case kClickSelect:
                return "Sélectionnez un pion à déplacer.";
            case kClickCapture:
            case kClickDiceRemoval:
                return "Sélectionnez un pion à prendre.";
            case kClickRollDice:
                return "Attente du lancemente de dés...";
            case kClickStopDice:
                return DiceText(game, facts, false);
            default:
                return "";
            }
        }
        if (status == kComputerToAct) {
            if (state == kClickComputerDice)
                return ThreeDice("Résultat des dés : %d-%d-%d. Patientez...", game);
            return "L'ordinateur réfléchit au prochain coup...";
        }
        return "";
    }
    if ((type == kHumanVsHuman || type == kNetworkServer || type == kNetworkCaller) &&
        (status == kWaiting || status == kHumanToAct)) {
        const bool network = type != kHumanVsHuman;
        std::string colour = game.SideToMove == kBlack ? "Noirs" : "Blancs";
        if (network) colour += NetworkSuffix(game);
        const std::string& name = game.Players[game.SideToMove & 1].Name;
        switch (state) {
        case kClickDestination:
            return "C'est à " + name + " (" + colour + ") de placer un jeton.";
        case kClickSelect:
            return "C'est à " + name + " (" + colour + ") de sélectionner un jeton à déplacer.";
        case kClickCapture:
        case kClickDiceRemoval:
            return "Sélectionnez un pion à prendre.";
        case kClickRollDice:
            return "Attente du lancemente de dés...";
        case kClickStopDice:
            return DiceText(game, facts, network);
        default:
            return "";
        }
    }
    if (type == kComputerVsComputer && status == kWaiting)
        return "Appuyez sur une touche ou cliquez sur la jeu avec la souris pour lancer le jeu";
    return "";
}

std::string DiceResultText(const TPlateau& game, int on) {
    if (on != 1) return "";
    return ThreeDice("Résultat des dés : %d-%d-%d. Patientez...", game);
}

} // namespace vantorel
