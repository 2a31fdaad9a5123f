#pragma once
// What every window asks of the help: a pop-up for a context number, the page of a
// keyword or of a context, a tip of the day. The desktop implements it over its help
// viewer; nothing depends on a result.
#include <string>

namespace vantorel {

class THelpRequests {
public:
    virtual ~THelpRequests() = default;
    virtual void ShowContextPopup(int context) = 0;
    virtual void ShowTopic(const std::string& keyword) = 0;
    virtual void ShowContext(int context) = 0;
    virtual void ShowTip(int n) = 0;
};

// The keywords and context numbers the program asks for.
namespace help {
inline constexpr const char* kContents = "Sommaire";
inline constexpr const char* kNewGame = "NewGame";
inline constexpr const char* kChoice = "Choice";
inline constexpr const char* kSuggest = "SUGGERER";
inline constexpr const char* kThemes = "THEMES";
inline constexpr const char* kThemeKeywords[] = {"TH_2D",   "TH_MA",    "TH_3D",   "TH_ANNI",
                                                  "TH_EURO", "TH_SPACE", "TH_STONE"};
inline constexpr int kDrawQuestion = 1000;
inline constexpr int kDrawAnswer = 100;
inline constexpr int kTips[] = {8001, 8002, 8003};
} // namespace help

} // namespace vantorel
