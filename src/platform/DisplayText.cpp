#include "DisplayText.h"

#include <QFile>
#include <QStringDecoder>

QString displayText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(view);
}

QString qtFilePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string nativeFilePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
