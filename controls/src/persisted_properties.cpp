#include "persisted_properties.h"

#include <QPixmap>

namespace quillon::controls {

namespace {

// Pictures have no equality: two are the same when they share their data or are both empty.
bool same(const QVariant& value, const QVariant& fallback) {
    if (value.typeId() == QMetaType::QPixmap) {
        const auto a = value.value<QPixmap>();
        const auto b = fallback.value<QPixmap>();
        return a.cacheKey() == b.cacheKey() || (a.isNull() && b.isNull());
    }
    return value == fallback;
}

}  // namespace

QVariantMap changedProperties(const QObject& control, const QList<PersistedDefault>& defaults) {
    QVariantMap stored;
    for (const auto& [name, fallback] : defaults) {
        const QVariant value = control.property(name);
        if (!same(value, fallback)) {
            stored.insert(QString::fromLatin1(name), value);
        }
    }
    return stored;
}

void restoreProperties(QObject& control, const QVariantMap& stored,
                       const QList<PersistedDefault>& defaults) {
    for (const auto& [name, fallback] : defaults) {
        control.setProperty(name, stored.value(QString::fromLatin1(name), fallback));
    }
}

}  // namespace quillon::controls
