<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Vyberte složku, do které se mají soubory nahrát</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Vytvořit složku:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procházet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Vytvořit profil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Zobrazit zprávu o chybách</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Zahájit nahrávání</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Nahrát později</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Zvolte typ účtu, do kterého chcete soubory nahrát.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Osobní Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Soubory můžete nahrávat do dvou typů účtů: standardních účtů Lumio a účtů Osobní Lumio. Chcete-li nahrávat do druhých z nich, musíte v Lumio aktivovat Osobní Lumio. Další informace najdete v nápovědě.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Nahrát do</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Zadejte přihlašovací jméno a heslo účtu.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Zapamatovat heslo</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Zadejte název profilu a údaje o serveru. Poté v případě potřeby upravte číslo portu.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Název/IP serveru</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Číslo portu</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Název profilu</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Profily umožňují přizpůsobit a uložit nastavení, takže je nemusíte měnit při každém nahrávání fotografií. Pokud název profilu nevyplníte, použije se jako výchozí název vašeho zařízení Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Spravovat profily</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Nahrát do Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Vytvořit nový profil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresa IP</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Nebyly vytvořeny žádné profily</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Uživatelský účet byl zakázán.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 není platný uživatelský účet Lumio.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Účet nebo heslo je neplatné. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Neplatný název složky: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Číslo portu musí být v rozsahu 1 až 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Chyba připojení. (Kód chyby: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Převod souboru %1 se nezdařil.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 již neexistuje nebo jej nelze přečíst.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Server odpověděl %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Nahráno, ale nelze zaznamenat: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Chyba připojení: %1 neodpověděl po dobu %2 sekund.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Chyba databáze (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Tato funkce není v ukázkovém režimu k dispozici.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Připojený server tuto funkci nepodporuje.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Složka s tímto názvem již existuje. Použijte jiný název.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Zadejte platný název hostitele nebo adresu IP.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Nesprávné heslo.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Nemáte oprávnění používat tuto službu.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Připojení se nepodařilo navázat. Zkontrolujte název hostitele nebo adresu IP nebo se ujistěte, že Lumio funguje správně, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat není připraven. Chcete-li nahrávat fotografie do [%1], ujistěte se, že je na serveru nainstalován Korvat Manager a že je konfigurace správně nastavena.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Chcete-li nahrávat fotografie do [%1], ujistěte se, že je server správně nainstalován a nakonfigurován.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Nahrávejte ze složky, která není prázdná.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Před nahráváním vyberte cíl.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Před nahráváním vyberte alespoň jednu kvalitu převodu videa.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Zadejte název účtu Osobní Lumio.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio je zakázáno. Chcete-li Lumio povolit, přihlaste se do NXM jako správce (nebo jako uživatel ze skupiny správců).</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio není nainstalováno. Chcete-li nahrávat fotografie, nainstalujte balíček z Modepot.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Požadované Osobní Lumio je zakázáno. Chcete-li Osobní Lumio povolit, přihlaste se do NXM.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Sdílená složka „photo“ nebyla nalezena. Před nahráváním se ujistěte, že sdílená složka „photo“ existuje.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Zadejte číslo portu.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Profil s názvem [%1] již existuje.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Zadejte název profilu pro tento server.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>V místní síti nebylo nalezeno žádné zařízení %1.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Připojení bylo přerušeno. Přihlaste se znovu do Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Neznámá chyba serveru. (Kód chyby: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Duplicitní soubor přeskočen</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Nemáte oprávnění vytvářet nová alba ani nahrávat soubory.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Cílová složka nebyla nalezena: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Zadejte účet Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Fotografie nebo videa můžete nahrávat pomocí Lumio Uploader kliknutím pravým tlačítkem myši na položky.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Instalace Lumio Uploader byla dokončena</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader umožňuje nahrávat fotografie a videa do knihovny Lumio ve vašem zařízení Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Zvolte umístění instalace</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Vítá vás Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Probíhá instalace Lumio Uploader, čekejte prosím...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Instalace Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Opravdu chcete akci zrušit?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Opravdu chcete pokračovat?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Opravdu chcete odebrat veškerou konfiguraci Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Opravdu chcete odstranit profil [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Zadejte heslo uživatele %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Ujistěte se, že: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader neblokuje brána firewall operačního systému počítače ani antivirový program.&lt;/li&gt; &lt;li&gt;%1 i počítač jsou připojeny k síti.&lt;/li&gt; &lt;li&gt;%1 je zapnutý.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Nahrát fotografie</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Počet souborů k nahrání</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Počet nepodporovaných souborů</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Přejmenovat soubory podle data pořízení</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Cílová složka</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Pokud soubor již existuje</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Nenahráno</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Úspěšně nahráno</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Nahrávání dokončeno</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Nahrávat pouze podporované soubory</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Při nahrávání zachovat strukturu složek</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Přeskočit již nahrané soubory</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Přepsat</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Nahrané soubory</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Nahrávání souborů do [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Zdrojová složka</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Vyberte kvality převodu videí, která se budou přehrávat v Lumio. Pokud vyberete více kvalit nebo vyšší kvalitu, nahrávání bude trvat déle.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Vysoká (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Nízká (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Střední (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobilní (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Chcete-li přehrávat videa v Lumio, musíte zvolit alespoň jednu kvalitu.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Žádný soubor není k dispozici k nahrání: vybrané položky již byly nahrány do cílové složky v Lumio a váš účet nemá oprávnění nahrávat vybrané položky do Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Váš účet nemá oprávnění nahrávat vybrané položky do Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Vybrané položky již byly nahrány do cílové složky v Lumio. Žádný soubor není k dispozici k nahrání.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Úložiště profilů %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Dočasná složka %1 je plná.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Do dočasné složky %1 nelze zapisovat.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>bez náhledů: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>UPOZORNĚNÍ: certifikát %1 se změnil od chvíle, kdy mu bylo pro profil [%2] uděleno důvěryhodné postavení. Někdo možná odposlouchává spojení, nebo byl certifikát serveru obnoven.

Důvěryhodný otisk SHA-256:
%3

Předložený certifikát:
%4

Spojení bylo odmítnuto. Nahradit důvěryhodný certifikát?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certifikát se změnil</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Otisk SHA-256:
%1
Subjekt: %2
Platný od %3 do %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Certifikát %1 je nyní pro profil [%2] důvěryhodný; pokud se změní, budete upozorněni.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Důvěryhodný certifikát nahraďte pouze tehdy, když víte, že certifikát %1 byl obnoven. Důvěřovat od nynějška předloženému certifikátu pro profil [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Tento počítač nemůže ověřit certifikát %1. Pokud jde o vlastní certifikát vašeho zařízení Korvat, porovnejte jeho otisk a důvěřujte mu pro profil [%2].

%3

Důvěřovat tomuto certifikátu?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Neověřený certifikát</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Složku pro běhové soubory tohoto programu nelze použít:
%1
Musí to být vaše vlastní složka, kterou nemůže otevřít žádný jiný uživatel. Odstraňte ji a zkuste to znovu.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Není k dispozici žádná klíčenka pracovního prostředí: zapamatované heslo je uloženo v databázi profilů, kterou může číst pouze váš účet.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Nahrát</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Uložit…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Zkusit znovu neúspěšné soubory</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n soubor</numerusform>
            <numerusform>%n soubory</numerusform>
            <numerusform>%n souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Převádí se %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Převádí se %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Nahrává se %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>Odesláno %1 z %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Zbývá %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Neúspěšné: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Přeskočené: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>vysoká kvalita</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>střední kvalita</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>nízká kvalita</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>kvalita pro mobily</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Přihlašování…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Kontroluje se %Ln soubor…</numerusform>
            <numerusform>Kontrolují se %Ln soubory…</numerusform>
            <numerusform>Kontroluje se %Ln souborů…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 nelze uložit: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Mezi %n zadaným souborem není žádná podporovaná fotografie ani video (pomocí --all-files jej přesto odešlete)</numerusform>
            <numerusform>Mezi %n zadanými soubory není žádná podporovaná fotografie ani video (pomocí --all-files je přesto odešlete)</numerusform>
            <numerusform>Mezi %n zadanými soubory není žádná podporovaná fotografie ani video (pomocí --all-files je přesto odešlete)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Odmítnuto před nahráním: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Odesláno %1 za %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Zrušeno.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Zkušební běh, nic nebylo odesláno: k nahrání %1, přeskočeno %2, odmítnuto %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>Vytvořeno %n album</numerusform>
            <numerusform>Vytvořena %n alba</numerusform>
            <numerusform>Vytvořeno %n alb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>K vytvoření: %n album</numerusform>
            <numerusform>K vytvoření: %n alba</numerusform>
            <numerusform>K vytvoření: %n alb</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Převádí se %1 (%2, průchod %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Nahrává se %1 jako %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Udržovat složku nahranou…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Přestat udržovat nahranou</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Vyberte složku, která se bude udržovat nahraná s [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Profil [%1] si nepamatuje heslo a služba na pozadí se na něj nemůže zeptat. Přesto nastavit?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Tuto složku nelze přečíst: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Nové fotografie a videa v %1 se nyní nahrávají na pozadí s profilem [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd není k dispozici, takže nic neudržuje složku nahranou na pozadí. Nastavení je uloženo: spusťte sledování sami příkazem %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Nahrávání na pozadí pro [%1] nelze změnit: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Sledování</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Nahrává se %n soubor</numerusform>
            <numerusform>Nahrávají se %n soubory</numerusform>
            <numerusform>Nahrává se %n souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Server nedostupný od %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Neběží</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Složky: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Poslední běh: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Poslední chyba: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Stav chyby</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader – seznam profilů</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Nastavení Lumio Uploader</translation>
    </message>
</context>
</TS>
