<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Выберите папку для загрузки файлов</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Создать папку:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Создать профиль</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Отчёт об ошибках</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Загрузить позже</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Выберите тип учётной записи, в которую вы хотите загружать файлы.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Личный Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Загружать файлы можно в учётные записи двух типов: обычные учётные записи Lumio и учётные записи «Личный Lumio». Чтобы загружать файлы во вторые, необходимо включить «Личный Lumio» в Lumio. Подробнее см. в справке.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Загружать в</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Введите имя пользователя и пароль учётной записи.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Введите имя профиля и данные сервера. Затем при необходимости измените номер порта.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Имя/IP сервера</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Профили позволяют настроить и сохранить параметры, чтобы не менять их при каждой загрузке фотографий. Если имя профиля не указано, по умолчанию используется имя вашего Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Управление профилями</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Загрузить в Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Создать новый профиль</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Профили ещё не созданы</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Учётная запись пользователя отключена.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 не является действительной учётной записью Lumio.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Неверная учётная запись или пароль. Повторите попытку.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Недопустимое имя папки: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Номер порта должен быть в диапазоне от 1 до 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Ошибка подключения. (Код ошибки: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Не удалось преобразовать %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 больше не существует или не может быть прочитан.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Сервер ответил: %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Загружено, но не удалось записать: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Ошибка подключения: %1 не отвечал %2 с.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Ошибка базы данных (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Эта функция недоступна в демонстрационном режиме.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Эта функция не поддерживается подключённым сервером.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Папка с таким именем уже существует. Укажите другое имя.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Введите допустимое имя хоста или IP-адрес.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>У вас нет прав на использование этой службы.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Не удалось установить соединение. Проверьте имя хоста или IP-адрес либо убедитесь, что Lumio работает правильно, и повторите попытку.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat не готов. Чтобы загружать фотографии в [%1], убедитесь, что на сервере установлен Korvat Manager и параметры настроены правильно.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Чтобы загружать фотографии в [%1], убедитесь, что сервер установлен и правильно настроен.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Выберите для загрузки непустую папку.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Перед загрузкой выберите папку назначения.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Перед загрузкой выберите хотя бы одно качество преобразования видео.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Введите имя учётной записи «Личный Lumio».</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio отключён. Чтобы включить Lumio, войдите в NXM как администратор (или как пользователь из группы администраторов).</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio не установлен. Чтобы загружать фотографии, установите пакет через Modepot.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Запрошенный «Личный Lumio» отключён. Войдите в NXM, чтобы включить «Личный Lumio».</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Общая папка «photo» не найдена. Перед загрузкой убедитесь, что общая папка «photo» существует.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Введите номер порта.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Профиль с именем [%1] уже существует.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Введите имя профиля для этого сервера.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>В локальной сети не найдено ни одного устройства %1.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Соединение потеряно. Войдите в Korvat Manager снова.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Неизвестная ошибка сервера. (Код ошибки: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Повторяющийся файл пропущен</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>У вас нет прав на создание альбомов и загрузку файлов.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Папка назначения не найдена: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Введите учётную запись Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Чтобы загрузить фотографии или видео с помощью Lumio Uploader, щёлкните по ним правой кнопкой мыши.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Установка Lumio Uploader завершена</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader позволяет загружать фотографии и видео в библиотеку Lumio на вашем Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Выберите папку установки</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Вас приветствует Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Идёт установка Lumio Uploader, подождите...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Установка Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Вы действительно хотите отменить операцию?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Вы действительно хотите продолжить?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Вы действительно хотите удалить все настройки Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Вы действительно хотите удалить профиль [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Введите пароль пользователя %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Убедитесь, что: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader не блокируется брандмауэром операционной системы компьютера или антивирусом.&lt;/li&gt; &lt;li&gt;%1 и компьютер подключены к сети.&lt;/li&gt; &lt;li&gt;%1 включён.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Загрузить фотографии</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Число файлов для загрузки</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Число неподдерживаемых файлов</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Переименовать файлы по дате съёмки</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Если файл уже существует</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Не загружено</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Успешно загружено</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Загружать только поддерживаемые файлы</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Сохранять структуру папок при загрузке</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Пропускать уже загруженные файлы</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Загружено файлов</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Загрузка файлов в [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Исходная папка</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Выберите качество преобразования видео для воспроизведения в Lumio. Если выбрать несколько вариантов или более высокое качество, загрузка займёт больше времени.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Высокое (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Низкое (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Среднее (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Мобильное (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Обратите внимание: чтобы воспроизводить видео в Lumio, необходимо выбрать хотя бы один вариант качества.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Нет файлов для загрузки: выбранные элементы уже загружены в папку назначения в Lumio, а у вашей учётной записи нет прав на загрузку выбранных элементов в Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>У вашей учётной записи нет прав на загрузку выбранных элементов в Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Выбранные элементы уже загружены в папку назначения в Lumio. Нет файлов для загрузки.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать хранилище профилей %1: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Временная папка %1 заполнена.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Не удаётся записать во временную папку %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>нет миниатюр: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>ВНИМАНИЕ: сертификат %1 изменился с тех пор, как ему было выдано доверие для профиля [%2]. Возможно, соединение перехватывается, или сертификат сервера был обновлён.

Доверенный отпечаток SHA-256:
%3

Предъявленный сертификат:
%4

Соединение отклонено. Заменить доверенный сертификат?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Сертификат изменился</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Отпечаток SHA-256:
%1
Субъект: %2
Действителен с %3 по %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Сертификат %1 теперь считается доверенным для профиля [%2]; при его изменении вы получите предупреждение.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Заменяйте доверенный сертификат, только если знаете, что сертификат %1 был обновлён. Доверять предъявленному сертификату для профиля [%2] с этого момента?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Этот компьютер не может проверить сертификат %1. Если это собственный сертификат вашего Korvat, сравните его отпечаток и доверьтесь ему для профиля [%2].

%3

Доверять этому сертификату?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Непроверенный сертификат</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Невозможно использовать папку рабочих файлов программы:
%1
Это должна быть ваша собственная папка, которую не может открыть ни один другой пользователь. Удалите её и повторите попытку.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Связка ключей рабочего стола недоступна: сохранённый пароль хранится в базе данных профилей, которую может читать только ваша учётная запись.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Повторить неудачные файлы</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Преобразование %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Преобразование %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Загрузка %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>Отправлено %1 из %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/с</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Ошибки: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Пропущено: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>высокое качество</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>среднее качество</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>низкое качество</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>мобильное качество</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Вход…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Проверяется %Ln файл…</numerusform>
            <numerusform>Проверяются %Ln файла…</numerusform>
            <numerusform>Проверяются %Ln файлов…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Среди %n указанного файла нет поддерживаемых фото или видео (чтобы всё равно отправить, используйте --all-files)</numerusform>
            <numerusform>Среди %n указанных файлов нет поддерживаемых фото или видео (чтобы всё равно отправить, используйте --all-files)</numerusform>
            <numerusform>Среди %n указанных файлов нет поддерживаемых фото или видео (чтобы всё равно отправить, используйте --all-files)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Отклонено до загрузки: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Отправлено %1 за %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Пробный запуск, ничего не отправлено: к загрузке %1, пропущено %2, отклонено %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>Создан %n альбом</numerusform>
            <numerusform>Создано %n альбома</numerusform>
            <numerusform>Создано %n альбомов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>Будет создан %n альбом</numerusform>
            <numerusform>Будет создано %n альбома</numerusform>
            <numerusform>Будет создано %n альбомов</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Преобразование %1 (%2, проход %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Загрузка %1 как %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Поддерживать папку загруженной…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Больше не поддерживать загруженной</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Выберите папку, которая будет поддерживаться загруженной с [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Профиль [%1] не запоминает пароль, а фоновая служба не может его запросить. Всё равно настроить?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Не удаётся прочитать папку: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Новые фото и видео из %1 теперь загружаются в фоновом режиме с профилем [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd недоступен, поэтому папка не поддерживается загруженной в фоновом режиме. Настройки сохранены: запустите наблюдение вручную командой %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Не удалось изменить фоновую загрузку для [%1]: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Наблюдение</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Загрузка %n файла</numerusform>
            <numerusform>Загрузка %n файлов</numerusform>
            <numerusform>Загрузка %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Сервер недоступен с %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Не запущено</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Папки: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Последний запуск: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Последняя ошибка: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader — список профилей</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Настройки Lumio Uploader</translation>
    </message>
</context>
</TS>
