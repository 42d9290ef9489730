<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Selecteer de map waarnaar u de bestanden wilt uploaden</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Map maken:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Profiel maken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Foutenrapport bekijken</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Uploaden starten</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Later uploaden</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Kies het type account waarnaar u uw bestanden wilt uploaden.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Persoonlijke Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>U kunt naar twee typen accounts uploaden: standaard Lumio-accounts en accounts voor Persoonlijke Lumio. Als u naar de laatste wilt uploaden, moet u Persoonlijke Lumio activeren in Lumio. Raadpleeg de Help voor meer informatie.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Uploaden naar</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Voer de gebruikersnaam en het wachtwoord van het account in.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Wachtwoord onthouden</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Voer een profielnaam en de servergegevens in. Wijzig daarna zo nodig het poortnummer.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Servernaam/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Poortnummer</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profielnaam</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Met profielen kunt u uw instellingen aanpassen en opslaan, zodat u ze niet telkens hoeft te wijzigen wanneer u foto's uploadt. Als u de profielnaam leeg laat, wordt standaard de naam van uw Korvat gebruikt.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Profielen beheren</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Uploaden naar Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Nieuw profiel maken</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Er zijn nog geen profielen gemaakt</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Het gebruikersaccount is uitgeschakeld.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 is geen geldig Lumio-gebruikersaccount.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Het account of het wachtwoord is ongeldig. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Ongeldige mapnaam: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Het poortnummer moet tussen 1 en 65535 liggen.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Verbindingsfout. (Foutcode: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Kan %1 niet converteren.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 bestaat niet meer of kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>De server antwoordde %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Geüpload, maar kon niet worden vastgelegd: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Verbindingsfout: %1 heeft %2 seconden niet geantwoord.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Databasefout (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Deze functie is niet beschikbaar in de demomodus.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Deze functie wordt niet ondersteund door de verbonden server.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Deze mapnaam bestaat al. Gebruik een andere naam.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Voer een geldige hostnaam of een geldig IP-adres in.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Onjuist wachtwoord.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>U bent niet gemachtigd om deze service te gebruiken.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Kan geen verbinding maken. Controleer de hostnaam of het IP-adres, of controleer of Lumio goed werkt, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat is niet gereed. Als u foto's naar [%1] wilt uploaden, moet Korvat Manager op de server zijn geïnstalleerd en correct zijn geconfigureerd.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Als u foto's naar [%1] wilt uploaden, moet de server correct zijn geïnstalleerd en geconfigureerd.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Upload vanuit een map die niet leeg is.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Selecteer een bestemming voordat u gaat uploaden.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Selecteer ten minste één kwaliteit voor videoconversie voordat u gaat uploaden.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Voer de naam van een account voor Persoonlijke Lumio in.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio is uitgeschakeld. Meld u bij NXM aan als beheerder (of als gebruiker uit de groep administrators) om Lumio in te schakelen.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio is niet geïnstalleerd. Installeer het pakket via Modepot om foto's te uploaden.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>De gevraagde Persoonlijke Lumio is uitgeschakeld. Meld u aan bij NXM om Persoonlijke Lumio in te schakelen.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>De gedeelde map 'photo' is niet gevonden. Controleer of de gedeelde map 'photo' bestaat voordat u gaat uploaden.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Voer het poortnummer in.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>De profielnaam [%1] bestaat al.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Voer een profielnaam voor deze server in.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Er is geen %1 gevonden op het lokale netwerk.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>De verbinding is verbroken. Meld u opnieuw aan bij Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Onbekende serverfout. (Foutcode: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Dubbel bestand overgeslagen</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>U hebt geen rechten om nieuwe albums te maken of bestanden te uploaden.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>De doelmap is niet gevonden: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Voer een Lumio-account in</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>U kunt foto's of video's uploaden met Lumio Uploader door met de rechtermuisknop op items te klikken.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>De installatie van Lumio Uploader is voltooid</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Met Lumio Uploader kunt u foto- en videobestanden uploaden naar de Lumio-bibliotheek van uw Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Installatielocatie kiezen</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Welkom bij Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader wordt geïnstalleerd, even geduld...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Lumio Uploader installeren</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Weet u zeker dat u wilt annuleren?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Weet u zeker dat u wilt doorgaan?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Weet u zeker dat u alle instellingen van Lumio Uploader wilt verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Weet u zeker dat u het profiel [%1] wilt verwijderen?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Voer het wachtwoord van %1 in.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Controleer het volgende: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader wordt niet geblokkeerd door de firewall van het besturingssysteem van uw computer of door antivirusprogramma's.&lt;/li&gt; &lt;li&gt;%1 en uw computer zijn allebei met het netwerk verbonden.&lt;/li&gt; &lt;li&gt;%1 staat aan.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Foto's uploaden</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Aantal te uploaden bestanden</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Aantal niet-ondersteunde bestanden</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Bestanden hernoemen naar opnametijd</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Doelmap</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Als het bestand al bestaat</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Geüpload</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Uploaden voltooid</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 bestanden</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Alleen ondersteunde bestanden uploaden</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Mapstructuur behouden bij het uploaden</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Bestanden overslaan die al zijn geüpload</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overschrijven</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Geüploade bestanden</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Bestanden uploaden naar [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Bronmap</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Selecteer de conversiekwaliteiten voor video's die in Lumio worden afgespeeld. Het uploaden duurt langer als u meerdere en/of hogere kwaliteitsniveaus selecteert.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Hoog (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Laag (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Gemiddeld (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobiel (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Let op: als u video's in Lumio wilt afspelen, moet u ten minste één kwaliteitsinstelling kiezen.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Er zijn geen bestanden beschikbaar om te uploaden. De geselecteerde items zijn al geüpload naar de doelmap in Lumio en uw account heeft geen toestemming om de geselecteerde items naar Lumio te uploaden.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Uw account heeft geen toestemming om de geselecteerde items naar Lumio te uploaden.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>De geselecteerde items zijn al geüpload naar de doelmap in Lumio. Er zijn geen bestanden beschikbaar om te uploaden.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>De profielopslag %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>De tijdelijke map %1 is vol.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Er kan niet worden geschreven naar de tijdelijke map %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>geen miniaturen: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>WAARSCHUWING: het certificaat van %1 is gewijzigd sinds het voor het profiel [%2] werd vertrouwd. Iemand onderschept mogelijk de verbinding, of het certificaat van de server is vernieuwd.

Vertrouwde SHA-256-vingerafdruk:
%3

Aangeboden certificaat:
%4

De verbinding is geweigerd. Het vertrouwde certificaat vervangen?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certificaat gewijzigd</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256-vingerafdruk:
%1
Onderwerp: %2
Geldig van %3 tot %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Het certificaat van %1 wordt nu vertrouwd voor het profiel [%2]; u wordt gewaarschuwd als het verandert.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Vervang het vertrouwde certificaat alleen als u weet dat het certificaat van %1 is vernieuwd. Het aangeboden certificaat voortaan vertrouwen voor het profiel [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Deze computer kan het certificaat van %1 niet verifiëren. Als het het eigen certificaat van uw Korvat is, vergelijk dan de vingerafdruk en vertrouw het voor het profiel [%2].

%3

Dit certificaat vertrouwen?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Niet-geverifieerd certificaat</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>De map voor de runtimebestanden van dit programma kan niet worden gebruikt:
%1
Het moet een eigen map zijn die geen andere gebruiker kan openen. Verwijder de map en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Er is geen sleutelbos van het bureaublad beschikbaar: het onthouden wachtwoord wordt bewaard in de profieldatabase, die alleen uw account kan lezen.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Opslaan…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Mislukte bestanden opnieuw proberen</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n bestand</numerusform>
            <numerusform>%n bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 wordt geconverteerd</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>%1 wordt geconverteerd — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 wordt geüpload</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 van %2 verzonden</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Nog %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Overgeslagen: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>hoge kwaliteit</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>gemiddelde kwaliteit</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>lage kwaliteit</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>mobiele kwaliteit</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Bezig met aanmelden…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>%Ln bestand wordt gecontroleerd…</numerusform>
            <numerusform>%Ln bestanden worden gecontroleerd…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Geen ondersteunde foto of video bij het %n opgegeven bestand (gebruik --all-files om het toch te verzenden)</numerusform>
            <numerusform>Geen ondersteunde foto of video bij de %n opgegeven bestanden (gebruik --all-files om ze toch te verzenden)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Geweigerd vóór het uploaden: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1 verzonden in %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Geannuleerd.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Proefrun, er is niets verzonden: %1 te uploaden, %2 overgeslagen, %3 geweigerd.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album aangemaakt</numerusform>
            <numerusform>%n albums aangemaakt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album aan te maken</numerusform>
            <numerusform>%n albums aan te maken</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>%1 wordt geconverteerd (%2, doorgang %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>%1 wordt geüpload als %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Map geüpload houden…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Niet meer geüpload houden</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Kies de map die met [%1] geüpload blijft</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Het profiel [%1] onthoudt zijn wachtwoord niet en de achtergronddienst kan er niet om vragen. Toch instellen?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Deze map kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Nieuwe foto's en video's in %1 worden nu op de achtergrond geüpload met het profiel [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd is niet beschikbaar, dus niets houdt de map op de achtergrond geüpload. De instellingen zijn opgeslagen: start de bewaking zelf met %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Het uploaden op de achtergrond van [%1] kon niet worden gewijzigd: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Bewaakt</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>%n bestand wordt geüpload</numerusform>
            <numerusform>%n bestanden worden geüpload</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Server onbereikbaar sinds %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Niet actief</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Mappen: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Laatste run: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Laatste fout: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Foutstatus</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader - profielenlijst</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Instellingen van Lumio Uploader</translation>
    </message>
</context>
</TS>
