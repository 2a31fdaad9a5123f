#pragma once
// The text two machines exchange in a network game: framing, the fields of the bodies,
// the game-state text with its checksum, and what a receiver does with each message.
// Everything here is UTF-8, like every other text of the program; the wire speaks
// Windows-1252, and ToWire / FromWire are the only crossing.
#include "engine/TText.h"

#include <string>

namespace vantorel {

class TPlateau;
class Tmodele;

// What the network window does for the receiver: its log, the application icon, its role
// and the few things the main window and the view are asked.
class TNetworkSink {
public:
    virtual ~TNetworkSink() = default;
    virtual void Log(const TText& text) = 0;
    // 1 ":-)", 2 ";-)", 3 ":-(".
    virtual void SetIconSmiley(int smiley) = 0;
    virtual std::string RemoteHostName() const = 0;
    // 0 no connection, 1 serving with a caller, 2 partner, 3 observer.
    virtual void SetRole(int role) = 0;
    virtual int Role() const = 0;
    virtual bool HasNetworkWindow() const = 0;
    // Ask the user and answer the partner's draw offer.
    virtual void OnDrawOffer() = 0;
    virtual void ShowMessage(const TText& text) = 0;
    // The partner sent its variant: the main window rebuilds its board view.
    virtual void RebuildViewForNewModel() = 0;
    virtual void RefreshView() = 0;
};

inline constexpr const char* kWirePrefix = "TEV/VANTOREL/";
inline constexpr size_t kWirePrefixLength = 13;
// Prefix, 4-letter command and separator: the shortest message that means anything.
inline constexpr size_t kMinimumMessageLength = 18;
// Result of DecodeState for a text that was not adopted.
inline constexpr int kStateRefused = -99;

// The framed message: prefix, command, a space, body.
std::string FrameMessage(const std::string& command, const std::string& body);

// Windows-1252 bytes for the socket, and UTF-8 text from what the socket read.
std::string ToWire(const std::string& utf8Message);
std::string FromWire(const std::string& wireBytes);

// Takes the field up to the first ";" off the front of `text`. A number is its leading
// decimal digits after an optional "-", surrounding spaces ignored, 0 without digits,
// held to the 32-bit range. Without a ";" the text is left as it is and the result is −1
// (TakeNumber) or empty (TakeText).
int TakeNumber(std::string& text);
std::string TakeText(std::string& text);

// The checksummed body: TextChecksum of the payload, ";", the payload.
std::string ChecksummedBody(const std::string& payload);

// The game-state text. count ≤ 0 sends every recorded entry; count > 0 the entries from
// (last recorded − count) to the last. headerOnly leaves out the fields of the click
// state machine.
std::string EncodeState(const TPlateau& game, int count, bool headerOnly);

// Adopts a game-state text of the same variant. Returns the highest history index read
// (−1 when none), or kStateRefused; a refused text changes nothing of the game. A wrong
// checksum is reported through sink.ShowMessage; another variant is ignored silently.
int DecodeState(TPlateau& game, const std::string& text, bool headerOnly, TNetworkSink& sink);

// The messages, framed, in UTF-8.
std::string EncodeChat(const std::string& line);
std::string EncodeDrawOffer();
std::string EncodeDrawAnswer(bool accepted);
std::string EncodeDice(int side, int d1, int d2, int d3);
// role 1 tells the caller it is the partner, 0 an observer.
std::string EncodeRole(int role);
std::string EncodeModel(const Tmodele& model, char decimalSeparator = '.');
std::string EncodeStateMessage(const TPlateau& game, int count = -1, bool headerOnly = false);

// Splits what one read brought into messages and acts on each. Returns the number of
// messages acted on (unknown commands and fragments are not counted).
int ReceiveMessages(TPlateau& game, const std::string& receivedText, TNetworkSink& sink);

// The receiver's French texts; none of them goes on the wire.
namespace texts {
inline constexpr const char* kNetDrawOffer = VANTOREL_TEXT("Catalogue", "Proposition de nul");
inline constexpr const char* kNetChecksumError = VANTOREL_TEXT("Catalogue", "Erreur de CRC.");
// The checksum computed here, then the one received.
inline constexpr const char* kNetStateChecksumError =
    VANTOREL_TEXT("Catalogue", "erreur crc plateau %s<>%s");
inline constexpr const char* kNetPartner =
    VANTOREL_TEXT("Catalogue", " Vous êtes connecté(e) en tant que partenaire.");
inline constexpr const char* kNetObserver =
    VANTOREL_TEXT("Catalogue", " Vous êtes connecté(e) en tant qu'observateur");
inline constexpr const char* kNetModelReceived =
    VANTOREL_TEXT("Catalogue", "Récupération du modele de jeu.");
inline constexpr const char* kNetModelRefused =
    VANTOREL_TEXT("Catalogue", "Modèle de jeu illisible : ignoré.");
inline constexpr const char* kNetChatSeparator = " : ";
} // namespace texts

} // namespace vantorel
