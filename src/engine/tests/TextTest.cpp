// Catalogue texts: the French rendering fills the placeholders as the window's rendering
// does, so that a translation may reorder its arguments and a missing one shows as it is.
#include "engine/TText.h"

#include <gtest/gtest.h>

using namespace vantorel;

// Guards a placeholder taken twice, skipped, or eaten when its argument is missing.
TEST(Text, PlaceholdersTakeTheirArguments) {
    const struct {
        const char* templ;
        std::vector<std::string> args;
        const char* filled;
    } cases[] = {
        {"Dés : %d-%d-%d.", {"2", "5", "6"}, "Dés : 2-5-6."},
        {"%2 avant %1", {"a", "b"}, "b avant a"},
        {"C'est à %s (%s).", {"Zoé"}, "C'est à Zoé (%s)."},
        {"Impossible. %s", {}, "Impossible. %s"},
        {"100 % sûr %s", {"x"}, "100 % sûr x"},
        {"fin %", {"x"}, "fin %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillTemplate(c.templ, c.args), c.filled) << c.templ;

    // Arguments are rendered on their own: data is never read as a template.
    const TText nested("Erreur %s : %s", {TText::Data("50 %d"), TText::Join({"Noir", "-Local"})});
    EXPECT_EQ(nested.French(), "Erreur 50 %d : Noir-Local");
    const TTextError error(nested);
    EXPECT_STREQ(error.what(), "Erreur 50 %d : Noir-Local");
}
