<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Válassza ki a mappát, ahová a fájlokat fel szeretné tölteni</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Mappa létrehozása:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Tallózás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Létrehozás</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Profil létrehozása</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Hibajelentés megtekintése</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Feltöltés indítása</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Feltöltés később</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Válassza ki, milyen típusú fiókba szeretné feltölteni a fájlokat.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Személyes Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Kétféle fiókba tölthet fel: normál Lumio-fiókokba és Személyes Lumio-fiókokba. Az utóbbiakba való feltöltéshez be kell kapcsolnia a Személyes Lumio funkciót a Lumióban. További részleteket a Súgóban talál.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Feltöltés ide</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Adja meg a fiók felhasználónevét és jelszavát.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Jelszó megjegyzése</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Adjon meg egy profilnevet és a kiszolgáló adatait, majd szükség esetén módosítsa a portszámot.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Kiszolgáló neve/IP-címe</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portszám</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilnév</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>A profilokban testre szabhatja és mentheti a beállításait, így nem kell minden fotófeltöltéskor módosítania őket. Ha a profilnevet üresen hagyja, alapértelmezés szerint a Korvat neve lesz a profil neve.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Profilok kezelése</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Feltöltés a Lumióba</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Új profil létrehozása</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Még nincs létrehozott profil</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>A felhasználói fiók le van tiltva.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>A(z) %1 nem érvényes Lumio-felhasználói fiók.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>A fiók vagy a jelszó érvénytelen. Próbálja újra.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Érvénytelen mappanév: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>A portszámnak 1 és 65535 között kell lennie.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Csatlakozási hiba. (Hibakód: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Nem sikerült átalakítani: %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 már nem létezik, vagy nem olvasható.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>A kiszolgáló válasza: %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Feltöltve, de nem sikerült rögzíteni: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Kapcsolódási hiba: %1 %2 másodpercig nem válaszolt.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Adatbázishiba (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Ez a funkció bemutató módban nem érhető el.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>A csatlakoztatott kiszolgáló nem támogatja ezt a funkciót.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Már létezik ilyen nevű mappa. Adjon meg másik nevet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Adjon meg érvényes állomásnevet vagy IP-címet.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Helytelen jelszó.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Nincs jogosultsága a szolgáltatás használatára.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Nem sikerült létrehozni a kapcsolatot. Ellenőrizze az állomásnevet vagy az IP-címet, illetve győződjön meg arról, hogy a Lumio megfelelően működik, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>A Vexalon Korvat nem áll készen. Ahhoz, hogy fotókat tölthessen fel ide: [%1], győződjön meg arról, hogy a Korvat Manager telepítve van a kiszolgálón, és a beállítások helyesek.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Ahhoz, hogy fotókat tölthessen fel ide: [%1], győződjön meg arról, hogy a kiszolgáló telepítve van és helyesen van beállítva.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Nem üres mappából töltsön fel.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Feltöltés előtt válasszon célhelyet.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Feltöltés előtt válasszon legalább egy videóátalakítási minőséget.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Adja meg egy Személyes Lumio-fiók nevét.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>A Lumio ki van kapcsolva. A Lumio bekapcsolásához jelentkezzen be az NXM-be rendszergazdaként (vagy a rendszergazdák csoportjába tartozó felhasználóként).</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>A Lumio nincs telepítve. Fotók feltöltéséhez telepítse a csomagot a Modepotból.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>A kért Személyes Lumio ki van kapcsolva. A Személyes Lumio bekapcsolásához jelentkezzen be az NXM-be.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>A „photo” megosztott mappa nem található. Feltöltés előtt győződjön meg arról, hogy a „photo” megosztott mappa létezik.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Adja meg a portszámot.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>A(z) [%1] profilnév már létezik.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Adjon meg profilnevet ehhez a kiszolgálóhoz.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Nem található %1 a helyi hálózaton.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>A kapcsolat megszakadt. Jelentkezzen be újra a Korvat Managerbe.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Ismeretlen kiszolgálóhiba. (Hibakód: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Ismétlődő fájl kihagyva</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Nincs jogosultsága új albumok létrehozására vagy fájlok feltöltésére.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>A célmappa nem található: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Adjon meg egy Lumio-fiókot</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>A Lumio Uploaderrel fotókat vagy videókat tölthet fel, ha a jobb egérgombbal az elemekre kattint.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>A Lumio Uploader telepítése befejeződött</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>A Lumio Uploaderrel fotó- és videofájlokat tölthet fel a Vexalon Korvat Lumio-könyvtárába.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Telepítési hely kiválasztása</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Üdvözli a Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>A Lumio Uploader telepítése folyamatban van, kis türelmet...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>A Lumio Uploader telepítése</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Biztosan megszakítja?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Biztosan folytatja?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Biztosan eltávolítja a Lumio Uploader összes beállítását?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Biztosan törli a(z) [%1] profilt?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Adja meg a(z) %1 felhasználó jelszavát.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Győződjön meg a következőkről: &lt;p&gt;&lt;ul&gt;&lt;li&gt;A számítógép operációs rendszerének tűzfala vagy a víruskereső nem blokkolja a Vexalon Lumio Uploadert.&lt;/li&gt; &lt;li&gt;%1 és a számítógép is csatlakozik a hálózathoz.&lt;/li&gt; &lt;li&gt;%1 be van kapcsolva.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Fotók feltöltése</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Feltöltendő fájlok száma</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Nem támogatott fájlok száma</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Fájlok átnevezése a készítés időpontja szerint</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Célmappa</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Ha a fájl már létezik</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Sikertelen feltöltés</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Sikeresen feltöltve</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>A feltöltés befejeződött</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fájl</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Csak a támogatott fájlok feltöltése</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Mappaszerkezet megtartása feltöltéskor</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Már feltöltött fájlok kihagyása</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Felülírás</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Feltöltött fájlok</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Fájlok feltöltése ide: [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Kihagyás</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Forrásmappa</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Válassza ki a Lumióban lejátszandó videók átalakítási minőségét. Több vagy magasabb minőségi szint választása esetén a feltöltés tovább tart.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Magas (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Alacsony (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Közepes (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>A videók Lumióban való lejátszásához legalább egy minőségi beállítást ki kell választania.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Nincs feltölthető fájl, mert a kijelölt elemeket már feltöltötték a Lumio célmappájába, és a fiókjának nincs jogosultsága a kijelölt elemek Lumióba való feltöltésére.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>A fiókjának nincs jogosultsága a kijelölt elemek Lumióba való feltöltésére.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>A kijelölt elemeket már feltöltötték a Lumio célmappájába. Nincs feltölthető fájl.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>A(z) %1 profiltár nem olvasható: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>A(z) %1 ideiglenes mappa megtelt.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>A(z) %1 ideiglenes mappa nem írható.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>nincsenek bélyegképek: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>FIGYELEM: %1 tanúsítványa megváltozott, amióta megbízhatónak lett jelölve a(z) [%2] profilhoz. Lehet, hogy valaki lehallgatja a kapcsolatot, vagy a kiszolgáló tanúsítványát megújították.

Megbízható SHA-256 ujjlenyomat:
%3

Bemutatott tanúsítvány:
%4

A kapcsolat elutasítva. Lecseréli a megbízható tanúsítványt?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>A tanúsítvány megváltozott</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 ujjlenyomat:
%1
Tárgy: %2
Érvényes: %3 – %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>%1 tanúsítványa mostantól megbízható a(z) [%2] profilhoz; figyelmeztetést kap, ha megváltozik.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Csak akkor cserélje le a megbízható tanúsítványt, ha tudja, hogy %1 tanúsítványát megújították. Mostantól megbízik a bemutatott tanúsítványban a(z) [%2] profilhoz?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Ez a számítógép nem tudja ellenőrizni %1 tanúsítványát. Ha ez a Korvat saját tanúsítványa, hasonlítsa össze az ujjlenyomatát, és bízzon meg benne a(z) [%2] profilhoz.

%3

Megbízik ebben a tanúsítványban?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Nem ellenőrzött tanúsítvány</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>A program futásidejű fájljainak mappája nem használható:
%1
Saját mappának kell lennie, amelyet más felhasználó nem nyithat meg. Távolítsa el, majd próbálja újra.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Nem érhető el asztali kulcstartó: a megjegyzett jelszó a profiladatbázisban van tárolva, amelyet csak az Ön fiókja olvashat.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Mentés…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Sikertelen fájlok újrapróbálása</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fájl</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 konvertálása</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>%1 konvertálása — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 feltöltése</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 / %2 elküldve</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Hátravan: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Sikertelen: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Kihagyva: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>magas minőség</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>közepes minőség</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>alacsony minőség</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>mobil minőség</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Bejelentkezés…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>%Ln fájl ellenőrzése…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-fájlok (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 nem menthető: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>A megadott %n fájl között nincs támogatott fénykép vagy videó (a --all-files kapcsolóval mégis elküldhetők)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Feltöltés előtt elutasítva: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1 elküldve %2 alatt.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Megszakítva.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Próbafuttatás, semmi sem lett elküldve: feltöltendő %1, kihagyva %2, elutasítva %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album létrehozva</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n létrehozandó album</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>%1 konvertálása (%2, %3/%4. menet)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>%1 feltöltése %2 néven</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Mappa feltöltve tartása…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Feltöltve tartás leállítása</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Válassza ki a(z) [%1] profillal feltöltve tartandó mappát</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>A(z) [%1] profil nem jegyzi meg a jelszavát, és a háttérszolgáltatás nem tudja bekérni. Beállítja mégis?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Ez a mappa nem olvasható: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>A(z) %1 új fényképei és videói mostantól a háttérben töltődnek fel a(z) [%2] profillal.</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>A systemd nem érhető el, így semmi sem tartja feltöltve a mappát a háttérben. A beállítások mentve: indítsa el a figyelést saját maga ezzel: %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>A(z) [%1] háttérfeltöltése nem módosítható: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Figyelés</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>%n fájl feltöltése</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>A kiszolgáló nem érhető el ekkortól: %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Nem fut</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Mappák: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Utolsó futás: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Utolsó hiba: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Hiba állapota</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader – profillista</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader beállításai</translation>
    </message>
</context>
</TS>
