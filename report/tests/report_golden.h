#pragma once

#include <QByteArray>
#include <QString>

namespace quillon::report::testing {

// The exact bytes of tests/golden/<name>.
QByteArray goldenBytes(const QString& name);

// A report's GBK bytes turned back into UTF-8 lines for readable failure output.
QString decodeGbk(const QByteArray& bytes);

}  // namespace quillon::report::testing
