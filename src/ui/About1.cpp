#include "About1.h"

#include "AppIcon.h"
#include "Sdimain.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QLabel* Link(const QString& url, const QString& shown, QWidget* parent) {
    auto* label = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), shown.toHtmlEscaped()),
        parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TApropos::TApropos(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Apropos"));
    setWindowTitle(tr("A propos"));
    resize(523, 267);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(DrawVantorelIcon(180)));
    auto* name = new QLabel(QStringLiteral("<b style=\"font-size:20pt\">Vantorel</b>"), this);
    auto* tagline = new QLabel(tr("Le jeu du moulin sur tous les plateaux."), this);
    Label_site = new QLabel(tr("Site : "), this);
    Lien_site = Link(kSiteAddress, kSiteAddress, this);
    Label_contact = new QLabel(tr("Contact : "), this);
    Lien_contact = Link(QStringLiteral("mailto:") + kContactAddress, kContactAddress, this);
    Label_version = new QLabel(tr("Version 1.1 "), this);
    Label_date = new QLabel(QStringLiteral("02/2004"), this);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* facts = new QGridLayout;
    facts->addWidget(name, 0, 0, 1, 2);
    facts->addWidget(tagline, 1, 0, 1, 2);
    facts->addWidget(Label_site, 2, 0);
    facts->addWidget(Lien_site, 2, 1);
    facts->addWidget(Label_contact, 3, 0);
    facts->addWidget(Lien_contact, 3, 1);
    facts->addWidget(Label_version, 4, 0);
    facts->addWidget(Label_date, 4, 1);
    facts->setColumnStretch(1, 1);
    facts->setRowStretch(5, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addSpacing(16);
    top->addLayout(facts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void ShowAboutBox(TMainWindow& window, const std::function<void(TApropos&)>& run) {
    if (window.CurrentView) window.CurrentView->StopAnimation();
    const bool ticking = window.Horloge.isActive();
    window.Horloge.stop();
    const uint8_t theme = window.ThemeId;
    window.ThemeId = TMainWindow::kNoTheme;
    try {
        TApropos box(&window);
        if (run)
            run(box);
        else
            box.exec();
    } catch (const std::exception& error) {
        window.Assistant->ReportError(2, error.what());
    }
    window.ThemeId = theme;
    if (ticking) window.Horloge.start();
}

} // namespace vantorel
