#include "THelp.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <map>

namespace vantorel {

namespace {

struct TContextHelp {
    const char* Page;
    const char* Text;
};

// Each numbered context: its page and the sentence of its pop-up.
const std::map<int, TContextHelp>& ContextTable() {
    static const std::map<int, TContextHelp> table = {
        {100,
         {"fichiers.html#enregistrer",
          QT_TRANSLATE_NOOP("Help", "Un fichier porte déjà ce nom. Oui le remplace par la "
                                    "partie en cours ; Non ne change rien.")}},
        {101,
         {"choix.html", QT_TRANSLATE_NOOP("Help", "Choisit le plateau et les règles de la "
                                                  "prochaine partie.")}},
        {102,
         {"partie.html", QT_TRANSLATE_NOOP("Help", "Commence une nouvelle partie : les "
                                                   "joueurs, leurs couleurs et leurs niveaux.")}},
        {103, {"partie.html", QT_TRANSLATE_NOOP("Help", "Choisit contre qui vous jouez.")}},
        {104,
         {"partie.html#ordinateur", QT_TRANSLATE_NOOP("Help", "Une partie contre l'ordinateur.")}},
        {105,
         {"partie.html#humains",
          QT_TRANSLATE_NOOP("Help", "Une partie entre deux personnes devant le même écran.")}},
        {107,
         {"partie.html#ordinateurs",
          QT_TRANSLATE_NOOP("Help", "Deux ordinateurs jouent l'un contre l'autre pendant "
                                    "que vous regardez.")}},
        {108,
         {"fichiers.html#ouvrir",
          QT_TRANSLATE_NOOP("Help", "Reprend une partie enregistrée (fichier .Vtl).")}},
        {109,
         {"fichiers.html#enregistrer",
          QT_TRANSLATE_NOOP("Help", "Enregistre la partie dans son fichier.")}},
        {110,
         {"fichiers.html#enregistrer",
          QT_TRANSLATE_NOOP("Help", "Enregistre la partie sous un nouveau nom.")}},
        {111,
         {"editeur.html", QT_TRANSLATE_NOOP("Help", "Dessine un plateau à vous : cases, "
                                                    "liaisons et moulins.")}},
        {112,
         {"fichiers.html#imprimer",
          QT_TRANSLATE_NOOP("Help", "Imprime le déroulement de la partie.")}},
        {113,
         {"film.html", QT_TRANSLATE_NOOP("Help", "Revoit la partie coup par coup, comme un "
                                                 "film.")}},
        {114, {"fenetre.html", QT_TRANSLATE_NOOP("Help", "Quitte Vantorel.")}},
        {115,
         {"fichiers.html#copier",
          QT_TRANSLATE_NOOP("Help", "Copie l'image du plateau dans le presse-papiers.")}},
        {116,
         {"fichiers.html#copier", QT_TRANSLATE_NOOP("Help", "Copie la liste des coups dans "
                                                            "le presse-papiers.")}},
        {117,
         {"fenetre.html#vue", QT_TRANSLATE_NOOP("Help", "Tourne le plateau d'un huitième de "
                                                        "tour.")}},
        {118,
         {"themes.html#th_2d", QT_TRANSLATE_NOOP("Help", "Le plateau classique, vu de "
                                                         "dessus.")}},
        {119,
         {"themes.html#th_ma", QT_TRANSLATE_NOOP("Help", "Un plateau de bois ancien, vu de "
                                                         "dessus.")}},
        {120, {"themes.html#th_3d", QT_TRANSLATE_NOOP("Help", "Le plateau classique en relief.")}},
        {121, {"themes.html#th_anni", QT_TRANSLATE_NOOP("Help", "Un plateau de fête en relief.")}},
        {122,
         {"themes.html#th_euro",
          QT_TRANSLATE_NOOP("Help", "Des pièces de monnaie en guise de pions.")}},
        {123,
         {"themes.html#th_space", QT_TRANSLATE_NOOP("Help", "Des planètes en guise de "
                                                            "pions.")}},
        {124, {"themes.html#th_stone", QT_TRANSLATE_NOOP("Help", "Un cercle de pierres levées.")}},
        {125,
         {"niveaux.html", QT_TRANSLATE_NOOP("Help", "L'ordinateur joue vite et sans "
                                                    "réfléchir loin.")}},
        {126,
         {"niveaux.html", QT_TRANSLATE_NOOP("Help", "L'ordinateur regarde quelques coups "
                                                    "en avant.")}},
        {127,
         {"niveaux.html", QT_TRANSLATE_NOOP("Help", "L'ordinateur calcule plus loin à "
                                                    "chaque coup.")}},
        {128,
         {"niveaux.html#temps", QT_TRANSLATE_NOOP("Help", "L'ordinateur réfléchit pendant "
                                                          "un temps donné.")}},
        {129, {"niveaux.html#temps", QT_TRANSLATE_NOOP("Help", "Deux secondes par coup.")}},
        {130, {"niveaux.html#temps", QT_TRANSLATE_NOOP("Help", "Cinq secondes par coup.")}},
        {131, {"niveaux.html#temps", QT_TRANSLATE_NOOP("Help", "Trente secondes par coup.")}},
        {132, {"niveaux.html#temps", QT_TRANSLATE_NOOP("Help", "Une minute par coup.")}},
        {133, {"niveaux.html#temps", QT_TRANSLATE_NOOP("Help", "Deux minutes par coup.")}},
        {134,
         {"conseil.html", QT_TRANSLATE_NOOP("Help", "Demande à l'ordinateur le coup qu'il "
                                                    "jouerait à votre place.")}},
        {135,
         {"options.html", QT_TRANSLATE_NOOP("Help", "Règle les animations, les sons, la "
                                                    "musique et l'affichage.")}},
        {136,
         {"fenetre.html#vue", QT_TRANSLATE_NOOP("Help", "Affiche ou cache le numéro de "
                                                        "chaque case.")}},
        {137, {"partie.html", QT_TRANSLATE_NOOP("Help", "Valide vos choix et ferme la fenêtre.")}},
        {138, {"partie.html", QT_TRANSLATE_NOOP("Help", "Ferme la fenêtre sans rien changer.")}},
        {139,
         {"fenetre.html#vue", QT_TRANSLATE_NOOP("Help", "Rapproche le plateau tant que le "
                                                        "bouton est enfoncé.")}},
        {140,
         {"fenetre.html#vue", QT_TRANSLATE_NOOP("Help", "Éloigne le plateau tant que le "
                                                        "bouton est enfoncé.")}},
        {141, {"fenetre.html#coups", QT_TRANSLATE_NOOP("Help", "Reprend le dernier coup.")}},
        {142, {"fenetre.html#coups", QT_TRANSLATE_NOOP("Help", "Rejoue le coup repris.")}},
        {143,
         {"partie.html#ordinateurs",
          QT_TRANSLATE_NOOP("Help", "Arrête ou relance la partie entre deux ordinateurs.")}},
        {145, {"partie.html", QT_TRANSLATE_NOOP("Help", "Ouvre l'aide de cette fenêtre.")}},
        {150, {"themes.html", QT_TRANSLATE_NOOP("Help", "Le programme se prépare.")}},
        {151, {"themes.html#th_2d", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour jouer.")}},
        {152, {"themes.html#th_ma", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour jouer.")}},
        {156,
         {"themes.html#th_3d", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour jouer ; "
                                                         "faites glisser le plateau pour le "
                                                         "tourner.")}},
        {157,
         {"themes.html#th_anni", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour "
                                                           "jouer.")}},
        {158,
         {"themes.html#th_euro", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour "
                                                           "jouer.")}},
        {160,
         {"themes.html#th_space", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour "
                                                            "jouer.")}},
        {163,
         {"themes.html#th_stone", QT_TRANSLATE_NOOP("Help", "Cliquez sur une case pour "
                                                            "jouer.")}},
        {164, {"themes.html", QT_TRANSLATE_NOOP("Help", "Choisit l'apparence du plateau.")}},
        {165,
         {"fichiers.html#copier", QT_TRANSLATE_NOOP("Help", "Copie l'image ou le script de "
                                                            "la partie.")}},
        {166, {"niveaux.html", QT_TRANSLATE_NOOP("Help", "Choisit la force de l'ordinateur.")}},
        {168,
         {"niveaux.html#maintenant", QT_TRANSLATE_NOOP("Help", "L'ordinateur joue tout de suite le "
                                                               "meilleur coup trouvé jusque-là.")}},
        {169,
         {"fenetre.html#langue", QT_TRANSLATE_NOOP("Help", "Choisit la langue des menus, des "
                                                           "messages et de l'aide.")}},
        {167,
         {"regles.html#nulle", QT_TRANSLATE_NOOP("Help", "Propose à l'adversaire de "
                                                         "terminer la partie sur un match "
                                                         "nul.")}},
        {172, {"index.html", QT_TRANSLATE_NOOP("Help", "Ouvre le sommaire de l'aide.")}},
        {173,
         {"fenetre.html#aide", QT_TRANSLATE_NOOP("Help", "Cliquez ensuite sur un élément "
                                                         "pour savoir à quoi il sert.")}},
        {174, {"fenetre.html#aide", QT_TRANSLATE_NOOP("Help", "Montre une astuce au démarrage.")}},
        {1000, {"regles.html#fin", QT_TRANSLATE_NOOP("Help", "La partie est finie.")}},
        {9001,
         {"partie.html#abandon",
          QT_TRANSLATE_NOOP("Help", "Oui abandonne la partie en cours, Non l'enregistre "
                                    "d'abord, Annuler la garde.")}},
        {300,
         {"partie.html", QT_TRANSLATE_NOOP("Help", "Choisissez le genre de partie, puis "
                                                   "les joueurs.")}},
        {301,
         {"partie.html#reseau", QT_TRANSLATE_NOOP("Help", "Appeler l'autre joueur, ou "
                                                          "attendre son appel.")}},
        {302, {"partie.html", QT_TRANSLATE_NOOP("Help", "La couleur de vos pions.")}},
        {303,
         {"partie.html", QT_TRANSLATE_NOOP("Help", "Le nom du joueur : choisissez-le dans "
                                                   "la liste ou tapez-en un nouveau.")}},
        {304,
         {"partie.html#reseau", QT_TRANSLATE_NOOP("Help", "L'adresse de l'ordinateur à "
                                                          "appeler.")}},
        {305,
         {"partie.html#reseau", QT_TRANSLATE_NOOP("Help", "L'adresse de cet ordinateur sur "
                                                          "le réseau.")}},
        {306, {"niveaux.html", QT_TRANSLATE_NOOP("Help", "La force de l'ordinateur.")}},
        {307,
         {"partie.html#ordinateurs",
          QT_TRANSLATE_NOOP("Help", "La partie commence tout de suite, ou à votre "
                                    "signal.")}},
        {308,
         {"partie.html#ordinateurs",
          QT_TRANSLATE_NOOP("Help", "Ce qui se passe à la fin de chaque partie.")}},
        {311,
         {"partie.html#des", QT_TRANSLATE_NOOP("Help", "Les dés tirent le joueur qui "
                                                       "commence. Cliquez pour les "
                                                       "relancer.")}},
    };
    return table;
}

const std::map<QString, QString>& TopicTable() {
    static const std::map<QString, QString> table = {
        {QStringLiteral("Sommaire"), QStringLiteral("index.html")},
        {QStringLiteral("NewGame"), QStringLiteral("partie.html")},
        {QStringLiteral("Choice"), QStringLiteral("choix.html")},
        {QStringLiteral("Editeur"), QStringLiteral("editeur.html")},
        {QStringLiteral("SUGGERER"), QStringLiteral("conseil.html")},
        {QStringLiteral("THEMES"), QStringLiteral("themes.html")},
        {QStringLiteral("TH_2D"), QStringLiteral("themes.html#th_2d")},
        {QStringLiteral("TH_MA"), QStringLiteral("themes.html#th_ma")},
        {QStringLiteral("TH_3D"), QStringLiteral("themes.html#th_3d")},
        {QStringLiteral("TH_ANNI"), QStringLiteral("themes.html#th_anni")},
        {QStringLiteral("TH_EURO"), QStringLiteral("themes.html#th_euro")},
        {QStringLiteral("TH_SPACE"), QStringLiteral("themes.html#th_space")},
        {QStringLiteral("TH_STONE"), QStringLiteral("themes.html#th_stone")},
    };
    return table;
}

const char* const kTips[] = {
    QT_TRANSLATE_NOOP("Help", "Un moulin qui s'ouvre et se referme à chaque coup prend une pièce "
                              "à chaque fois : tâchez d'en construire un que l'adversaire ne "
                              "peut pas bloquer."),
    QT_TRANSLATE_NOOP("Help", "Tab et Maj+Tab déplacent le curseur d'une case à l'autre ; "
                              "Entrée joue la case choisie. On peut jouer sans souris."),
    QT_TRANSLATE_NOOP("Help", "« Revoir la partie » rejoue la partie depuis le début ; la "
                              "glissière permet d'aller directement à n'importe quel coup."),
};

} // namespace

QString HelpPageOfTopic(const QString& keyword) {
    const auto found = TopicTable().find(keyword);
    return found == TopicTable().end() ? QString() : found->second;
}

QString HelpPageOfContext(int context) {
    const auto found = ContextTable().find(context);
    if (found != ContextTable().end()) return QString::fromLatin1(found->second.Page);
    // The chooser's and the suggestion dialog's controls share their dialog's page.
    if (context >= 200 && context <= 209) return QStringLiteral("choix.html");
    if (context >= 220 && context <= 226) return QStringLiteral("conseil.html");
    return {};
}

QString HelpPopupText(int context) {
    const auto found = ContextTable().find(context);
    if (found != ContextTable().end())
        return QCoreApplication::translate("Help", found->second.Text);
    if (context >= 8001 && context <= 8003)
        return QCoreApplication::translate("Help", kTips[context - 8001]);
    if (context >= 200 && context <= 209)
        return QCoreApplication::translate("Help", "Choisissez un plateau dans la liste ; "
                                                   "l'aperçu montre ses cases et ses moulins.");
    if (context >= 220 && context <= 226)
        return QCoreApplication::translate("Help", "Réglez la recherche, puis demandez le coup "
                                                   "conseillé.");
    return QCoreApplication::translate("Help", "Pas d'aide pour cet élément.");
}

const QStringList& HelpKeywords() {
    static const QStringList keywords = [] {
        QStringList all;
        for (const auto& [keyword, page] : TopicTable())
            all << keyword;
        return all;
    }();
    return keywords;
}

const QList<int>& HelpContexts() {
    static const QList<int> contexts = [] {
        QList<int> all;
        for (const auto& [context, help] : ContextTable())
            all << context;
        for (int context = 200; context <= 209; ++context)
            all << context;
        for (int context = 220; context <= 226; ++context)
            all << context;
        return all;
    }();
    return contexts;
}

QString FindHelpFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {program.filePath(QStringLiteral("../share/vantorel/help")),
                                     program.filePath(QStringLiteral("help"))})
        if (QFileInfo(candidate + QStringLiteral("/index.html")).isFile())
            return QDir::cleanPath(candidate);
    return {};
}

QString HelpFolderOfLanguage(const QString& folder, const QString& code) {
    if (folder.isEmpty() || code != QLatin1String("EN")) return folder;
    const QString english = folder + QStringLiteral("/en");
    return QFileInfo(english + QStringLiteral("/index.html")).isFile() ? english : folder;
}

THelpSystem::THelpSystem(QWidget* window, QString folder)
    : window_(window), baseFolder_(folder.isEmpty() ? FindHelpFolder() : std::move(folder)),
      folder_(baseFolder_) {}

void THelpSystem::SetLanguage(const QString& code) {
    const QString folder = HelpFolderOfLanguage(baseFolder_, code);
    if (folder == folder_) return;
    folder_ = folder;
    if (!helpWindow_) return;
    // The help window is made again in the new language, on the same page if it was open.
    const bool shown = helpWindow_->isVisible();
    const QUrl source = browser_->source();
    delete helpWindow_;
    browser_ = nullptr;
    if (!shown) return;
    QString page = source.fileName();
    if (source.hasFragment()) page += QLatin1Char('#') + source.fragment();
    ShowPage(page.isEmpty() ? QStringLiteral("index.html") : page);
}

THelpSystem::~THelpSystem() {
    delete helpWindow_;
    delete tip_;
}

QTextBrowser* THelpSystem::Browser() {
    if (helpWindow_) return browser_;
    // A window of its own, beside the game, which keeps running behind it.
    auto* help = new QWidget(window_, Qt::Window);
    help->setAttribute(Qt::WA_DeleteOnClose, false);
    help->setWindowTitle(QCoreApplication::translate("Help", "Aide de Vantorel"));
    help->resize(620, 520);
    browser_ = new QTextBrowser(help);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({folder_});
    auto* back = new QToolButton(help);
    back->setText(QCoreApplication::translate("Help", "Précédent"));
    auto* forward = new QToolButton(help);
    forward->setText(QCoreApplication::translate("Help", "Suivant"));
    auto* contents = new QToolButton(help);
    contents->setText(QCoreApplication::translate("Help", "Sommaire"));
    QObject::connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    QObject::connect(contents, &QToolButton::clicked, help,
                     [this] { ShowPage(QStringLiteral("index.html")); });
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(help);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    helpWindow_ = help;
    return browser_;
}

void THelpSystem::ShowPage(const QString& page) {
    QTextBrowser* browser = Browser();
    const QString file = page.section(u'#', 0, 0);
    if (folder_.isEmpty() || !QFileInfo(QDir(folder_).filePath(file)).isFile()) {
        browser->setHtml(QStringLiteral("<p>") +
                         QCoreApplication::translate("Help", "Cette page d'aide est introuvable.") +
                         QStringLiteral("</p>"));
    } else {
        browser->setSource(
            QUrl::fromLocalFile(QDir(folder_).filePath(file))
                .resolved(QUrl(page.contains(u'#') ? QLatin1Char('#') + page.section(u'#', 1)
                                                   : QString())));
    }
    helpWindow_->show();
    helpWindow_->raise();
}

void THelpSystem::ShowContextPopup(int context) {
    QWhatsThis::showText(QCursor::pos(), HelpPopupText(context), window_);
}

void THelpSystem::ShowTopic(const QString& keyword) {
    const QString page = HelpPageOfTopic(keyword);
    ShowPage(page.isEmpty() ? QStringLiteral("index.html") : page);
}

void THelpSystem::ShowContext(int context) {
    const QString page = HelpPageOfContext(context);
    ShowPage(page.isEmpty() ? QStringLiteral("index.html") : page);
}

void THelpSystem::ShowTip(int context) {
    delete tip_;
    auto* tip = new QDialog(window_);
    tip->setWindowTitle(QCoreApplication::translate("Help", "Astuce du jour"));
    auto* text = new QLabel(HelpPopupText(context), tip);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    auto* close = new QPushButton(QCoreApplication::translate("Help", "Fermer"), tip);
    QObject::connect(close, &QPushButton::clicked, tip, &QDialog::accept);
    auto* layout = new QVBoxLayout(tip);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignRight);
    tip_ = tip;
    // Not modal: the game starts behind the tip.
    tip->show();
}

} // namespace vantorel
