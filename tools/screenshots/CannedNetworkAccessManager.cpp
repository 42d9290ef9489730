#include "CannedNetworkAccessManager.h"

#include "CannedReply.h"

#include <QIODevice>

QNetworkReply* CannedNetworkAccessManager::createRequest(Operation operation, const QNetworkRequest& request,
                                                         QIODevice* outgoingData)
{
    const QByteArray form = outgoingData ? outgoingData->readAll() : QByteArray();
    QByteArray body = R"({"success":false,"error_key":"unknown"})";
    if (form.contains("action=get_uploadable_album_list"))
        body = R"({"success":true,"is_admin":true,"is_root_updable":true,)"
               R"("uploadable_albums":["2012","2012/Trip to Lisbon","2013","2013/Party","Family",)"
               R"("Family/Summer","Family/Winter"]})";
    else if (form.contains("action=get_all_subalbum_list"))
        body = R"({"success":true,"sub_albums":["Friday","Saturday"]})";
    return new CannedReply(this, operation, request, body);
}
