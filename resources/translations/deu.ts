<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Wählen Sie einen Ordner aus, in den die Dateien hochgeladen werden sollen</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Ordner erstellen:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Profil erstellen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Fehlerbericht anzeigen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Hochladen starten</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Später hochladen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Wählen Sie die Art des Kontos, in das Sie Ihre Dateien hochladen möchten.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Persönliches Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Sie können in zwei Arten von Konten hochladen: in Standard-Lumio-Konten und in Konten für Persönliches Lumio. Um in Letztere hochzuladen, müssen Sie Persönliches Lumio in Lumio aktivieren. Weitere Informationen finden Sie in der Hilfe.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Hochladen in</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Geben Sie den Benutzernamen und das Passwort des Kontos ein.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Passwort speichern</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Geben Sie einen Profilnamen und die Serverinformationen ein. Ändern Sie anschließend bei Bedarf die Portnummer.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Servername/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>In Profilen können Sie Ihre Einstellungen anpassen und speichern, sodass Sie sie nicht bei jedem Hochladen von Fotos erneut ändern müssen. Bleibt der Profilname leer, wird standardmäßig der Name Ihres Korvat verwendet.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Profile verwalten</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>In Lumio hochladen</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Neues Profil erstellen</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Es wurden noch keine Profile erstellt</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Das Benutzerkonto wurde deaktiviert.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 ist kein gültiges Lumio-Benutzerkonto.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Das Konto oder das Passwort ist ungültig. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Ungültiger Ordnername: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Die Portnummer muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Verbindungsfehler. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>%1 konnte nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 existiert nicht mehr oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Der Server antwortete %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Hochgeladen, aber nicht vermerkt: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Verbindungsfehler: %1 hat %2 Sekunden lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Datenbankfehler (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Diese Funktion ist im Demomodus nicht verfügbar.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Diese Funktion wird vom verbundenen Server nicht unterstützt.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Der Ordnername ist bereits vorhanden. Bitte verwenden Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Bitte geben Sie einen gültigen Hostnamen oder eine gültige IP-Adresse ein.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Sie sind nicht berechtigt, diesen Dienst zu nutzen.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Die Verbindung konnte nicht hergestellt werden. Bitte überprüfen Sie den Hostnamen bzw. die IP-Adresse oder stellen Sie sicher, dass Lumio ordnungsgemäß funktioniert, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat ist nicht bereit. Um Fotos auf [%1] hochzuladen, stellen Sie bitte sicher, dass Korvat Manager auf dem Server installiert ist und die Konfiguration korrekt eingerichtet ist.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Um Fotos auf [%1] hochzuladen, stellen Sie bitte sicher, dass der Server korrekt installiert und konfiguriert ist.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Bitte laden Sie aus einem Ordner hoch, der nicht leer ist.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Bitte wählen Sie vor dem Hochladen ein Ziel aus.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Bitte wählen Sie vor dem Hochladen mindestens eine Qualitätsstufe für die Videokonvertierung aus.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Bitte geben Sie den Namen eines Kontos für Persönliches Lumio ein.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio ist deaktiviert. Bitte melden Sie sich als Administrator (oder als Mitglied der Administratorgruppe) bei NXM an, um Lumio zu aktivieren.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio ist nicht installiert. Bitte installieren Sie das Paket über Modepot, um Fotos hochzuladen.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Das angeforderte Persönliche Lumio ist deaktiviert. Bitte melden Sie sich bei NXM an, um Persönliches Lumio zu aktivieren.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Der freigegebene Ordner „photo“ wurde nicht gefunden. Bitte stellen Sie vor dem Hochladen sicher, dass der freigegebene Ordner „photo“ vorhanden ist.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Bitte geben Sie die Portnummer ein.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Der Profilname [%1] ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Bitte geben Sie einen Profilnamen für diesen Server ein.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Im lokalen Netzwerk wurde kein %1 gefunden.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Die Verbindung wurde unterbrochen. Bitte melden Sie sich erneut bei Korvat Manager an.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Unbekannter Serverfehler. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Doppelte Datei überspringen</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Sie sind weder berechtigt, neue Alben zu erstellen, noch Dateien hochzuladen.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Der Zielordner wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Geben Sie ein Lumio-Konto ein</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Sie können Fotos oder Videos mit Lumio Uploader hochladen, indem Sie mit der rechten Maustaste auf Elemente klicken.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Installation von Lumio Uploader abgeschlossen</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Mit Lumio Uploader können Sie Foto- und Videodateien in die Lumio-Bibliothek Ihres Vexalon Korvat hochladen.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Installationsort auswählen</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Willkommen bei Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader wird jetzt installiert, bitte warten...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Lumio Uploader wird installiert</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Möchten Sie wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Möchten Sie wirklich alle Einstellungen von Lumio Uploader entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Möchten Sie das Profil [%1] wirklich löschen?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Bitte geben Sie das Passwort für %1 ein.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Bitte stellen Sie Folgendes sicher: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader wird nicht von der Firewall des Betriebssystems Ihres Computers oder von Antivirenprogrammen blockiert.&lt;/li&gt; &lt;li&gt;%1 und Ihr Computer sind beide mit dem Netzwerk verbunden.&lt;/li&gt; &lt;li&gt;%1 ist eingeschaltet.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Fotos hochladen</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Anzahl hochzuladender Dateien</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Anzahl nicht unterstützter Dateien</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Dateien nach Aufnahmezeitpunkt umbenennen</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Bei vorhandener Datei</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Erfolgreich hochgeladen</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Hochladen abgeschlossen</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Nur unterstützte Dateien hochladen</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Ordnerstruktur beim Hochladen beibehalten</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Bereits hochgeladene Dateien überspringen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Hochgeladene Dateien</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Dateien werden auf [%1] hochgeladen...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Wählen Sie die Konvertierungsqualitäten für Videos aus, die in Lumio abgespielt werden sollen. Das Hochladen dauert länger, wenn Sie mehrere und/oder höhere Qualitätsstufen auswählen.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Hoch (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Niedrig (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Mittel (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Bitte beachten Sie, dass Sie mindestens eine Qualitätsstufe auswählen müssen, um Videos in Lumio abspielen zu können.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Es sind keine Dateien zum Hochladen verfügbar. Die ausgewählten Elemente wurden bereits in den Zielordner in Lumio hochgeladen, und Ihr Konto ist nicht berechtigt, die ausgewählten Elemente in Lumio hochzuladen.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Ihr Konto ist nicht berechtigt, die ausgewählten Elemente in Lumio hochzuladen.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Die ausgewählten Elemente wurden bereits in den Zielordner in Lumio hochgeladen. Es sind keine Dateien zum Hochladen verfügbar.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Der Profilspeicher %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Der temporäre Ordner %1 ist voll.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>In den temporären Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>keine Miniaturansichten: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>WARNUNG: Das Zertifikat von %1 hat sich geändert, seit es für das Profil [%2] als vertrauenswürdig eingestuft wurde. Möglicherweise wird die Verbindung abgehört, oder das Zertifikat des Servers wurde erneuert.

Vertrauenswürdiger SHA-256-Fingerabdruck:
%3

Vorgelegtes Zertifikat:
%4

Die Verbindung wurde abgelehnt. Das vertrauenswürdige Zertifikat ersetzen?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Zertifikat geändert</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256-Fingerabdruck:
%1
Antragsteller: %2
Gültig von %3 bis %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Das Zertifikat von %1 gilt jetzt für das Profil [%2] als vertrauenswürdig; Sie werden gewarnt, wenn es sich ändert.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Ersetzen Sie das vertrauenswürdige Zertifikat nur, wenn Sie wissen, dass das Zertifikat von %1 erneuert wurde. Dem vorgelegten Zertifikat ab jetzt für das Profil [%2] vertrauen?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Dieser Computer kann das Zertifikat von %1 nicht überprüfen. Wenn es das eigene Zertifikat Ihres Korvat ist, vergleichen Sie den Fingerabdruck und vertrauen Sie ihm für das Profil [%2].

%3

Diesem Zertifikat vertrauen?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Nicht überprüftes Zertifikat</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Der Ordner für die Laufzeitdateien dieses Programms kann nicht verwendet werden:
%1
Er muss ein eigener Ordner sein, den kein anderer Benutzer öffnen kann. Entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Es ist kein Schlüsselbund der Arbeitsumgebung verfügbar: Das gespeicherte Kennwort wird in der Profildatenbank aufbewahrt, die nur Ihr Konto lesen kann.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Fehlgeschlagene Dateien erneut senden</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 wird konvertiert</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>%1 wird konvertiert — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 wird hochgeladen</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 von %2 gesendet</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>hohe Qualität</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>mittlere Qualität</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>niedrige Qualität</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>Mobilqualität</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Anmeldung läuft…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>%Ln Datei wird geprüft…</numerusform>
            <numerusform>%Ln Dateien werden geprüft…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Kein unterstütztes Foto oder Video unter der %n angegebenen Datei (mit --all-files wird sie trotzdem gesendet)</numerusform>
            <numerusform>Kein unterstütztes Foto oder Video unter den %n angegebenen Dateien (mit --all-files werden sie trotzdem gesendet)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Vor dem Hochladen abgelehnt: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1 in %2 gesendet.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Testlauf, nichts wurde gesendet: %1 hochzuladen, %2 übersprungen, %3 abgelehnt.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n Album erstellt</numerusform>
            <numerusform>%n Alben erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n Album zu erstellen</numerusform>
            <numerusform>%n Alben zu erstellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>%1 wird konvertiert (%2, Durchgang %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>%1 wird als %2 hochgeladen</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Ordner hochgeladen halten…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Nicht mehr hochgeladen halten</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Ordner wählen, der mit [%1] hochgeladen gehalten wird</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Das Profil [%1] speichert sein Kennwort nicht, und der Hintergrunddienst kann nicht danach fragen. Trotzdem einrichten?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Dieser Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Neue Fotos und Videos in %1 werden jetzt im Hintergrund mit dem Profil [%2] hochgeladen.</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd ist nicht verfügbar, daher hält nichts den Ordner im Hintergrund hochgeladen. Die Einstellungen sind gespeichert: Starten Sie die Überwachung selbst mit %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Das Hochladen im Hintergrund für [%1] konnte nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Überwacht</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>%n Datei wird hochgeladen</numerusform>
            <numerusform>%n Dateien werden hochgeladen</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Server nicht erreichbar seit %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Läuft nicht</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Letzter Lauf: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Letzter Fehler: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Fehlerstatus</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader – Profilliste</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader-Einstellungen</translation>
    </message>
</context>
</TS>
