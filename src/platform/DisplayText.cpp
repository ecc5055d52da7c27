#include "DisplayText.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// Windows-1252 is Latin-1 but for 0x80 to 0x9F, where it has the curly quotes, dashes, the
// ellipsis, the euro sign and a few letters. Its five unused codes stay what Latin-1 makes them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte});
    }
    return text;
}

} // namespace

QString displayText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

QString qtFilePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string nativeFilePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
