#include "ProfileRules.h"

#include "FindHostUtils.h"
#include "ProfileStore.h"
#include "Prompter.h"
#include "VexaLocale.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QtEndian>

#include <cstring>

namespace {

QString textOf(const char* field, std::size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, size)));
}

// The address in host order when the text is an IPv4 address at all.
bool parseIPv4(const QString& text, quint32* value)
{
    QHostAddress address;
    if (!address.setAddress(text) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    *value = address.toIPv4Address();
    return true;
}

} // namespace

bool ProfileRules::isUsableIPv4(const QString& text)
{
    quint32 value = 0;
    if (!parseIPv4(text, &value))
        return false;
    return value <= 0xDFFFFFFFu && value > 0x00FFFFFFu && (value >> 24) != 127;
}

bool ProfileRules::isValidPort(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const int port = text.toInt(&ok);
    return ok && port >= 1 && port <= 65535;
}

bool ProfileRules::isReachableName(const QString& text)
{
    // A usable address is taken as it is, and any other address text resolves to itself: only names
    // need the resolver (which would otherwise ask for the address's name on the network).
    QHostAddress literal;
    if (literal.setAddress(text))
        return true;
    const QHostInfo info = QHostInfo::fromName(text);
    return info.error() == QHostInfo::NoError && !info.addresses().isEmpty();
}

const NASINFO* ProfileRules::findServer(const NasInfoMap& serverMap, const QString& text)
{
    quint32 value = 0;
    const bool byAddress = isUsableIPv4(text) && parseIPv4(text, &value);
    for (auto it = serverMap.cbegin(); it != serverMap.cend(); ++it) {
        if (byAddress ? it->ipAddress == qToBigEndian(value)
                      : textOf(it->serverName, sizeof it->serverName) == text)
            return &it.value();
    }
    return nullptr;
}

bool ProfileRules::confirmServer(QObject* parent, const NASINFO& server)
{
    if (!FindHostUtils::isUploadCapable(server)) {
        Prompter::inform(parent, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::err_kv_not_supp));
        return false;
    }
    if (server.qcStatus == FHOSTQC_DONE)
        return true;
    const QString name = textOf(server.serverName, sizeof server.serverName);
    return Prompter::askYesNo(parent, Prompter::Icon::Warning, tx(TextId::err_warning),
                              tx(TextId::err_msg_sys_not_ready).arg(name) + QLatin1Char('\n') +
                                  tx(TextId::msg_cfrm_continue));
}

ProfileRules::Field ProfileRules::check(QObject* parent, const Entries& entries, const QString& currentName,
                                        const NasInfoMap* servers)
{
    if (servers) {
        const NASINFO* server = findServer(*servers, entries.host);
        if (server && !confirmServer(parent, *server))
            return Field::Server;
    }
    if (!entries.port.isEmpty() && !isValidPort(entries.port)) {
        Prompter::inform(nullptr, Prompter::Icon::Critical, tx(TextId::err_error), tx(TextId::err_bad_port));
        return Field::Port;
    }
    if (!isReachableName(entries.host)) {
        Prompter::inform(parent, Prompter::Icon::Critical, tx(TextId::err_error), tx(TextId::err_host_addr));
        return Field::Server;
    }
    if (entries.name != currentName && ProfileStore::profileExists(entries.name)) {
        Prompter::inform(parent, Prompter::Icon::Critical, tx(TextId::err_error),
                         tx(TextId::err_profname_duplicate).arg(entries.name));
        return Field::Name;
    }
    const auto refuse = [parent](TextId text, Field field) {
        Prompter::inform(parent, Prompter::Icon::Warning, tx(TextId::err_warning), tx(text));
        return field;
    };
    if (entries.name.isEmpty())
        return refuse(TextId::err_profname_empty, Field::Name);
    if (entries.port.isEmpty())
        return refuse(TextId::err_port_empty, Field::Port);
    if (entries.personal && entries.personalName.isEmpty())
        return refuse(TextId::err_personal_empty, Field::PersonalName);
    if (entries.account.isEmpty())
        return refuse(TextId::err_usrname_empty, Field::Account);
    return Field::None;
}
