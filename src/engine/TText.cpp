#include "TText.h"

namespace vantorel {

TText TText::Data(std::string value) {
    TText text;
    text.Key = std::move(value);
    text.Translated = false;
    return text;
}

TText TText::Join(std::vector<TText> pieces) {
    TText text;
    text.Translated = false;
    text.Args = std::move(pieces);
    return text;
}

std::string TText::French() const {
    std::vector<std::string> rendered;
    rendered.reserve(Args.size());
    for (const TText& arg : Args)
        rendered.push_back(arg.French());
    return IsJoin() ? Concatenate(rendered) : FillTemplate(Key, rendered);
}

std::string Concatenate(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces)
        text += piece;
    return text;
}

std::string FillTemplate(const std::string& templ, const std::vector<std::string>& args) {
    if (args.empty()) return templ;
    std::string text;
    text.reserve(templ.size() + 16);
    size_t next = 0;
    for (size_t at = 0; at < templ.size(); ++at) {
        const char c = templ[at];
        if (c != '%' || at + 1 == templ.size()) {
            text += c;
            continue;
        }
        const char p = templ[at + 1];
        size_t index = args.size();
        if (p == 's' || p == 'd')
            index = next++;
        else if (p >= '1' && p <= '9')
            index = static_cast<size_t>(p - '1');
        if (index < args.size()) {
            text += args[index];
            ++at;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace vantorel
