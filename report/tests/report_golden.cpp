#include "report_golden.h"

#include <QFile>
#include <QStringDecoder>

namespace quillon::report::testing {

QByteArray goldenBytes(const QString& name) {
    QFile file(QStringLiteral(QUILLON_REPORT_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QString decodeGbk(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

}  // namespace quillon::report::testing
