#pragma once
// The help: pages written for the program (HTML shipped beside it) shown in a help window,
// short pop-ups for the numbered help contexts of the controls and commands, and the tips
// of the day.
#include <QDialog>
#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

namespace vantorel {

// The help the windows ask for: a pop-up of a context number, the page of a keyword or of
// a context number, a tip of the day.
class THelpRequests {
public:
    virtual ~THelpRequests() = default;
    virtual void ShowContextPopup(int context) = 0;
    virtual void ShowTopic(const QString& keyword) = 0;
    virtual void ShowContext(int context) = 0;
    virtual void ShowTip(int context) = 0;
    // The pages of that language ("FR" or "EN") from now on.
    virtual void SetLanguage(const QString& code) { (void)code; }
};

// The page (with its anchor) of a keyword or a context number; empty when it has none.
QString HelpPageOfTopic(const QString& keyword);
QString HelpPageOfContext(int context);
// The short text of a context number; a general sentence for one without its own.
QString HelpPopupText(int context);
// Every keyword and context number the program asks for.
const QStringList& HelpKeywords();
const QList<int>& HelpContexts();

// The folder of the pages: installed beside the program, or next to it in a build tree.
// The French pages are in it, the English ones in its folder "en", under the same names
// and with the same anchors.
QString FindHelpFolder();
QString HelpFolderOfLanguage(const QString& folder, const QString& code);

class THelpSystem : public THelpRequests {
public:
    // `folder` empty: the pages are looked for beside the program.
    explicit THelpSystem(QWidget* window, QString folder = {});
    ~THelpSystem() override;

    void ShowContextPopup(int context) override;
    void ShowTopic(const QString& keyword) override;
    void ShowContext(int context) override;
    void ShowTip(int context) override;
    void SetLanguage(const QString& code) override;
    QString Folder() const { return folder_; }

    // The help window's browser, made on first use.
    QTextBrowser* Browser();
    // Opens a page ("regles.html#moulins") in the help window.
    void ShowPage(const QString& page);
    // The tip dialog last shown, for tests.
    QDialog* TipDialog() const { return tip_; }

private:
    QWidget* window_;
    QString baseFolder_;
    QString folder_;
    QPointer<QWidget> helpWindow_;
    QTextBrowser* browser_ = nullptr;
    QPointer<QDialog> tip_;
};

} // namespace vantorel
