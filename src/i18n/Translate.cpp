#include "Translate.h"

#include <QCoreApplication>

namespace vantorel {

namespace {

std::string Translated(const std::string& key) {
    if (key.empty()) return key;
    return QCoreApplication::translate(kCatalogueContext, key.c_str()).toStdString();
}

std::string Rendered(const TText& text) {
    std::vector<std::string> args;
    args.reserve(text.Args.size());
    for (const TText& arg : text.Args)
        args.push_back(Rendered(arg));
    if (text.IsJoin()) return Concatenate(args);
    return FillTemplate(text.Translated ? Translated(text.Key) : text.Key, args);
}

} // namespace

QString TrText(const TText& text) {
    return QString::fromStdString(Rendered(text));
}

TTextRenderer WindowRenderer() {
    return [](const TText& text) { return Rendered(text); };
}

QString TrMessage(const std::string& french) {
    return QString::fromStdString(Translated(french));
}

QString TrError(const std::exception& error) {
    if (const auto* text = dynamic_cast<const TTextError*>(&error)) return TrText(text->Text());
    return TrMessage(error.what());
}

} // namespace vantorel
