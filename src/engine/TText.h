#pragma once
// A text the player reads, as the pure layers describe it: a French template, which is also
// the key the window translates it by, and its arguments. The layers below the window know
// only French; the window renders the same key and arguments in the language chosen.
//
// A template's "%s" and "%d" take the arguments in order; "%1" to "%9" name one, so that a
// translation may put them in another order. A placeholder without its argument stays as
// it is.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Marks a French text of the catalogue where it is written, so that the translation tool
// collects it (it reads this macro as QT_TRANSLATE_NOOP). The context is always "Catalogue".
#define VANTOREL_TEXT(context, text) text

namespace vantorel {

struct TText {
    std::string Key;
    std::vector<TText> Args;
    // False for data shown as it is (a name, a number, a move): its Key is not translated.
    bool Translated = true;

    TText() = default;
    // A catalogue text: only literals and the catalogue's constants convert implicitly.
    TText(const char* key) : Key(key) {}
    TText(const char* key, std::vector<TText> args) : Key(key), Args(std::move(args)) {}
    static TText Data(std::string value);
    // Pieces one after another, each rendered on its own.
    static TText Join(std::vector<TText> pieces);

    bool Empty() const { return Key.empty() && Args.empty(); }
    bool IsJoin() const { return !Translated && Key.empty() && !Args.empty(); }
    std::string French() const;
    bool operator==(const TText&) const = default;
};

// Renders a text in a language: the window's translation, or French.
using TTextRenderer = std::function<std::string(const TText&)>;

std::string Concatenate(const std::vector<std::string>& pieces);
// `templ` with its placeholders replaced by `args`, as described above.
std::string FillTemplate(const std::string& templ, const std::vector<std::string>& args);

// An error whose message is a catalogue text: what() is its French rendering.
class TTextError : public std::runtime_error {
public:
    explicit TTextError(TText text) : std::runtime_error(text.French()), text_(std::move(text)) {}
    const TText& Text() const { return text_; }

private:
    TText text_;
};

} // namespace vantorel
