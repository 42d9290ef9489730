#include "ServerConfig.h"

#include <QDir>
#include <QJsonArray>

namespace {

bool readBool(const QJsonObject& json, const QString& key, bool* out, QString* error)
{
    if (!json.contains(key))
        return true;
    if (!json.value(key).isBool()) {
        *error = QStringLiteral("\"%1\" must be true or false").arg(key);
        return false;
    }
    *out = json.value(key).toBool();
    return true;
}

bool readStringList(const QJsonValue& value, QStringList* out)
{
    if (!value.isArray())
        return false;
    QStringList list;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString())
            return false;
        list.append(item.toString());
    }
    *out = list;
    return true;
}

bool readAccount(const QString& name, const QJsonValue& value, ServerConfig::Account* account, QString* error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("account \"%1\" must be an object").arg(name);
        return false;
    }
    const QJsonObject json = value.toObject();
    static const QStringList known = {QStringLiteral("password"),          QStringLiteral("admin"),
                                      QStringLiteral("disabled"),          QStringLiteral("photo_user"),
                                      QStringLiteral("login_noprivilege"), QStringLiteral("personal")};
    for (const QString& key : json.keys()) {
        if (!known.contains(key)) {
            *error = QStringLiteral("account \"%1\": unknown key \"%2\"").arg(name, key);
            return false;
        }
    }
    account->password = json.value(QStringLiteral("password")).toString();
    return readBool(json, QStringLiteral("admin"), &account->admin, error) &&
           readBool(json, QStringLiteral("disabled"), &account->disabled, error) &&
           readBool(json, QStringLiteral("photo_user"), &account->photoUser, error) &&
           readBool(json, QStringLiteral("login_noprivilege"), &account->loginNoPrivilege, error) &&
           readBool(json, QStringLiteral("personal"), &account->personal, error);
}

QString absoluteFolder(const QString& path, const QString& baseDir)
{
    return QDir::cleanPath(QDir(baseDir).absoluteFilePath(path));
}

} // namespace

const QStringList& ServerConfig::endpointNames()
{
    static const QStringList names = {QStringLiteral("login"), QStringLiteral("album"),
                                      QStringLiteral("upload"), QStringLiteral("init"),
                                      QStringLiteral("probe")};
    return names;
}

ServerConfig ServerConfig::demo()
{
    ServerConfig config;
    Account demo;
    demo.password = QStringLiteral("demo");
    demo.personal = true;
    config.accounts.insert(QStringLiteral("demo"), demo);
    config.rootUploaders = {QStringLiteral("demo")};
    config.albums.insert(QStringLiteral("Demo"), {QStringLiteral("demo")});
    return config;
}

bool ServerConfig::merge(const QJsonObject& json, const QString& baseDir, QString* error)
{
    static const QStringList known = {QStringLiteral("root"),         QStringLiteral("homes"),
                                      QStringLiteral("run_photo"),    QStringLiteral("has_photo_root_path"),
                                      QStringLiteral("accounts"),     QStringLiteral("root_uploaders"),
                                      QStringLiteral("albums"),       QStringLiteral("faults"),
                                      QStringLiteral("secure_cookie")};
    for (const QString& key : json.keys()) {
        if (!known.contains(key)) {
            *error = QStringLiteral("unknown configuration key \"%1\"").arg(key);
            return false;
        }
    }
    ServerConfig next = *this;
    if (json.contains(QStringLiteral("root")))
        next.root = absoluteFolder(json.value(QStringLiteral("root")).toString(), baseDir);
    if (json.contains(QStringLiteral("homes")))
        next.homes = absoluteFolder(json.value(QStringLiteral("homes")).toString(), baseDir);
    if (!readBool(json, QStringLiteral("run_photo"), &next.runPhoto, error) ||
        !readBool(json, QStringLiteral("has_photo_root_path"), &next.hasPhotoRootPath, error) ||
        !readBool(json, QStringLiteral("secure_cookie"), &next.secureCookie, error))
        return false;
    if (json.contains(QStringLiteral("accounts"))) {
        const QJsonObject accounts = json.value(QStringLiteral("accounts")).toObject();
        next.accounts.clear();
        for (auto it = accounts.begin(); it != accounts.end(); ++it) {
            Account account;
            if (!readAccount(it.key(), it.value(), &account, error))
                return false;
            next.accounts.insert(it.key(), account);
        }
    }
    if (json.contains(QStringLiteral("root_uploaders")) &&
        !readStringList(json.value(QStringLiteral("root_uploaders")), &next.rootUploaders)) {
        *error = QStringLiteral("\"root_uploaders\" must be a list of account names");
        return false;
    }
    if (json.contains(QStringLiteral("albums"))) {
        const QJsonObject albums = json.value(QStringLiteral("albums")).toObject();
        next.albums.clear();
        for (auto it = albums.begin(); it != albums.end(); ++it) {
            QStringList uploaders;
            if (!readStringList(it.value(), &uploaders)) {
                *error = QStringLiteral("album \"%1\" must list account names").arg(it.key());
                return false;
            }
            next.albums.insert(it.key(), uploaders);
        }
    }
    if (json.contains(QStringLiteral("faults"))) {
        const QJsonObject faults = json.value(QStringLiteral("faults")).toObject();
        next.faults.clear();
        for (auto it = faults.begin(); it != faults.end(); ++it) {
            if (!endpointNames().contains(it.key())) {
                *error = QStringLiteral("unknown fault endpoint \"%1\"; use one of %2")
                             .arg(it.key(), endpointNames().join(QLatin1String(", ")));
                return false;
            }
            FaultRule rule;
            if (!FaultRule::fromJson(it.value().toObject(), &rule, error))
                return false;
            next.faults.insert(it.key(), rule);
        }
    }
    *this = next;
    return true;
}

bool ServerConfig::applyFaultFlag(const QString& flag, QString* error)
{
    const int dot = flag.indexOf(QLatin1Char('.'));
    const int equals = flag.indexOf(QLatin1Char('='));
    if (dot <= 0 || equals < dot + 2) {
        *error = QStringLiteral("--fault takes endpoint.key=value, not \"%1\"").arg(flag);
        return false;
    }
    const QString endpoint = flag.left(dot);
    const QString key = flag.mid(dot + 1, equals - dot - 1);
    QJsonObject rule = faults.value(endpoint).toJson();
    rule.insert(key, FaultRule::valueFromText(key, flag.mid(equals + 1)));
    QJsonObject all;
    for (auto it = faults.begin(); it != faults.end(); ++it)
        all.insert(it.key(), it.value().toJson());
    all.insert(endpoint, rule);
    return merge(QJsonObject{{QStringLiteral("faults"), all}}, QString(), error);
}

QJsonObject ServerConfig::toJson() const
{
    QJsonObject accountsJson;
    for (auto it = accounts.begin(); it != accounts.end(); ++it) {
        const Account& a = it.value();
        accountsJson.insert(it.key(), QJsonObject{{QStringLiteral("password"), a.password},
                                                  {QStringLiteral("admin"), a.admin},
                                                  {QStringLiteral("disabled"), a.disabled},
                                                  {QStringLiteral("photo_user"), a.photoUser},
                                                  {QStringLiteral("login_noprivilege"), a.loginNoPrivilege},
                                                  {QStringLiteral("personal"), a.personal}});
    }
    QJsonObject albumsJson;
    for (auto it = albums.begin(); it != albums.end(); ++it)
        albumsJson.insert(it.key(), QJsonArray::fromStringList(it.value()));
    QJsonObject faultsJson;
    for (auto it = faults.begin(); it != faults.end(); ++it)
        faultsJson.insert(it.key(), it.value().toJson());
    return QJsonObject{{QStringLiteral("root"), root},
                       {QStringLiteral("homes"), homes},
                       {QStringLiteral("run_photo"), runPhoto},
                       {QStringLiteral("has_photo_root_path"), hasPhotoRootPath},
                       {QStringLiteral("secure_cookie"), secureCookie},
                       {QStringLiteral("accounts"), accountsJson},
                       {QStringLiteral("root_uploaders"), QJsonArray::fromStringList(rootUploaders)},
                       {QStringLiteral("albums"), albumsJson},
                       {QStringLiteral("faults"), faultsJson}};
}

QStringList ServerConfig::grantsOf(const QString& account) const
{
    QStringList grants;
    if (rootUploaders.contains(account) || rootUploaders.contains(QStringLiteral("*")))
        grants.append(QString());
    for (auto it = albums.begin(); it != albums.end(); ++it) {
        if (it.value().contains(account) || it.value().contains(QStringLiteral("*")))
            grants.append(it.key());
    }
    return grants;
}
