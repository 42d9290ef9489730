<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Wybierz folder, do którego mają zostać przesłane pliki</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Utwórz folder:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Utwórz profil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Pokaż raport błędów</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Rozpocznij przesyłanie</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Prześlij później</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Wybierz typ konta, do którego chcesz przesłać pliki.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Osobiste Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Pliki można przesyłać do dwóch typów kont: standardowych kont Lumio i kont Osobistego Lumio. Aby przesyłać pliki do tych drugich, musisz włączyć Osobiste Lumio w Lumio. Więcej informacji znajdziesz w Pomocy.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Prześlij do</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Wprowadź nazwę użytkownika i hasło konta.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Zapamiętaj hasło</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Wprowadź nazwę profilu i dane serwera. Następnie w razie potrzeby zmień numer portu.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Nazwa/IP serwera</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numer portu</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Profile pozwalają dostosować i zapisać ustawienia, dzięki czemu nie trzeba ich zmieniać przy każdym przesyłaniu zdjęć. Jeśli nazwa profilu pozostanie pusta, domyślnie zostanie użyta nazwa urządzenia Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Zarządzaj profilami</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Prześlij do Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Utwórz nowy profil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Nie utworzono jeszcze żadnych profili</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Konto użytkownika zostało wyłączone.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 nie jest prawidłowym kontem użytkownika Lumio.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Nieprawidłowe konto lub hasło. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Nieprawidłowa nazwa folderu: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Numer portu musi mieścić się w zakresie od 1 do 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Błąd połączenia. (Kod błędu: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Nie udało się przekonwertować %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 już nie istnieje lub nie można go odczytać.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serwer odpowiedział %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Przesłano, ale nie można zapisać informacji: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Błąd połączenia: %1 nie odpowiadał przez %2 s.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Błąd bazy danych (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Ta funkcja nie jest dostępna w trybie demonstracyjnym.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Ta funkcja nie jest obsługiwana przez połączony serwer.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Folder o tej nazwie już istnieje. Użyj innej nazwy.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Wprowadź prawidłową nazwę hosta lub adres IP.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Nie masz uprawnień do korzystania z tej usługi.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Nie udało się nawiązać połączenia. Sprawdź nazwę hosta lub adres IP albo upewnij się, że Lumio działa prawidłowo, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat nie jest gotowy. Aby przesyłać zdjęcia do [%1], upewnij się, że na serwerze jest zainstalowany Korvat Manager, a konfiguracja jest prawidłowa.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Aby przesyłać zdjęcia do [%1], upewnij się, że serwer jest zainstalowany i prawidłowo skonfigurowany.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Prześlij pliki z folderu, który nie jest pusty.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Przed przesłaniem wybierz miejsce docelowe.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Przed przesłaniem wybierz co najmniej jedną jakość konwersji wideo.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Wprowadź nazwę konta Osobistego Lumio.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio jest wyłączone. Aby włączyć Lumio, zaloguj się do NXM jako administrator (lub użytkownik z grupy administratorów).</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio nie jest zainstalowane. Aby przesyłać zdjęcia, zainstaluj pakiet z Modepot.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Żądane Osobiste Lumio jest wyłączone. Zaloguj się do NXM, aby włączyć Osobiste Lumio.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Nie znaleziono folderu udostępnionego „photo”. Przed przesłaniem upewnij się, że folder udostępniony „photo” istnieje.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Wprowadź numer portu.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Profil o nazwie [%1] już istnieje.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Wprowadź nazwę profilu dla tego serwera.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>W sieci lokalnej nie znaleziono urządzenia %1.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Połączenie zostało przerwane. Zaloguj się ponownie do Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Nieznany błąd serwera. (Kod błędu: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Pominięto zduplikowany plik</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Nie masz uprawnień do tworzenia nowych albumów ani przesyłania plików.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Nie znaleziono folderu docelowego: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Wprowadź konto Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Zdjęcia i filmy możesz przesyłać za pomocą Lumio Uploader, klikając elementy prawym przyciskiem myszy.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Instalacja Lumio Uploader została zakończona</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader umożliwia przesyłanie zdjęć i filmów do biblioteki Lumio na urządzeniu Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Wybierz lokalizację instalacji</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Witamy w Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Trwa instalowanie Lumio Uploader. Czekaj...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Instalowanie Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Czy na pewno chcesz anulować?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Czy na pewno chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Czy na pewno chcesz usunąć wszystkie ustawienia Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Czy na pewno chcesz usunąć profil [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Wprowadź hasło użytkownika %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Upewnij się, że: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader nie jest blokowany przez zaporę systemu operacyjnego komputera ani przez program antywirusowy.&lt;/li&gt; &lt;li&gt;%1 i komputer są podłączone do sieci.&lt;/li&gt; &lt;li&gt;%1 jest włączony.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Prześlij zdjęcia</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Liczba plików do przesłania</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Liczba nieobsługiwanych plików</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Zmień nazwy plików według daty wykonania</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Folder docelowy</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Jeśli plik już istnieje</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Nie przesłano</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Pomyślnie przesłano</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Przesyłanie zakończone</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Przesyłaj tylko obsługiwane pliki</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Zachowaj strukturę folderów podczas przesyłania</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Pomiń już przesłane pliki</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Przesłane pliki</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Przesyłanie plików do [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Folder źródłowy</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Wybierz jakości konwersji filmów odtwarzanych w Lumio. Przesyłanie potrwa dłużej, jeśli wybierzesz kilka jakości lub wyższą jakość.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Wysoka (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Niska (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Średnia (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Urządzenia mobilne (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Aby odtwarzać filmy w Lumio, musisz wybrać co najmniej jedną jakość.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Brak plików do przesłania. Wybrane elementy zostały już przesłane do folderu docelowego w Lumio, a Twoje konto nie ma uprawnień do przesyłania wybranych elementów do Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Twoje konto nie ma uprawnień do przesyłania wybranych elementów do Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Wybrane elementy zostały już przesłane do folderu docelowego w Lumio. Brak plików do przesłania.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Nie można odczytać magazynu profili %1: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Folder tymczasowy %1 jest pełny.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Nie można zapisywać w folderze tymczasowym %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>brak miniatur: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>OSTRZEŻENIE: certyfikat %1 zmienił się od czasu, gdy został uznany za zaufany dla profilu [%2]. Ktoś może przechwytywać połączenie albo certyfikat serwera został odnowiony.

Zaufany odcisk SHA-256:
%3

Przedstawiony certyfikat:
%4

Połączenie zostało odrzucone. Zastąpić zaufany certyfikat?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certyfikat się zmienił</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Odcisk SHA-256:
%1
Podmiot: %2
Ważny od %3 do %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Certyfikat %1 jest teraz zaufany dla profilu [%2]; otrzymasz ostrzeżenie, jeśli się zmieni.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Zastąp zaufany certyfikat tylko wtedy, gdy wiesz, że certyfikat %1 został odnowiony. Czy od teraz ufać przedstawionemu certyfikatowi dla profilu [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Ten komputer nie może zweryfikować certyfikatu %1. Jeśli to własny certyfikat Twojego urządzenia Korvat, porównaj jego odcisk i zaufaj mu dla profilu [%2].

%3

Zaufać temu certyfikatowi?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Niezweryfikowany certyfikat</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Nie można użyć folderu plików roboczych tego programu:
%1
Musi to być Twój własny folder, którego nie może otworzyć żaden inny użytkownik. Usuń go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Brak dostępnego pęku kluczy pulpitu: zapamiętane hasło jest przechowywane w bazie danych profili, którą może odczytać tylko Twoje konto.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Prześlij</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Zapisz…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Ponów nieudane pliki</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Konwertowanie %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Konwertowanie %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Przesyłanie %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>Wysłano %1 z %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Pozostało %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Nieudane: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Pominięte: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>wysoka jakość</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>średnia jakość</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>niska jakość</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>jakość mobilna</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Logowanie…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Sprawdzanie %Ln pliku…</numerusform>
            <numerusform>Sprawdzanie %Ln plików…</numerusform>
            <numerusform>Sprawdzanie %Ln plików…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Wśród %n podanego pliku nie ma obsługiwanego zdjęcia ani filmu (użyj --all-files, aby mimo to go wysłać)</numerusform>
            <numerusform>Wśród %n podanych plików nie ma obsługiwanego zdjęcia ani filmu (użyj --all-files, aby mimo to je wysłać)</numerusform>
            <numerusform>Wśród %n podanych plików nie ma obsługiwanego zdjęcia ani filmu (użyj --all-files, aby mimo to je wysłać)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Odrzucone przed przesłaniem: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Wysłano %1 w %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Próbne uruchomienie, nic nie wysłano: do przesłania %1, pominięte %2, odrzucone %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>Utworzono %n album</numerusform>
            <numerusform>Utworzono %n albumy</numerusform>
            <numerusform>Utworzono %n albumów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>Do utworzenia: %n album</numerusform>
            <numerusform>Do utworzenia: %n albumy</numerusform>
            <numerusform>Do utworzenia: %n albumów</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Konwertowanie %1 (%2, przebieg %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Przesyłanie %1 jako %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Utrzymuj folder przesłany…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Przestań utrzymywać przesłany</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Wybierz folder utrzymywany jako przesłany z [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Profil [%1] nie zapamiętuje hasła, a usługa w tle nie może o nie zapytać. Skonfigurować mimo to?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Nie można odczytać tego folderu: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Nowe zdjęcia i filmy w %1 są teraz przesyłane w tle z profilem [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd nie jest dostępny, więc nic nie utrzymuje folderu przesłanego w tle. Ustawienia zapisano: uruchom obserwację samodzielnie poleceniem %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Nie można zmienić przesyłania w tle dla [%1]: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Obserwowanie</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Przesyłanie %n pliku</numerusform>
            <numerusform>Przesyłanie %n plików</numerusform>
            <numerusform>Przesyłanie %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Serwer niedostępny od %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Nie działa</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Foldery: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Ostatnie uruchomienie: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Ostatni błąd: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Stan błędu</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader – lista profili</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Ustawienia Lumio Uploader</translation>
    </message>
</context>
</TS>
