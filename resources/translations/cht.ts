<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>選擇要將檔案上傳至的資料夾</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>建立資料夾：</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>建立設定檔</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>檢視錯誤報告</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>開始上傳</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>稍後上傳</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>請選擇要將檔案上傳至的帳號類型。</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>個人 Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>可上傳的帳號有兩種類型：標準 Lumio 帳號和個人 Lumio 帳號。若要上傳至個人 Lumio 帳號，必須先在 Lumio 中啟用個人 Lumio。詳細資訊請參閱說明。</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>上傳至</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>請輸入帳號的登入名稱和密碼。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>記住密碼</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>請輸入設定檔名稱並填寫伺服器資訊，然後視需要修改連接埠號碼。</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>伺服器名稱/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>連接埠號碼</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>設定檔可讓您自訂並儲存設定，這樣每次上傳相片時都不必重新修改。如果設定檔名稱保留空白，預設會使用您的 Korvat 名稱。</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>管理設定檔</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>上傳至 Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>建立新設定檔</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>尚未建立任何設定檔</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>此使用者帳號已停用。</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 不是有效的 Lumio 使用者帳號。</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>帳號或密碼無效，請再試一次。</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>資料夾名稱無效：%1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>連接埠號碼必須介於 1 到 65535 之間。</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>連線錯誤。(錯誤代碼：%1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>無法轉換 %1。</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 已不存在或無法讀取。</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>伺服器回應了 %1。</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>已上傳，但無法記錄：%1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>連線錯誤：%1 在 %2 秒內沒有回應。</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>資料庫錯誤 (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>此功能在展示模式下無法使用。</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>所連線的伺服器不支援此功能。</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>此資料夾名稱已存在，請使用其他名稱。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>請輸入有效的主機名稱或 IP 位址。</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>密碼不正確。</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>您沒有使用此服務的權限。</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>無法建立連線。請檢查主機名稱/IP 位址，或確認 Lumio 運作正常，然後再試一次。</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat 尚未就緒。若要將相片上傳至 [%1]，請確認伺服器已安裝 Korvat Manager 且設定正確。</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>若要將相片上傳至 [%1]，請確認伺服器已正確安裝和設定。</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>請從非空白的資料夾上傳。</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>上傳前請選擇目的地。</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>上傳前請至少選擇一種影片轉檔畫質。</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>請輸入個人 Lumio 帳號的名稱。</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio 已停用。請以管理員（或管理員群組中的使用者）身分登入 NXM 以啟用 Lumio。</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>尚未安裝 Lumio。請從 Modepot 安裝套件以上傳相片。</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>所要求的個人 Lumio 已停用。請登入 NXM 以啟用個人 Lumio。</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>找不到共用資料夾「photo」。上傳前請確認共用資料夾「photo」存在。</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>請輸入連接埠號碼。</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>設定檔名稱 [%1] 已存在。</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>請為此伺服器輸入設定檔名稱。</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>在區域網路中找不到 %1。</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>連線已中斷。請重新登入 Korvat Manager。</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>未知的伺服器錯誤。(錯誤代碼：%1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>已略過重複的檔案</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>您沒有建立新相簿或上傳檔案的權限。</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>找不到目的地資料夾：%1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>請輸入 Lumio 帳號</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>在項目上按一下滑鼠右鍵，即可使用 Lumio Uploader 上傳相片或影片。</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Lumio Uploader 安裝完成</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader 可讓您將相片和影片檔案上傳至 Vexalon Korvat 的 Lumio 媒體庫。</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>選擇安裝位置</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>歡迎使用 Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>正在安裝 Lumio Uploader，請稍候...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>正在安裝 Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>確定要取消嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>確定要繼續嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>確定要移除 Lumio Uploader 的所有設定嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>確定要刪除設定檔 [%1] 嗎？</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>請輸入 %1 的密碼。</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>請確認：&lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader 未被電腦作業系統的防火牆或防毒軟體封鎖。&lt;/li&gt; &lt;li&gt;%1 和您的電腦都已連上網路。&lt;/li&gt; &lt;li&gt;%1 的電源已開啟。&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>上傳相片</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>上傳檔案數</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>不支援的檔案數</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>依拍攝時間重新命名檔案</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>目的地資料夾</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>如果檔案已存在</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>上傳失敗</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>上傳成功</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>上傳完成</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個檔案</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>僅上傳支援的檔案</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>上傳時保留資料夾結構</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>略過已上傳的檔案</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>已上傳檔案</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>正在將檔案上傳至 [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>來源資料夾</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>請選擇要在 Lumio 中播放之影片的轉檔畫質。選擇多種畫質和/或較高畫質時，上傳所需的時間會較長。</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>高 (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>低 (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>中 (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>行動裝置 (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>請注意，若要在 Lumio 中播放影片，必須至少選擇一種畫質。</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>沒有可上傳的檔案。所選項目已上傳至 Lumio 中的目的地資料夾，且您的帳號沒有將所選項目上傳至 Lumio 的權限。</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>您的帳號沒有將所選項目上傳至 Lumio 的權限。</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>所選項目已上傳至 Lumio 中的目的地資料夾。沒有可上傳的檔案。</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>無法讀取設定檔存放區 %1：%2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>暫存資料夾 %1 已滿。</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>無法寫入暫存資料夾 %1。</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>無縮圖：%1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>警告: %1 的憑證自從在設定檔 [%2] 中被信任以來已經變更。可能有人正在攔截連線,或伺服器的憑證已更新。

受信任的 SHA-256 指紋:
%3

出示的憑證:
%4

連線已被拒絕。是否要取代受信任的憑證?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>憑證已變更</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 指紋:
%1
主體: %2
有效期間: %3 至 %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>%1 的憑證現在在設定檔 [%2] 中受信任;若憑證變更,您會收到警告。

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>僅在您確知 %1 的憑證已更新時才取代受信任的憑證。從現在起在設定檔 [%2] 中信任出示的憑證嗎?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>此電腦無法驗證 %1 的憑證。如果這是您的 Korvat 自己的憑證,請核對其指紋,然後在設定檔 [%2] 中信任它。

%3

是否信任此憑證?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>未經驗證的憑證</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>無法使用本程式的執行階段檔案資料夾:
%1
它必須是您自己的、其他使用者無法開啟的資料夾。請將其移除後再試一次。</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>沒有可用的桌面金鑰圈:記住的密碼保存在設定檔資料庫中,只有您的帳戶可以讀取。</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上傳</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>儲存…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>重試失敗的檔案</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>正在轉換 %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>正在轉換 %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>正在上傳 %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>已傳送 %1 / %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩餘 %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗：%1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已略過：%1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>高畫質</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>中畫質</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>低畫質</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>行動裝置畫質</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>正在登入…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>正在檢查 %Ln 個檔案…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>無法儲存 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>所提供的 %n 個檔案中沒有支援的相片或影片（使用 --all-files 仍可傳送）</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>上傳前被拒絕：%1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>已傳送 %1，耗時 %2。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>試執行，未傳送任何內容：待上傳 %1，略過 %2，拒絕 %3。</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>已建立 %n 個相簿</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>將建立 %n 個相簿</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>正在轉換 %1（%2，第 %3/%4 遍）</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>正在將 %1 上傳為 %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>保持資料夾已上傳…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>停止保持已上傳</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>選擇使用 [%1] 保持已上傳的資料夾</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>設定檔 [%1] 未儲存密碼，背景服務無法詢問密碼。仍要設定嗎?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>無法讀取此資料夾: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>%1 中的新相片和影片現在將使用設定檔 [%2] 在背景上傳。</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd 無法使用，因此無法在背景保持資料夾已上傳。設定已儲存: 請使用以下指令自行啟動監視: %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>無法變更 [%1] 的背景上傳: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>正在監視</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>正在上傳 %n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>自 %1 起無法連線伺服器</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>未執行</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>資料夾: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>上次執行: %1，%2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>上次錯誤: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>錯誤狀態</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader 設定檔清單</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader 設定</translation>
    </message>
</context>
</TS>
