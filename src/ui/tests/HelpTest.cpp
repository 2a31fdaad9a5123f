// The help: every keyword and context number the program asks for leads to a page and an
// anchor that exist, and the help window copes with a missing folder.
#include "ui/THelp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// The page and its anchor exist in the shipped pages, French and English.
void ExpectPage(const QString& page, const std::string& what) {
    ASSERT_FALSE(page.isEmpty()) << what;
    const QString file = page.section(u'#', 0, 0);
    for (const char* language : {"FR", "EN"}) {
        const QString folder = HelpFolderOfLanguage(QStringLiteral(VANTOREL_HELP_SOURCE),
                                                    QString::fromLatin1(language));
        QFile html(QDir(folder).filePath(file));
        ASSERT_TRUE(html.open(QIODevice::ReadOnly))
            << what << " " << folder.toStdString() << "/" << file.toStdString();
        const QByteArray text = html.readAll();
        if (page.contains(u'#')) {
            EXPECT_TRUE(text.contains("id=\"" + page.section(u'#', 1).toUtf8() + "\""))
                << what << " " << language << " " << page.toStdString();
        }
    }
}

// Guards broken links from the program into its help.
TEST(Help, EveryKeywordAndContextHasAPage) {
    for (const QString& keyword : HelpKeywords())
        ExpectPage(HelpPageOfTopic(keyword), keyword.toStdString());
    for (int context : HelpContexts()) {
        ExpectPage(HelpPageOfContext(context), std::to_string(context));
        EXPECT_NE(HelpPopupText(context).toStdString(), "Pas d'aide pour cet élément.") << context;
    }
    for (int tip : {8001, 8002, 8003})
        EXPECT_GT(HelpPopupText(tip).size(), 20) << tip;
    EXPECT_EQ(HelpPopupText(4242).toStdString(), "Pas d'aide pour cet élément.");
    EXPECT_TRUE(HelpPageOfTopic(QStringLiteral("inconnu")).isEmpty());
}

// Guards the help window: a page opens with its links, a missing folder says so.
TEST(Help, WindowShowsPagesOrSaysTheyAreMissing) {
    THelpSystem help(nullptr, QStringLiteral(VANTOREL_HELP_SOURCE));
    help.ShowTopic(QStringLiteral("TH_2D"));
    EXPECT_TRUE(help.Browser()->toPlainText().contains(QStringLiteral("2 D classique")));
    help.ShowContext(9999);
    EXPECT_TRUE(help.Browser()->toPlainText().contains(QStringLiteral("Aide de Vantorel")));
    help.ShowTip(8002);
    ASSERT_NE(help.TipDialog(), nullptr);
    EXPECT_EQ(help.TipDialog()->windowTitle().toStdString(), "Astuce du jour");

    QTemporaryDir empty;
    THelpSystem lost(nullptr, empty.path());
    lost.ShowTopic(QStringLiteral("Sommaire"));
    EXPECT_TRUE(lost.Browser()->toPlainText().contains(QStringLiteral("introuvable")));
}

} // namespace
