<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Dosyaların yükleneceği klasörü seçin</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Klasör oluştur:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gözat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Profil Oluştur</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Hata Raporunu Gör</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Yüklemeyi Başlat</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Daha Sonra Yükle</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Dosyalarınızı yüklemek istediğiniz hesap türünü seçin.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Kişisel Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>İki tür hesaba yükleme yapabilirsiniz: standart Lumio hesapları ve Kişisel Lumio hesapları. İkincisine yükleme yapmak için Lumio'da Kişisel Lumio'yu etkinleştirmeniz gerekir. Ayrıntılar için Yardım'a bakın.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Yükleme hedefi</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Hesabın kullanıcı adını ve parolasını girin.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Parolayı hatırla</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Bir profil adı ve sunucu bilgilerini girin. Ardından gerekirse bağlantı noktası numarasını değiştirin.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Sunucu Adı/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profil Adı</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Profiller ayarlarınızı özelleştirip kaydetmenizi sağlar; böylece her fotoğraf yüklediğinizde ayarları yeniden değiştirmeniz gerekmez. Profil adı boş bırakılırsa varsayılan olarak Korvat adınız kullanılır.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Profilleri yönet</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Lumio'ya yükle</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Yeni profil oluştur</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresi</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Henüz profil oluşturulmadı</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Kullanıcı hesabı devre dışı bırakıldı.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 geçerli bir Lumio kullanıcı hesabı değil.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Hesap veya parola geçersiz. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Geçersiz klasör adı: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Bağlantı noktası numarası 1 ile 65535 arasında olmalıdır.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Bağlantı hatası. (Hata Kodu: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>%1 dönüştürülemedi.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 artık yok veya okunamıyor.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Sunucu %1 yanıtını verdi.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Yüklendi ancak kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Bağlantı hatası: %1, %2 saniye boyunca yanıt vermedi.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Veritabanı hatası (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Bu işlev tanıtım modunda kullanılamaz.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Bu işlev bağlı sunucu tarafından desteklenmiyor.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Bu klasör adı zaten var. Lütfen başka bir ad kullanın.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Lütfen geçerli bir ana bilgisayar adı veya IP adresi girin.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Parola yanlış.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Bu hizmeti kullanma yetkiniz yok.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Bağlantı kurulamadı. Lütfen ana bilgisayar adını/IP adresini denetleyin veya Lumio'nun düzgün çalıştığından emin olun ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat hazır değil. [%1] konumuna fotoğraf yüklemek için lütfen sunucuda Korvat Manager'ın yüklü olduğundan ve yapılandırmanın doğru ayarlandığından emin olun.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>[%1] konumuna fotoğraf yüklemek için lütfen sunucunun doğru şekilde yüklendiğinden ve yapılandırıldığından emin olun.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Lütfen boş olmayan bir klasörden yükleyin.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Lütfen yüklemeden önce bir hedef seçin.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Lütfen yüklemeden önce en az bir video dönüştürme kalitesi seçin.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Lütfen bir Kişisel Lumio hesabının adını girin.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio devre dışı. Lumio'yu etkinleştirmek için lütfen NXM'de yönetici (veya yöneticiler grubuna ait bir kullanıcı) olarak oturum açın.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio yüklü değil. Fotoğraf yüklemek için lütfen paketi Modepot'tan yükleyin.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>İstenen Kişisel Lumio devre dışı. Kişisel Lumio'yu etkinleştirmek için lütfen NXM'de oturum açın.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>"photo" paylaşılan klasörü bulunamadı. Lütfen yüklemeden önce "photo" paylaşılan klasörünün var olduğundan emin olun.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Lütfen bağlantı noktası numarasını girin.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>[%1] profil adı zaten var.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Lütfen bu sunucu için bir profil adı girin.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Yerel ağda hiçbir %1 bulunamadı.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Bağlantı kesildi. Lütfen Korvat Manager'da yeniden oturum açın.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Bilinmeyen sunucu hatası. (Hata Kodu: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Yinelenen dosya atlandı</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Yeni albüm oluşturma veya dosya yükleme yetkiniz yok.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Hedef klasör bulunamadı: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Bir Lumio hesabı girin</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Öğelere sağ tıklayarak Lumio Uploader ile fotoğraf veya video yükleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Lumio Uploader kurulumu tamamlandı</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader, fotoğraf ve video dosyalarını Vexalon Korvat'ınızdaki Lumio kitaplığına yüklemenizi sağlar.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Kurulum Konumunu Seçin</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Lumio Uploader'a Hoş Geldiniz</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader kuruluyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Lumio Uploader Kuruluyor</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>İptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Devam etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Lumio Uploader'ın tüm yapılandırmalarını kaldırmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>[%1] profilini silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Lütfen %1 kullanıcısının parolasını girin.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Lütfen şunlardan emin olun: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader, bilgisayarınızın işletim sistemindeki güvenlik duvarı veya virüsten koruma uygulamaları tarafından engellenmiyor.&lt;/li&gt; &lt;li&gt;%1 ve bilgisayarınız ağa bağlı.&lt;/li&gt; &lt;li&gt;%1 açık.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Fotoğraf Yükle</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Yüklenecek dosya sayısı</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Desteklenmeyen dosya sayısı</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Dosyaları çekim zamanına göre yeniden adlandır</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Hedef Klasör</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Dosya zaten varsa</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Yüklenemedi</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Başarıyla yüklendi</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Yükleme tamamlandı</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 dosya</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Yalnızca desteklenen dosyaları yükle</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Yüklerken klasör yapısını koru</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Daha önce yüklenen dosyaları atla</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Üzerine yaz</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Yüklenen dosyalar</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Dosyalar [%1] konumuna yükleniyor...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Kaynak Klasör</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Lumio'da oynatılacak videolar için dönüştürme kalitelerini seçin. Birden çok kalite ve/veya daha yüksek kalite seçtiğinizde yükleme daha uzun sürer.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Yüksek (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Düşük (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Orta (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Videoları Lumio'da oynatmak için en az bir kalite ayarı seçmeniz gerektiğini unutmayın.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Yüklenebilecek dosya yok. Seçilen öğeler Lumio'daki hedef klasöre zaten yüklenmiş ve hesabınızın seçilen öğeleri Lumio'ya yükleme izni yok.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Hesabınızın seçilen öğeleri Lumio'ya yükleme izni yok.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Seçilen öğeler Lumio'daki hedef klasöre zaten yüklenmiş. Yüklenebilecek dosya yok.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>%1 profil deposu okunamıyor: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>%1 geçici klasörü dolu.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>%1 geçici klasörüne yazılamıyor.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>küçük resim yok: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>UYARI: %1 sertifikası, [%2] profili için güvenilir kabul edildiğinden beri değişti. Birisi bağlantıyı dinliyor olabilir ya da sunucunun sertifikası yenilenmiş olabilir.

Güvenilen SHA-256 parmak izi:
%3

Sunulan sertifika:
%4

Bağlantı reddedildi. Güvenilen sertifika değiştirilsin mi?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Sertifika değişti</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 parmak izi:
%1
Konu: %2
Geçerlilik: %3 - %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>%1 sertifikası artık [%2] profili için güvenilir; değişirse uyarılacaksınız.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Güvenilen sertifikayı yalnızca %1 sertifikasının yenilendiğini biliyorsanız değiştirin. Bundan sonra [%2] profili için sunulan sertifikaya güvenilsin mi?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Bu bilgisayar %1 sertifikasını doğrulayamıyor. Korvat cihazınızın kendi sertifikasıysa parmak izini karşılaştırın ve [%2] profili için ona güvenin.

%3

Bu sertifikaya güvenilsin mi?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Doğrulanmamış sertifika</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Bu programın çalışma dosyaları klasörü kullanılamıyor:
%1
Başka hiçbir kullanıcının açamayacağı size ait bir klasör olmalıdır. Klasörü kaldırıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Kullanılabilir masaüstü anahtarlığı yok: hatırlanan parola, yalnızca hesabınızın okuyabildiği profil veritabanında tutulur.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Karşıya yükle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Kaydet…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Başarısız dosyaları yeniden dene</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 dönüştürülüyor</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>%1 dönüştürülüyor — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 karşıya yükleniyor</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 / %2 gönderildi</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/sn</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 kaldı</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Başarısız: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Atlandı: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>yüksek kalite</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>orta kalite</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>düşük kalite</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>mobil kalite</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Oturum açılıyor…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>%Ln dosya denetleniyor…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 kaydedilemedi: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Verilen %n dosya arasında desteklenen fotoğraf veya video yok (yine de göndermek için --all-files kullanın)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Yüklemeden önce reddedildi: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1, %2 içinde gönderildi.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>İptal edildi.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Deneme çalıştırması, hiçbir şey gönderilmedi: yüklenecek %1, atlanan %2, reddedilen %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n albüm oluşturuldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>Oluşturulacak %n albüm</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>%1 dönüştürülüyor (%2, geçiş %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>%1, %2 olarak karşıya yükleniyor</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Klasörü yüklü tut…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Yüklü tutmayı durdur</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>[%1] ile yüklü tutulacak klasörü seçin</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>[%1] profili parolasını hatırlamıyor ve arka plan hizmeti parolayı soramaz. Yine de kurulsun mu?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Bu klasör okunamıyor: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>%1 içindeki yeni fotoğraflar ve videolar artık arka planda [%2] profiliyle yükleniyor.</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd kullanılamıyor, bu yüzden klasörü arka planda yüklü tutan bir şey yok. Ayarlar kaydedildi: izlemeyi kendiniz şu komutla başlatın: %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>[%1] için arka plan yüklemesi değiştirilemedi: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>İzleniyor</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>%n dosya yükleniyor</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Sunucuya %1 tarihinden beri ulaşılamıyor</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Çalışmıyor</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Klasörler: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Son çalışma: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Son hata: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Dosya Adı</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Hata Durumu</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader Profil Listesi</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader Ayarları</translation>
    </message>
</context>
</TS>
