#pragma once
// The known players: a sorted list in which a name already present is not added again. It
// always holds the default names; every name read from the settings file or typed in the
// new-game dialog joins it.
#include <QString>
#include <QStringList>

#include <algorithm>

namespace vantorel {

class TPlayerNames {
public:
    static QStringList DefaultNames() {
        return {QStringLiteral("Olvira"),  QStringLiteral("Bresca"), QStringLiteral("Tobran"),
                QStringLiteral("Quillon"), QStringLiteral("Derwyn"), QStringLiteral("Yvandor"),
                QStringLiteral("Lumarre")};
    }

    void Add(const QString& name) {
        const auto at = std::lower_bound(names_.begin(), names_.end(), name);
        if (at == names_.end() || *at != name) names_.insert(at, name);
    }
    void AddDefaults() {
        for (const QString& name : DefaultNames())
            Add(name);
    }
    bool Contains(const QString& name) const {
        return std::binary_search(names_.begin(), names_.end(), name);
    }
    const QStringList& Names() const { return names_; }

private:
    QStringList names_;
};

} // namespace vantorel
