<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Selezionare la cartella in cui caricare i file</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Crea cartella:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Crea profilo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Visualizza rapporto errori</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Avvia caricamento</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Carica più tardi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Scegliere il tipo di account in cui caricare i file.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Lumio personale</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>È possibile caricare file in due tipi di account: account Lumio standard e account Lumio personale. Per caricare in questi ultimi è necessario attivare Lumio personale in Lumio. Per ulteriori dettagli consultare la Guida.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Carica in</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Immettere il nome utente e la password dell'account.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Memorizza password</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Immettere un nome di profilo e i dati del server, quindi modificare il numero di porta se necessario.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Nome/IP server</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numero di porta</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nome profilo</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>I profili consentono di personalizzare e salvare le impostazioni, così non è necessario modificarle a ogni caricamento di foto. Se il nome del profilo viene lasciato vuoto, per impostazione predefinita verrà usato il nome del Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Gestisci profili</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Carica in Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Crea nuovo profilo</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Nessun profilo creato</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>L'account utente è stato disattivato.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 non è un account utente Lumio valido.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Account o password non validi. Riprovare.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Nome cartella non valido: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Il numero di porta deve essere compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Errore di connessione. (Codice errore: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Impossibile convertire %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 non esiste più o non può essere letto.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Il server ha risposto %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Caricato, ma impossibile registrarlo: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Errore di connessione: %1 non ha risposto per %2 secondi.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Errore del database (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Questa funzione non è disponibile in modalità demo.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Questa funzione non è supportata dal server connesso.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Il nome della cartella esiste già. Usare un altro nome.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Immettere un nome host o un indirizzo IP valido.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Password errata.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Non si dispone dell'autorizzazione per usare questo servizio.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Impossibile stabilire la connessione. Verificare il nome host o l'indirizzo IP oppure accertarsi che Lumio funzioni correttamente, quindi riprovare.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat non è pronto. Per caricare foto in [%1], accertarsi che Korvat Manager sia installato sul server e che la configurazione sia corretta.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Per caricare foto in [%1], accertarsi che il server sia installato e configurato correttamente.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Caricare da una cartella non vuota.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Selezionare una destinazione prima del caricamento.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Selezionare almeno una qualità di conversione video prima del caricamento.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Immettere il nome di un account Lumio personale.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio è disattivato. Per attivare Lumio, accedere a NXM come amministratore (o come utente del gruppo degli amministratori).</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio non è installato. Per caricare foto, installare il pacchetto da Modepot.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Il Lumio personale richiesto è disattivato. Accedere a NXM per attivare Lumio personale.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Cartella condivisa "photo" non trovata. Accertarsi che la cartella condivisa "photo" esista prima del caricamento.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Immettere il numero di porta.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Il nome profilo [%1] esiste già.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Immettere un nome profilo per questo server.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Nessun %1 trovato nella rete locale.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>La connessione è stata persa. Accedere di nuovo a Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Errore sconosciuto del server. (Codice errore: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>File duplicato ignorato</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Non si dispone dei privilegi per creare nuovi album o caricare file.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Cartella di destinazione non trovata: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Immettere un account Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>È possibile caricare foto o video con Lumio Uploader facendo clic con il pulsante destro del mouse sugli elementi.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Installazione di Lumio Uploader completata</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader consente di caricare foto e video nella libreria Lumio del proprio Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Scegliere il percorso di installazione</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Benvenuti in Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Installazione di Lumio Uploader in corso, attendere...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Installazione di Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Annullare l'operazione?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Continuare?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Rimuovere tutte le configurazioni di Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Eliminare il profilo [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Immettere la password di %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Verificare che: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader non sia bloccato dal firewall del sistema operativo del computer o da programmi antivirus.&lt;/li&gt; &lt;li&gt;%1 e il computer siano entrambi connessi alla rete.&lt;/li&gt; &lt;li&gt;%1 sia acceso.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Carica foto</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Numero di file da caricare</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Numero di file non supportati</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Rinomina i file con la data di scatto</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Se il file esiste già</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Caricamento non riuscito</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Caricati correttamente</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Caricamento completato</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Carica solo i file supportati</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Mantieni la struttura delle cartelle durante il caricamento</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Ignora i file già caricati</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>File caricati</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Caricamento dei file in [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Cartella di origine</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Selezionare le qualità di conversione dei video da riprodurre in Lumio. Il caricamento richiede più tempo se si selezionano più qualità o qualità più elevate.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Alta (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Bassa (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Media (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Dispositivi mobili (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Per riprodurre video in Lumio è necessario scegliere almeno un livello di qualità.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Nessun file disponibile per il caricamento: gli elementi selezionati sono già stati caricati nella cartella di destinazione in Lumio e l'account non dispone dell'autorizzazione per caricare gli elementi selezionati in Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>L'account non dispone dell'autorizzazione per caricare gli elementi selezionati in Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Gli elementi selezionati sono già stati caricati nella cartella di destinazione in Lumio. Nessun file disponibile per il caricamento.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Impossibile leggere l'archivio dei profili %1: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>La cartella temporanea %1 è piena.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Impossibile scrivere nella cartella temporanea %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>nessuna miniatura: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>ATTENZIONE: il certificato di %1 è cambiato da quando è stato considerato attendibile per il profilo [%2]. Qualcuno potrebbe intercettare la connessione, oppure il certificato del server è stato rinnovato.

Impronta SHA-256 attendibile:
%3

Certificato presentato:
%4

La connessione è stata rifiutata. Sostituire il certificato attendibile?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certificato cambiato</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Impronta SHA-256:
%1
Soggetto: %2
Valido dal %3 al %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Il certificato di %1 è ora attendibile per il profilo [%2]; verrà mostrato un avviso se cambia.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Sostituire il certificato attendibile solo se si sa che il certificato di %1 è stato rinnovato. Considerare attendibile d'ora in poi il certificato presentato per il profilo [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Questo computer non può verificare il certificato di %1. Se è il certificato del proprio Korvat, confrontarne l'impronta e considerarlo attendibile per il profilo [%2].

%3

Considerare attendibile questo certificato?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Certificato non verificato</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Impossibile usare la cartella dei file di esecuzione di questo programma:
%1
Deve essere una cartella propria che nessun altro utente può aprire. Rimuoverla e riprovare.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Nessun portachiavi del desktop disponibile: la password memorizzata è conservata nel database dei profili, leggibile solo dal proprio account.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Riprova i file non riusciti</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Conversione di %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Conversione di %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Caricamento di %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 di %2 inviati</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 rimanenti</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riusciti: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorati: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>qualità alta</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>qualità media</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>qualità bassa</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>qualità mobile</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Accesso in corso…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Controllo di %Ln file…</numerusform>
            <numerusform>Controllo di %Ln file…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Nessuna foto o video supportato tra il %n file indicato (usare --all-files per inviarlo comunque)</numerusform>
            <numerusform>Nessuna foto o video supportato tra i %n file indicati (usare --all-files per inviarli comunque)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Rifiutati prima del caricamento: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Inviati %1 in %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Prova, non è stato inviato nulla: %1 da caricare, %2 saltati, %3 rifiutati.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album creato</numerusform>
            <numerusform>%n album creati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album da creare</numerusform>
            <numerusform>%n album da creare</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Conversione di %1 (%2, passaggio %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Caricamento di %1 come %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Mantieni cartella caricata…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Non mantenere più caricata</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Scegli la cartella da mantenere caricata con [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Il profilo [%1] non memorizza la password e il servizio in background non può chiederla. Configurarlo comunque?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Impossibile leggere questa cartella: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Le nuove foto e i nuovi video in %1 vengono ora caricati in background con il profilo [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd non è disponibile, quindi nulla mantiene la cartella caricata in background. Le impostazioni sono salvate: avvia tu il monitoraggio con %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Impossibile modificare il caricamento in background di [%1]: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>In osservazione</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Caricamento di %n file</numerusform>
            <numerusform>Caricamento di %n file</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Server non raggiungibile dal %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Non in esecuzione</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Cartelle: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Ultima esecuzione: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Ultimo errore: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Stato errore</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader - Elenco profili</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Impostazioni di Lumio Uploader</translation>
    </message>
</context>
</TS>
