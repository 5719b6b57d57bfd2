#include "platform/QtText.h"

#include <QStringDecoder>

namespace tess {

bool isUtf8(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

QString shownText(const std::string& bytes) {
    const auto size = static_cast<qsizetype>(bytes.size());
    return isUtf8(bytes) ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::string writtenText(const QString& text, const std::string& original) {
    if (!isUtf8(original)) {
        bool singleByte = true;
        for (QChar c : text) singleByte = singleByte && c.unicode() <= 0xFF;
        if (singleByte) return text.toLatin1().toStdString();
    }
    return text.toUtf8().toStdString();
}

}  // namespace tess
