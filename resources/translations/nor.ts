<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Velg mappen som filene skal lastes opp til</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Opprett mappe:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bla gjennom</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Opprett profil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Vis feilrapport</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fullfør</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Start opplasting</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Last opp senere</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Velg hvilken type konto du vil laste opp filene til.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Personlig Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Du kan laste opp til to typer kontoer: vanlige Lumio-kontoer og kontoer for Personlig Lumio. For å laste opp til de sistnevnte må du aktivere Personlig Lumio i Lumio. Se Hjelp for mer informasjon.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Last opp til</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Skriv inn brukernavnet og passordet for kontoen.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Husk passordet</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Skriv inn et profilnavn og fyll ut serverinformasjonen. Endre deretter portnummeret om nødvendig.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Servernavn/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilnavn</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Med profiler kan du tilpasse og lagre innstillingene dine, slik at du ikke trenger å endre dem hver gang du laster opp bilder. Hvis profilnavnet står tomt, brukes navnet på Korvat-enheten din som standard.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Behandle profiler</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Last opp til Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Opprett ny profil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Ingen profiler er opprettet</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Brukerkontoen er deaktivert.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 er ikke en gyldig Lumio-brukerkonto.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Kontoen eller passordet er ugyldig. Prøv igjen.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Ugyldig mappenavn: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Portnummeret må være mellom 1 og 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Tilkoblingsfeil. (Feilkode: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Kunne ikke konvertere %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 finnes ikke lenger eller kan ikke leses.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serveren svarte %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Lastet opp, men kunne ikke registreres: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Tilkoblingsfeil: %1 svarte ikke på %2 sekunder.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Databasefeil (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Denne funksjonen er ikke tilgjengelig i demomodus.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Denne funksjonen støttes ikke av den tilkoblede serveren.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Mappenavnet finnes allerede. Bruk et annet navn.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Skriv inn et gyldig vertsnavn eller en gyldig IP-adresse.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Feil passord.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Du har ikke tillatelse til å bruke denne tjenesten.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Kunne ikke opprette tilkoblingen. Kontroller vertsnavnet/IP-adressen, eller kontroller at Lumio fungerer som det skal, og prøv deretter igjen.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat er ikke klar. For å laste opp bilder til [%1] må Korvat Manager være installert på serveren og konfigurasjonen være riktig.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>For å laste opp bilder til [%1] må serveren være riktig installert og konfigurert.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Last opp fra en mappe som ikke er tom.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Velg et mål før du laster opp.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Velg minst én kvalitet for videokonvertering før du laster opp.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Skriv inn navnet på en konto for Personlig Lumio.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio er deaktivert. Logg på NXM som administrator (eller som en bruker i administratorgruppen) for å aktivere Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio er ikke installert. Installer pakken fra Modepot for å laste opp bilder.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Den forespurte Personlig Lumio er deaktivert. Logg på NXM for å aktivere Personlig Lumio.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Finner ikke den delte mappen «photo». Kontroller at den delte mappen «photo» finnes før du laster opp.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Skriv inn portnummeret.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Profilnavnet [%1] finnes allerede.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Skriv inn et profilnavn for denne serveren.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Fant ingen %1 på det lokale nettverket.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Tilkoblingen ble brutt. Logg på Korvat Manager på nytt.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Ukjent serverfeil. (Feilkode: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Duplikatfil hoppet over</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Du har ikke rettigheter til å opprette nye album eller laste opp filer.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Finner ikke målmappen: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Skriv inn en Lumio-konto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Du kan laste opp bilder eller videoer med Lumio Uploader ved å høyreklikke på elementer.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Installasjonen av Lumio Uploader er fullført</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Med Lumio Uploader kan du laste opp bilde- og videofiler til Lumio-biblioteket på din Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Velg installasjonsplassering</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Velkommen til Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader installeres nå. Vent litt...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Installerer Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Er du sikker på at du vil avbryte?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Er du sikker på at du vil fortsette?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Er du sikker på at du vil fjerne alle innstillingene for Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Er du sikker på at du vil slette profilen [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Skriv inn passordet for %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Kontroller følgende: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader blokkeres ikke av brannmuren i datamaskinens operativsystem eller av antivirusprogrammer.&lt;/li&gt; &lt;li&gt;%1 og datamaskinen er begge koblet til nettverket.&lt;/li&gt; &lt;li&gt;%1 er slått på.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Last opp bilder</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Antall filer som skal lastes opp</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Antall filer som ikke støttes</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Gi filer nytt navn etter opptakstidspunkt</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Målmappe</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Hvis filen allerede finnes</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Lastet opp</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Opplastingen er fullført</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 filer</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Last bare opp filer som støttes</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Behold mappestrukturen ved opplasting</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Hopp over filer som allerede er lastet opp</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overskriv</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Opplastede filer</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Laster opp filer til [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Kildemappe</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Velg konverteringskvaliteter for videoer som skal spilles av i Lumio. Opplastingen tar lengre tid hvis du velger flere og/eller høyere kvalitetsnivåer.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Høy (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Lav (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Middels (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Merk at du må velge minst én kvalitetsinnstilling for å kunne spille av videoer i Lumio.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Ingen filer er tilgjengelige for opplasting. De valgte elementene er allerede lastet opp til målmappen i Lumio, og kontoen din har ikke tillatelse til å laste opp de valgte elementene til Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Kontoen din har ikke tillatelse til å laste opp de valgte elementene til Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>De valgte elementene er allerede lastet opp til målmappen i Lumio. Ingen filer er tilgjengelige for opplasting.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Profillageret %1 kan ikke leses: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Den midlertidige mappen %1 er full.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Kan ikke skrive til den midlertidige mappen %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>ingen miniatyrbilder: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>ADVARSEL: sertifikatet for %1 er endret siden det ble klarert for profilen [%2]. Noen kan avlytte forbindelsen, eller serverens sertifikat er fornyet.

Klarert SHA-256-fingeravtrykk:
%3

Fremlagt sertifikat:
%4

Forbindelsen ble avvist. Vil du erstatte det klarerte sertifikatet?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Sertifikatet er endret</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256-fingeravtrykk:
%1
Emne: %2
Gyldig fra %3 til %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Sertifikatet for %1 er nå klarert for profilen [%2]; du blir varslet hvis det endres.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Erstatt det klarerte sertifikatet bare når du vet at sertifikatet for %1 er fornyet. Vil du klarere det fremlagte sertifikatet for profilen [%2] fra nå av?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Denne datamaskinen kan ikke bekrefte sertifikatet for %1. Hvis det er Korvat-enhetens eget sertifikat, sammenlign fingeravtrykket og klarer det for profilen [%2].

%3

Vil du klarere dette sertifikatet?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Ubekreftet sertifikat</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Mappen for programmets kjøretidsfiler kan ikke brukes:
%1
Den må være din egen mappe som ingen andre brukere kan åpne. Fjern den og prøv igjen.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Ingen nøkkelring for skrivebordet er tilgjengelig: det lagrede passordet oppbevares i profildatabasen, som bare kontoen din kan lese.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Last opp</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Lagre…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Prøv mislykkede filer på nytt</translation>
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
        <translation>Konverterer %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Konverterer %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Laster opp %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 av %2 sendt</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 igjen</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislyktes: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Hoppet over: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>høy kvalitet</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>middels kvalitet</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>lav kvalitet</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>mobilkvalitet</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Logger på…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Kontrollerer %Ln fil…</numerusform>
            <numerusform>Kontrollerer %Ln filer…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Kunne ikke lagre %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Ingen støttet bilde eller video blant den %n oppgitte filen (bruk --all-files for å sende den likevel)</numerusform>
            <numerusform>Ingen støttede bilder eller videoer blant de %n oppgitte filene (bruk --all-files for å sende dem likevel)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Avvist før opplasting: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Sendte %1 på %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Avbrutt.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Prøvekjøring, ingenting ble sendt: %1 å laste opp, %2 hoppet over, %3 avvist.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album opprettet</numerusform>
            <numerusform>%n album opprettet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album skal opprettes</numerusform>
            <numerusform>%n album skal opprettes</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Konverterer %1 (%2, gjennomløp %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Laster opp %1 som %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Hold mappe lastet opp…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Slutt å holde lastet opp</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Velg mappen som skal holdes lastet opp med [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Profilen [%1] husker ikke passordet sitt, og bakgrunnstjenesten kan ikke spørre etter det. Sette opp likevel?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Mappen kan ikke leses: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Nye bilder og videoer i %1 lastes nå opp i bakgrunnen med profilen [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd er ikke tilgjengelig, så ingenting holder mappen lastet opp i bakgrunnen. Innstillingene er lagret: start overvåkingen selv med %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Opplasting i bakgrunnen for [%1] kunne ikke endres: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Overvåker</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Laster opp %n fil</numerusform>
            <numerusform>Laster opp %n filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Serveren utilgjengelig siden %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Kjører ikke</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Mapper: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Siste kjøring: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Siste feil: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Feilstatus</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader – profilliste</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Innstillinger for Lumio Uploader</translation>
    </message>
</context>
</TS>
