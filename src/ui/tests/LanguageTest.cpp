// English beside French: once the program speaks English no text of its menus, tool bars,
// status bar, dialogs and help is one of the French texts it translates; the choice is
// remembered and the first start follows the system; the files are the same whatever the
// language.
#include "UiTestSupport.h"

#include "i18n/Language.h"
#include "i18n/Translate.h"
#include "net/Reseau.h"
#include "ui/Connexion.h"
#include "ui/StatusPanels.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::WindowFixture;

namespace {

// A text as the player reads it: no mnemonic, no shortcut after a tab.
QString Readable(QString text) {
    text = text.section(u'\t', 0, 0);
    text.remove(QRegularExpression(QStringLiteral("&(?=[^&\\s])")));
    return text.trimmed();
}

// The French texts of the translation file that read otherwise in English; a placeholder
// ("%1", "%s", "%d") stands for any text.
class TFrenchTexts {
public:
    TFrenchTexts() {
        QFile file(QStringLiteral(VANTOREL_TS_FILE));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement()) continue;
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            const QString english = xml.readElementText();
            if (Readable(english) == Readable(source)) continue;
            QString pattern = QRegularExpression::escape(Readable(source));
            pattern.replace(QRegularExpression(QStringLiteral("\\\\?%(\\d|s|d)")),
                            QStringLiteral(".*"));
            patterns_.emplace_back(QRegularExpression::anchoredPattern(pattern));
            ++count_;
        }
    }
    int Count() const { return count_; }
    bool IsFrench(const QString& text) const {
        const QString readable = Readable(text);
        if (readable.isEmpty()) return false;
        for (const QRegularExpression& french : patterns_)
            if (french.match(readable).hasMatch()) return true;
        return false;
    }

private:
    std::vector<QRegularExpression> patterns_;
    int count_ = 0;
};

void CollectActions(const QList<QAction*>& actions, QStringList& texts) {
    for (QAction* action : actions) {
        texts << action->text() << action->toolTip() << action->statusTip() << action->whatsThis();
        if (action->menu()) {
            texts << action->menu()->title();
            CollectActions(action->menu()->actions(), texts);
        }
    }
}

// Every text a widget and its children show, or show once a page or a list is opened.
void Collect(QWidget* root, QStringList& texts) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
        CollectActions(w->actions(), texts);
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* line = qobject_cast<QLineEdit*>(w)) texts << line->placeholderText();
        if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int k = 0; k < combo->count(); ++k)
                texts << combo->itemText(k);
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int k = 0; k < tabs->count(); ++k)
                texts << tabs->tabText(k) << tabs->tabToolTip(k);
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int k = 0; k < list->count(); ++k)
                texts << list->item(k)->text();
    }
}

// Opens a modal dialog with its command, takes its texts and closes it.
void CollectModal(QAction* command, QStringList& texts) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen = true;
        Collect(modal, texts);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    command->trigger();
    EXPECT_TRUE(seen) << command->objectName().toStdString();
}

QString YesButtonText() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vantorel"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

// The first menu of the bar the player sees (the replay menu waits hidden before it).
QString FirstMenu(WindowFixture& f) {
    for (QAction* menu : f.window->menuBar()->actions())
        if (menu->isVisible()) return menu->text();
    return {};
}

QAction* LanguageItem(WindowFixture& f, const char* name) {
    for (QAction* action : f.window->findChildren<QAction*>())
        if (action->objectName() == QLatin1String(name)) return action;
    return nullptr;
}

// Guards texts left French in English: the menus, the tool bars, the status texts, every
// dialog the menus open, the new-game and network windows, the help window and its
// pop-ups, Qt's own buttons; then French again, Qt's buttons included.
TEST(Language, NothingIsLeftFrenchInEnglish) {
    const TFrenchTexts french;
    ASSERT_GT(french.Count(), 400);
    WindowFixture f;
    f.EndIntro();
    EXPECT_EQ(YesButtonText().toStdString(), "&Oui");
    QAction* english = LanguageItem(f, "English");
    ASSERT_NE(english, nullptr);
    english->trigger();
    EXPECT_EQ(f.window->LanguageCode.toStdString(), "EN");
    EXPECT_EQ(f.Stored(QStringLiteral("Interface/Langue")).toStdString(), "EN");
    EXPECT_TRUE(LanguageItem(f, "English")->isChecked());
    EXPECT_EQ(f.window->ThemeId, 6) << "the view is rebuilt in the same theme";

    QStringList texts;
    f.window->RefreshStatus();
    Collect(f.window.get(), texts);
    CollectActions(f.window->menuBar()->actions(), texts);
    CollectActions(f.window->PopupMenu->actions(), texts);
    for (QAction* command : {f.window->NewGameItem, f.window->Dfiniruntablier1,
                             f.window->Proposer_coup, f.window->OptionsItem, f.window->HelpAbout1})
        CollectModal(command, texts);
    f.newGameDialog = [&](TFConnexion& dialog) {
        Collect(&dialog, texts);
        return false;
    };
    f.window->NouveauJeu->trigger();
    TFReseau network(nullptr, f.Game(), {});
    Collect(&network, texts);
    THelpSystem help(nullptr, QStringLiteral(VANTOREL_HELP_SOURCE));
    help.SetLanguage(QStringLiteral("EN"));
    EXPECT_TRUE(help.Folder().endsWith(QStringLiteral("/en")));
    help.ShowTopic(QStringLiteral("Sommaire"));
    Collect(help.Browser()->window(), texts);
    help.ShowTip(8001);
    Collect(help.TipDialog(), texts);
    for (int context : HelpContexts())
        texts << HelpPopupText(context);
    for (const TText& text : StatusCatalogueTexts())
        texts << TrText(text);
    for (const TText& line : MoveLineSamples())
        texts << TrText(line);
    texts << YesButtonText() << f.window->windowTitle();

    QStringList left;
    for (const QString& text : texts)
        if (french.IsFrench(text) && !left.contains(text)) left << text;
    EXPECT_TRUE(left.isEmpty()) << "still French: "
                                << left.join(QStringLiteral(" | ")).toStdString();
    EXPECT_GT(texts.size(), 500);

    LanguageItem(f, "Francais")->trigger();
    EXPECT_EQ(FirstMenu(f).toStdString(), "&Fichier");
    EXPECT_EQ(YesButtonText().toStdString(), "&Oui");
}

// Guards the language of a start: the one chosen before, else English on an English
// system only.
TEST(Language, StartSpeaksTheChoiceElseTheSystems) {
    const struct {
        const char* stored;
        const char* locale;
        const char* chosen;
    } cases[] = {
        {"", "en_US", "EN"}, {"", "en_GB", "EN"},   {"", "fr_FR", "FR"},   {"", "de_DE", "FR"},
        {"", "C", "FR"},     {"FR", "en_US", "FR"}, {"en", "fr_FR", "EN"}, {"XX", "en_US", "EN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChosenLanguage(QString::fromLatin1(c.stored),
                                 SystemLanguage(QLocale(QString::fromLatin1(c.locale))))
                      .toStdString(),
                  c.chosen)
            << c.stored << " " << c.locale;

    // Chosen in one run, spoken by the next from its first menu on.
    QTemporaryDir home;
    {
        WindowFixture first(home.path());
        first.EndIntro();
        LanguageItem(first, "English")->trigger();
    }
    WindowFixture second(home.path());
    EXPECT_EQ(second.window->LanguageCode.toStdString(), "EN");
    EXPECT_EQ(FirstMenu(second).toStdString(), "&File");
    InstallLanguage(QStringLiteral("FR"));
}

// A saved game's bytes, but for the moment of the save (its one date value, which the
// reader skips).
QByteArray Bytes(const QString& path) {
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype date = bytes.indexOf('\x11');
    if (date >= 0 && date + 9 <= bytes.size()) bytes.replace(date + 1, 8, QByteArray(8, '\0'));
    return bytes;
}

// Guards files that would follow the language: a game saved by the French program opens in
// the English one, which writes it back byte for byte as the French one does; the script
// on the clipboard speaks the window's language.
TEST(Language, FilesAreTheSameInBothLanguages) {
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("partie.Vtl"));
    const auto play = [&](WindowFixture& f) {
        f.EndIntro();
        f.window->SetUpLocalGame(kHumanVsHuman, kWhite);
        f.Game().Players[kWhite].Name = "Zoé";
        f.Game().Players[kBlack].Name = "Aurélien";
        for (int point : {4, 7, 10, 13})
            f.Game().Click(point);
    };
    const auto openAndSave = [&](const char* language, const QString& copy) {
        WindowFixture f;
        f.EndIntro();
        LanguageItem(f, language)->trigger();
        f.fileToChoose = saved;
        f.window->Ouvrir->trigger();
        EXPECT_EQ(f.Game().MoveCount, 4) << language;
        EXPECT_EQ(f.Game().Players[kBlack].Name, "Aurélien") << language;
        f.window->Copy_script->trigger();
        const QString script = QGuiApplication::clipboard()->text();
        f.fileToChoose = copy;
        f.window->FileSaveAs1->trigger();
        EXPECT_TRUE(f.messages.empty()) << language;
        LanguageItem(f, "Francais")->trigger();
        return script;
    };
    {
        WindowFixture f;
        play(f);
        f.fileToChoose = saved;
        f.window->FileSaveAs1->trigger();
    }
    const QString byFrench = folder.filePath(QStringLiteral("par le français.Vtl"));
    const QString byEnglish = folder.filePath(QStringLiteral("by the English.Vtl"));
    const QString englishScript = openAndSave("English", byEnglish);
    const QString frenchScript = openAndSave("Francais", byFrench);
    ASSERT_FALSE(Bytes(byFrench).isEmpty());
    EXPECT_EQ(Bytes(byEnglish), Bytes(byFrench));
    EXPECT_TRUE(englishScript.contains(QStringLiteral("White : Zoé")))
        << englishScript.toStdString();
    EXPECT_TRUE(frenchScript.contains(QStringLiteral("Blanc : Zoé"))) << frenchScript.toStdString();

    // And back: the English program's file opens in the French one.
    WindowFixture back;
    back.EndIntro();
    back.fileToChoose = byEnglish;
    back.window->Ouvrir->trigger();
    EXPECT_EQ(back.Game().MoveCount, 4);
    EXPECT_EQ(back.Game().Players[kWhite].Name, "Zoé");
}

} // namespace
