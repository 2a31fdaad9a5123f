#include "WindowPlace.h"

#include "Session.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vantorel {

namespace {

const QString kPlaceKey = QStringLiteral("Fenetre");
// The status texts, the window's frame and the status bar's own margins.
constexpr int kWindowMargins = 40;

} // namespace

QRect DefaultWindowRect(const QRect& available, int minimumWidth) {
    const int width = std::min(available.width(),
                               std::max(available.width() * 2 / 3, minimumWidth + kWindowMargins));
    const int height = available.height() * 2 / 3;
    return {available.left() + (available.width() - width) / 2,
            available.top() + (available.height() - height) / 2, width, height};
}

void PlaceMainWindow(QWidget& window, const TUserStore& store, int minimumWidth) {
    const QByteArray kept = QByteArray::fromBase64(store.Read(kPlaceKey, QString()).toLatin1());
    if (!kept.isEmpty() && window.restoreGeometry(kept)) return;
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect place = DefaultWindowRect(available, minimumWidth);
    window.resize(place.size());
    window.move(place.topLeft());
}

void RememberWindowPlace(const QWidget& window, TUserStore& store) {
    store.Write(kPlaceKey, QString::fromLatin1(window.saveGeometry().toBase64()));
}

} // namespace vantorel
