#pragma once

#include <QList>
#include <QObject>
#include <QVariantMap>
#include <utility>

namespace quillon::controls {

// A persisted property of a control and its default, the value that is not written.
using PersistedDefault = std::pair<const char*, QVariant>;

// Every listed property whose value differs from its default, keyed by property name.
QVariantMap changedProperties(const QObject& control, const QList<PersistedDefault>& defaults);

// Sets every listed property, in the order listed, to its stored value or else to its default.
void restoreProperties(QObject& control, const QVariantMap& stored,
                       const QList<PersistedDefault>& defaults);

}  // namespace quillon::controls
