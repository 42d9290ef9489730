<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Vælg den mappe, som filerne skal uploades til</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Opret mappe:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gennemse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Opret profil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Udført</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Vis fejlrapport</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Udfør</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
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
        <translation>Gem</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Start upload</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Upload senere</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Vælg, hvilken type konto du vil uploade dine filer til.</translation>
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
        <translation>Du kan uploade til to typer konti: almindelige Lumio-konti og konti til Personligt Lumio. For at uploade til de sidstnævnte skal du aktivere Personligt Lumio i Lumio. Se Hjælp for at få flere oplysninger.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Upload til</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Angiv kontoens brugernavn og adgangskode.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Husk adgangskode</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Angiv et profilnavn, og udfyld serveroplysningerne. Ret derefter portnummeret, hvis det er nødvendigt.</translation>
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
        <translation>Med profiler kan du tilpasse og gemme dine indstillinger, så du ikke skal ændre dem, hver gang du uploader fotos. Hvis profilnavnet ikke udfyldes, bruges navnet på din Korvat som standard.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Administrer profiler</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Upload til Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Opret ny profil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Der er ikke oprettet nogen profiler</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Brugerkontoen er deaktiveret.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 er ikke en gyldig Lumio-brugerkonto.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Kontoen eller adgangskoden er ugyldig. Prøv igen.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Ugyldigt mappenavn: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Portnummeret skal være mellem 1 og 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Forbindelsesfejl. (Fejlkode: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>%1 kunne ikke konverteres.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 findes ikke længere eller kan ikke læses.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serveren svarede %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Overført, men kunne ikke registreres: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Forbindelsesfejl: %1 svarede ikke i %2 sekunder.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Databasefejl (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Denne funktion er ikke tilgængelig i demotilstand.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Denne funktion understøttes ikke af den tilsluttede server.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Mappenavnet findes allerede. Brug et andet navn.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Angiv et gyldigt værtsnavn eller en gyldig IP-adresse.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Forkert adgangskode.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Du har ikke tilladelse til at bruge denne tjeneste.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Forbindelsen kunne ikke oprettes. Kontrollér værtsnavnet/IP-adressen, eller sørg for, at Lumio fungerer korrekt, og prøv derefter igen.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat er ikke klar. For at uploade fotos til [%1] skal du sørge for, at Korvat Manager er installeret på serveren, og at konfigurationen er korrekt.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>For at uploade fotos til [%1] skal du sørge for, at serveren er installeret og konfigureret korrekt.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Upload fra en mappe, der ikke er tom.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Vælg en destination, før du uploader.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Vælg mindst én kvalitet til videokonvertering, før du uploader.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Angiv navnet på en konto til Personligt Lumio.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio er deaktiveret. Log på NXM som administrator (eller som en bruger i administratorgruppen) for at aktivere Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio er ikke installeret. Installer pakken fra Modepot for at uploade fotos.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Det ønskede Personligt Lumio er deaktiveret. Log på NXM for at aktivere Personligt Lumio.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Den delte mappe "photo" blev ikke fundet. Sørg for, at den delte mappe "photo" findes, før du uploader.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Angiv portnummeret.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Profilnavnet [%1] findes allerede.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Angiv et profilnavn til denne server.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Der blev ikke fundet nogen %1 på det lokale netværk.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Forbindelsen blev afbrudt. Log på Korvat Manager igen.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Ukendt serverfejl. (Fejlkode: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Dubletfil sprunget over</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Du har ikke rettigheder til at oprette nye album eller uploade filer.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Destinationsmappen blev ikke fundet: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Angiv en Lumio-konto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Du kan uploade fotos eller videoer med Lumio Uploader ved at højreklikke på elementer.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Installationen af Lumio Uploader er fuldført</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Med Lumio Uploader kan du uploade foto- og videofiler til Lumio-biblioteket på din Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Vælg installationsplacering</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Velkommen til Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader installeres nu. Vent venligst...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Installerer Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Er du sikker på, at du vil annullere?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Er du sikker på, at du vil fortsætte?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Er du sikker på, at du vil fjerne alle indstillinger for Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Er du sikker på, at du vil slette profilen [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Angiv adgangskoden til %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Kontrollér følgende: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader blokeres ikke af firewallen i computerens operativsystem eller af antivirusprogrammer.&lt;/li&gt; &lt;li&gt;%1 og din computer er begge forbundet til netværket.&lt;/li&gt; &lt;li&gt;%1 er tændt.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Upload fotos</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Antal filer, der skal uploades</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Antal filer, der ikke understøttes</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Omdøb filer efter optagelsestidspunkt</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Destinationsmappe</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Hvis filen allerede findes</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Mislykkedes</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Uploadet</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Upload fuldført</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 filer</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Upload kun understøttede filer</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Bevar mappestrukturen ved upload</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Spring filer over, der allerede er uploadet</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overskriv</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Uploadede filer</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Uploader filer til [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Spring over</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Kildemappe</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Vælg konverteringskvaliteter for videoer, der skal afspilles i Lumio. Upload tager længere tid, hvis du vælger flere og/eller højere kvalitetsniveauer.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Høj (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Lav (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Mellem (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Bemærk, at du skal vælge mindst én kvalitetsindstilling for at kunne afspille videoer i Lumio.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Der er ingen filer at uploade. De valgte elementer er allerede uploadet til destinationsmappen i Lumio, og din konto har ikke tilladelse til at uploade de valgte elementer til Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Din konto har ikke tilladelse til at uploade de valgte elementer til Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>De valgte elementer er allerede uploadet til destinationsmappen i Lumio. Der er ingen filer at uploade.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Profillageret %1 kan ikke læses: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Den midlertidige mappe %1 er fuld.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Der kan ikke skrives til den midlertidige mappe %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>ingen miniaturer: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>ADVARSEL: certifikatet for %1 er ændret, siden det blev godkendt som pålideligt for profilen [%2]. Nogen opsnapper måske forbindelsen, eller serverens certifikat er blevet fornyet.

Pålideligt SHA-256-fingeraftryk:
%3

Fremvist certifikat:
%4

Forbindelsen blev afvist. Vil du erstatte det pålidelige certifikat?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certifikatet er ændret</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256-fingeraftryk:
%1
Emne: %2
Gyldigt fra %3 til %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Certifikatet for %1 er nu godkendt som pålideligt for profilen [%2]; du bliver advaret, hvis det ændres.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Erstat kun det pålidelige certifikat, når du ved, at certifikatet for %1 er blevet fornyet. Vil du fremover stole på det fremviste certifikat for profilen [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Denne computer kan ikke bekræfte certifikatet for %1. Hvis det er din Korvats eget certifikat, så sammenlign fingeraftrykket, og stol på det for profilen [%2].

%3

Vil du stole på dette certifikat?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Ikke-bekræftet certifikat</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Mappen til programmets kørselsfiler kan ikke bruges:
%1
Det skal være din egen mappe, som ingen anden bruger kan åbne. Fjern den, og prøv igen.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Der er ingen nøglering på skrivebordet: den huskede adgangskode gemmes i profildatabasen, som kun din konto kan læse.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Gem…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Prøv mislykkede filer igen</translation>
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
        <translation>Uploader %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 af %2 sendt</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 tilbage</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislykkedes: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Sprunget over: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>høj kvalitet</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>mellem kvalitet</translation>
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
        <translation>Kunne ikke gemme %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Intet understøttet foto eller video blandt den %n angivne fil (brug --all-files for at sende den alligevel)</numerusform>
            <numerusform>Intet understøttet foto eller video blandt de %n angivne filer (brug --all-files for at sende dem alligevel)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Afvist før upload: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Sendte %1 på %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulleret.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Prøvekørsel, intet blev sendt: %1 til upload, %2 sprunget over, %3 afvist.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album oprettet</numerusform>
            <numerusform>%n album oprettet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album skal oprettes</numerusform>
            <numerusform>%n album skal oprettes</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Konverterer %1 (%2, gennemløb %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Uploader %1 som %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Hold mappe uploadet…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Hold ikke længere uploadet</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Vælg mappen, der skal holdes uploadet med [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Profilen [%1] husker ikke sin adgangskode, og baggrundstjenesten kan ikke spørge efter den. Opsæt alligevel?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Mappen kan ikke læses: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Nye fotos og videoer i %1 uploades nu i baggrunden med profilen [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd er ikke tilgængelig, så intet holder mappen uploadet i baggrunden. Indstillingerne er gemt: start overvågningen selv med %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Upload i baggrunden for [%1] kunne ikke ændres: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Overvåger</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Uploader %n fil</numerusform>
            <numerusform>Uploader %n filer</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Serveren utilgængelig siden %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Kører ikke</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Mapper: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Sidste kørsel: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Sidste fejl: %1</translation>
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
        <translation>Fejlstatus</translation>
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
        <translation>Indstillinger for Lumio Uploader</translation>
    </message>
</context>
</TS>
