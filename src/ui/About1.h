#pragma once
// "A propos": the program's picture, its site and contact, version and date.
#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;

namespace vantorel {

class TMainWindow;

inline const QString kSiteAddress = QStringLiteral("https://vantorel.example.org/");
inline const QString kContactAddress = QStringLiteral("contact@vantorel.example.org");

class TApropos : public QDialog {
    // For tr(): the box's texts are looked up under its own name.
    Q_OBJECT
public:
    explicit TApropos(QWidget* parent = nullptr);

    QLabel *Image1 = nullptr, *Label_site = nullptr, *Lien_site = nullptr, *Label_contact = nullptr,
           *Lien_contact = nullptr, *Label_version = nullptr, *Label_date = nullptr;
    QPushButton* OKButton = nullptr;
};

// The box, modal, with the clock stopped and no usable view meanwhile, so that nothing
// plays behind it. An empty `run` is the box's own modal loop.
void ShowAboutBox(TMainWindow& window, const std::function<void(TApropos&)>& run = {});

} // namespace vantorel
