<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Välj den mapp som filerna ska laddas upp till</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Skapa mapp:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Skapa profil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Visa felrapport</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Slutför</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Börja ladda upp</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Ladda upp senare</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Välj vilken typ av konto du vill ladda upp filerna till.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Personligt Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Du kan ladda upp till två typer av konton: vanliga Lumio-konton och konton för Personligt Lumio. För att ladda upp till de senare måste du aktivera Personligt Lumio i Lumio. Mer information finns i hjälpen.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Ladda upp till</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Ange kontots användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Kom ihåg lösenordet</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Ange ett profilnamn och fyll i serverinformationen. Ändra sedan portnumret om det behövs.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Servernamn/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilnamn</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Med profiler kan du anpassa och spara dina inställningar så att du inte behöver ändra dem varje gång du laddar upp foton. Om profilnamnet lämnas tomt används namnet på din Korvat som standard.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Hantera profiler</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Ladda upp till Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Skapa ny profil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Inga profiler har skapats</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Användarkontot har inaktiverats.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 är inte ett giltigt Lumio-användarkonto.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Kontot eller lösenordet är ogiltigt. Försök igen.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Ogiltigt mappnamn: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Portnumret måste vara mellan 1 och 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Anslutningsfel. (Felkod: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Det gick inte att konvertera %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 finns inte längre eller kan inte läsas.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Servern svarade %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Överförd, men kunde inte registreras: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Anslutningsfel: %1 svarade inte på %2 sekunder.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Databasfel (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Den här funktionen är inte tillgänglig i demoläge.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Den här funktionen stöds inte av den anslutna servern.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Mappnamnet finns redan. Använd ett annat namn.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Ange ett giltigt värdnamn eller en giltig IP-adress.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Felaktigt lösenord.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Du har inte behörighet att använda den här tjänsten.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Det gick inte att upprätta anslutningen. Kontrollera värdnamnet/IP-adressen eller se till att Lumio fungerar som det ska och försök sedan igen.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat är inte redo. För att ladda upp foton till [%1] måste Korvat Manager vara installerat på servern och konfigurationen vara korrekt.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>För att ladda upp foton till [%1] måste servern vara korrekt installerad och konfigurerad.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Ladda upp från en mapp som inte är tom.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Välj ett mål innan du laddar upp.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Välj minst en kvalitet för videokonvertering innan du laddar upp.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Ange namnet på ett konto för Personligt Lumio.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio är inaktiverat. Logga in i NXM som administratör (eller som en användare i administratörsgruppen) för att aktivera Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio är inte installerat. Installera paketet från Modepot för att ladda upp foton.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Det begärda Personligt Lumio är inaktiverat. Logga in i NXM för att aktivera Personligt Lumio.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Den delade mappen ”photo” hittades inte. Kontrollera att den delade mappen ”photo” finns innan du laddar upp.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Ange portnumret.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Profilnamnet [%1] finns redan.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Ange ett profilnamn för den här servern.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Ingen %1 hittades i det lokala nätverket.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Anslutningen bröts. Logga in i Korvat Manager igen.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Okänt serverfel. (Felkod: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Dubblettfil hoppades över</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Du har inte behörighet att skapa nya album eller ladda upp filer.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Målmappen hittades inte: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Ange ett Lumio-konto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Du kan ladda upp foton eller videor med Lumio Uploader genom att högerklicka på objekt.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Installationen av Lumio Uploader är klar</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Med Lumio Uploader kan du ladda upp foto- och videofiler till Lumio-biblioteket på din Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Välj installationsplats</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Välkommen till Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader installeras, vänta...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Installerar Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Vill du verkligen avbryta?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Vill du verkligen fortsätta?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Vill du verkligen ta bort alla inställningar för Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Vill du verkligen ta bort profilen [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Ange lösenordet för %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Kontrollera följande: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader blockeras inte av brandväggen i datorns operativsystem eller av antivirusprogram.&lt;/li&gt; &lt;li&gt;%1 och datorn är båda anslutna till nätverket.&lt;/li&gt; &lt;li&gt;%1 är påslagen.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Ladda upp foton</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Antal filer att ladda upp</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Antal filer som inte stöds</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Byt namn på filer efter tagningstid</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Målmapp</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Om filen redan finns</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Misslyckade</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Uppladdade</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Uppladdningen är klar</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 filer</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Ladda bara upp filer som stöds</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Behåll mappstrukturen vid uppladdning</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Hoppa över filer som redan laddats upp</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Skriv över</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Uppladdade filer</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Laddar upp filer till [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Källmapp</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Välj konverteringskvaliteter för videor som ska spelas upp i Lumio. Uppladdningen tar längre tid om du väljer flera och/eller högre kvalitetsnivåer.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Hög (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Låg (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Medel (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Observera att du måste välja minst en kvalitetsinställning för att kunna spela upp videor i Lumio.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Det finns inga filer att ladda upp. De valda objekten har redan laddats upp till målmappen i Lumio, och ditt konto har inte behörighet att ladda upp de valda objekten till Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Ditt konto har inte behörighet att ladda upp de valda objekten till Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>De valda objekten har redan laddats upp till målmappen i Lumio. Det finns inga filer att ladda upp.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Profillagret %1 kan inte läsas: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Den tillfälliga mappen %1 är full.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Det går inte att skriva till den tillfälliga mappen %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>inga miniatyrer: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>VARNING: certifikatet för %1 har ändrats sedan det godkändes som betrott för profilen [%2]. Någon kanske avlyssnar anslutningen, eller så har serverns certifikat förnyats.

Betrott SHA-256-fingeravtryck:
%3

Uppvisat certifikat:
%4

Anslutningen avvisades. Vill du ersätta det betrodda certifikatet?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certifikatet har ändrats</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256-fingeravtryck:
%1
Ämne: %2
Giltigt från %3 till %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Certifikatet för %1 är nu betrott för profilen [%2]; du varnas om det ändras.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Ersätt bara det betrodda certifikatet när du vet att certifikatet för %1 har förnyats. Vill du lita på det uppvisade certifikatet för profilen [%2] från och med nu?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Den här datorn kan inte verifiera certifikatet för %1. Om det är din Korvats eget certifikat, jämför fingeravtrycket och lita på det för profilen [%2].

%3

Vill du lita på det här certifikatet?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Overifierat certifikat</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Mappen för programmets körningsfiler kan inte användas:
%1
Det måste vara en egen mapp som ingen annan användare kan öppna. Ta bort den och försök igen.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Ingen nyckelring för skrivbordet är tillgänglig: det sparade lösenordet förvaras i profildatabasen, som bara ditt konto kan läsa.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Ladda upp</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Spara…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Försök igen med misslyckade filer</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fil</numerusform>
            <numerusform>%n filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Konverterar %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Konverterar %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Laddar upp %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 av %2 skickat</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 kvar</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Misslyckades: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Hoppades över: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>hög kvalitet</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>medelhög kvalitet</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>låg kvalitet</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>mobilkvalitet</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Loggar in…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Kontrollerar %Ln fil…</numerusform>
            <numerusform>Kontrollerar %Ln filer…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Det gick inte att spara %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Inget foto eller video som stöds bland den %n angivna filen (använd --all-files för att skicka den ändå)</numerusform>
            <numerusform>Inga foton eller videor som stöds bland de %n angivna filerna (använd --all-files för att skicka dem ändå)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Avvisade före uppladdning: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Skickade %1 på %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Avbrutet.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Testkörning, inget skickades: %1 att ladda upp, %2 överhoppade, %3 avvisade.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album skapat</numerusform>
            <numerusform>%n album skapade</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album att skapa</numerusform>
            <numerusform>%n album att skapa</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Konverterar %1 (%2, pass %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Laddar upp %1 som %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Håll mapp uppladdad…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Sluta hålla uppladdad</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Välj mappen som ska hållas uppladdad med [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Profilen [%1] sparar inte sitt lösenord, och bakgrundstjänsten kan inte fråga efter det. Konfigurera ändå?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Mappen kan inte läsas: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Nya foton och videor i %1 laddas nu upp i bakgrunden med profilen [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd är inte tillgängligt, så inget håller mappen uppladdad i bakgrunden. Inställningarna är sparade: starta bevakningen själv med %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Uppladdningen i bakgrunden för [%1] kunde inte ändras: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Bevakar</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Laddar upp %n fil</numerusform>
            <numerusform>Laddar upp %n filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Servern onåbar sedan %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Körs inte</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Mappar: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Senaste körning: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Senaste fel: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Felstatus</translation>
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
        <translation>Inställningar för Lumio Uploader</translation>
    </message>
</context>
</TS>
