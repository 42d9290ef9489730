#include "BodyParser.h"

#include <QByteArrayView>
#include <QRegularExpression>

namespace {

QString formDecode(QByteArray text)
{
    text.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

} // namespace

BodyParser::Fields BodyParser::parseForm(const QByteArray& body)
{
    Fields fields;
    for (const QByteArray& pair : body.split('&')) {
        if (pair.isEmpty())
            continue;
        const int equals = pair.indexOf('=');
        if (equals < 0)
            fields.append({formDecode(pair), QString()});
        else
            fields.append({formDecode(pair.left(equals)), formDecode(pair.mid(equals + 1))});
    }
    return fields;
}

QString BodyParser::field(const Fields& fields, const QString& name)
{
    for (const auto& field : fields) {
        if (field.first == name)
            return field.second;
    }
    return QString();
}

bool BodyParser::parseMultipart(const std::string& contentType, const QByteArray& body, Fields* parts)
{
    static const QRegularExpression boundaryParameter(
        QStringLiteral("^\\s*multipart/form-data\\s*[;,].*\\bboundary=(\"?)([^\";,]+)\\1"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = boundaryParameter.match(QString::fromStdString(contentType));
    if (!match.hasMatch())
        return false;
    const QByteArray delimiter = "--" + match.captured(2).trimmed().toUtf8();

    qsizetype position = body.indexOf(delimiter);
    while (position >= 0) {
        qsizetype partStart = position + delimiter.size();
        if (QByteArrayView(body).sliced(partStart).startsWith("--"))
            break;
        if (!QByteArrayView(body).sliced(partStart).startsWith("\r\n"))
            return false;
        partStart += 2;
        const qsizetype next = body.indexOf(QByteArray("\r\n" + delimiter), partStart);
        if (next < 0)
            break;
        // With CR LF in front, a part without any header line still shows its empty line.
        const QByteArray part = QByteArray("\r\n") + body.mid(partStart, next - partStart);
        const qsizetype headerEnd = part.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return false;
        QString name;
        static const QRegularExpression nameParameter(QStringLiteral("\\bname=\"([^\"]*)\""),
                                                      QRegularExpression::CaseInsensitiveOption);
        for (const QByteArray& line : part.left(headerEnd).split('\n')) {
            const QString header = QString::fromUtf8(line.trimmed());
            if (!header.startsWith(QLatin1String("content-disposition:"), Qt::CaseInsensitive))
                continue;
            const QRegularExpressionMatch nameMatch = nameParameter.match(header);
            if (nameMatch.hasMatch())
                name = nameMatch.captured(1);
        }
        parts->append({name, QString::fromUtf8(part.mid(headerEnd + 4))});
        position = next + 2;
    }
    return !parts->isEmpty();
}

QString BodyParser::decodeHeaderValue(const std::string& raw)
{
    QByteArray value = QByteArray::fromStdString(raw);
    if (value.startsWith(' '))
        value.remove(0, 1);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value));
}

QString BodyParser::cookieValue(const std::string& header, const QString& name)
{
    for (const QByteArray& cookie : QByteArray::fromStdString(header).split(';')) {
        const QByteArray trimmed = cookie.trimmed();
        const int equals = trimmed.indexOf('=');
        if (equals > 0 && QString::fromUtf8(trimmed.left(equals)) == name)
            return QString::fromUtf8(trimmed.mid(equals + 1));
    }
    return QString();
}
