<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>ファイルのアップロード先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>フォルダーの作成:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>プロファイルの作成</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>エラーレポートを表示</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>アップロード開始</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>後でアップロード</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>ファイルのアップロード先アカウントの種類を選択してください。</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>個人用 Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>アップロード先のアカウントには、標準の Lumio アカウントと個人用 Lumio アカウントの 2 種類があります。個人用 Lumio アカウントにアップロードするには、Lumio で個人用 Lumio を有効にする必要があります。詳しくはヘルプを参照してください。</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>アップロード先</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>アカウントのログイン名とパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>パスワードを保存する</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>プロファイル名とサーバー情報を入力してください。必要に応じてポート番号を変更してください。</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>サーバー名/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>ポート番号</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>プロファイルを使うと設定をカスタマイズして保存できるため、写真をアップロードするたびに設定を変更する必要がありません。プロファイル名を空欄にした場合は、Korvat の名前が既定で使用されます。</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>プロファイルの管理</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Lumio にアップロード</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>新しいプロファイルの作成</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>プロファイルはまだ作成されていません</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>このユーザーアカウントは無効になっています。</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 は有効な Lumio ユーザーアカウントではありません。</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>アカウントまたはパスワードが正しくありません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>無効なフォルダー名です: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>ポート番号は 1 から 65535 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>接続エラーです。(エラーコード: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>%1 を変換できませんでした。</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 は存在しないか、読み取れません。</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>サーバーの応答: %1。</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>アップロードしましたが、記録できませんでした: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>接続エラー: %1 が %2 秒間応答しませんでした。</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>データベースエラー (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>この機能はデモモードでは使用できません。</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>この機能は接続先のサーバーでサポートされていません。</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>このフォルダー名は既に存在します。別の名前を使用してください。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>有効なホスト名または IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>このサービスを使用する権限がありません。</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>接続を確立できませんでした。ホスト名/IP アドレスを確認するか、Lumio が正常に動作していることを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat の準備ができていません。[%1] に写真をアップロードするには、サーバーに Korvat Manager がインストールされ、正しく設定されていることを確認してください。</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>[%1] に写真をアップロードするには、サーバーが正しくインストールおよび設定されていることを確認してください。</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>空でないフォルダーからアップロードしてください。</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>アップロードする前にアップロード先を選択してください。</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>アップロードする前に、ビデオの変換画質を 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>個人用 Lumio アカウントの名前を入力してください。</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio が無効になっています。Lumio を有効にするには、管理者 (または administrators グループのユーザー) として NXM にログインしてください。</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio がインストールされていません。写真をアップロードするには、Modepot からパッケージをインストールしてください。</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>指定された個人用 Lumio は無効になっています。個人用 Lumio を有効にするには、NXM にログインしてください。</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>共有フォルダー「photo」が見つかりません。アップロードする前に、共有フォルダー「photo」が存在することを確認してください。</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>ポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>プロファイル名 [%1] は既に存在します。</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>このサーバーのプロファイル名を入力してください。</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>ローカルネットワーク上に %1 が見つかりませんでした。</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>接続が切断されました。Korvat Manager にもう一度ログインしてください。</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>不明なサーバーエラーです。(エラーコード: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>重複ファイルをスキップしました</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>新しいアルバムを作成する権限も、ファイルをアップロードする権限もありません。</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>アップロード先フォルダーが見つかりません: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Lumio アカウントを入力してください</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>項目を右クリックすると、\nLumio Uploader で写真やビデオをアップロードできます。</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Lumio Uploader のインストールが完了しました</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader を使うと、写真やビデオのファイルを Vexalon Korvat の Lumio ライブラリーにアップロードできます。</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>インストール先の選択</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Lumio Uploader へようこそ</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader をインストールしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Lumio Uploader のインストール</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>キャンセルしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>続行してもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Lumio Uploader のすべての設定を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>プロファイル [%1] を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>%1 のパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>次の点を確認してください: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader がコンピューターの OS のファイアウォールやウイルス対策ソフトウェアによってブロックされていないこと。&lt;/li&gt; &lt;li&gt;%1 とコンピューターの両方がネットワークに接続されていること。&lt;/li&gt; &lt;li&gt;%1 の電源が入っていること。&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>写真のアップロード</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>アップロードするファイル数</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>サポートされていないファイル数</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>撮影日時でファイル名を変更する</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>アップロード先フォルダー</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>ファイルが既に存在する場合</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>アップロード失敗</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>アップロード成功</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>アップロード完了</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個のファイル</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>サポートされているファイルのみアップロードする</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>アップロード時にフォルダー構造を維持する</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>アップロード済みのファイルをスキップする</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>アップロード済みファイル</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>[%1] にファイルをアップロードしています...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>元のフォルダー</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Lumio で再生するビデオの変換画質を選択してください。複数の画質や高い画質を選択すると、アップロードに時間がかかります。</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>高 (1080p HD、2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>低 (360p、256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>中 (720p HD、1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>モバイル (240p、256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Lumio でビデオを再生するには、画質を 1 つ以上選択する必要があります。</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>アップロードできるファイルがありません。選択した項目は既に Lumio のアップロード先フォルダーにアップロードされており、お使いのアカウントには選択した項目を Lumio にアップロードする権限もありません。</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>お使いのアカウントには、選択した項目を Lumio にアップロードする権限がありません。</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>選択した項目は既に Lumio のアップロード先フォルダーにアップロードされています。アップロードできるファイルはありません。</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>プロファイル ストア %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>一時フォルダー %1 がいっぱいです。</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>一時フォルダー %1 に書き込めません。</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>サムネイルなし: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>警告: %1 の証明書は、プロファイル [%2] で信頼されてから変更されています。接続が傍受されているか、サーバーの証明書が更新された可能性があります。

信頼済みの SHA-256 フィンガープリント:
%3

提示された証明書:
%4

接続は拒否されました。信頼済みの証明書を置き換えますか?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>証明書が変更されました</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 フィンガープリント:
%1
サブジェクト: %2
有効期間: %3 から %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>%1 の証明書はプロファイル [%2] で信頼されるようになりました。変更された場合は警告されます。

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>%1 の証明書が更新されたことが確かな場合にのみ、信頼済みの証明書を置き換えてください。今後、提示された証明書をプロファイル [%2] で信頼しますか?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>このコンピューターは %1 の証明書を検証できません。お使いの Korvat 自身の証明書であれば、フィンガープリントを確認して、プロファイル [%2] で信頼してください。

%3

この証明書を信頼しますか?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>検証されていない証明書</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>このプログラムの実行時ファイル用フォルダーを使用できません:
%1
他のユーザーが開けない、ご自身のフォルダーである必要があります。フォルダーを削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>デスクトップのキーリングを利用できません: 記憶したパスワードは、お使いのアカウントだけが読み取れるプロファイル データベースに保存されます。</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>失敗したファイルを再試行</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 を変換中</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>%1 を変換中 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 をアップロード中</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 / %2 送信済み</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>スキップ: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>中画質</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>低画質</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>モバイル画質</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>ログイン中…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>%Ln 個のファイルを確認中…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>指定された %n 個のファイルに対応する写真や動画はありません（--all-files を使うとそれでも送信します）</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>アップロード前に拒否: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1 を %2 で送信しました。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>ドライラン、何も送信していません: アップロード予定 %1、スキップ %2、拒否 %3。</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n 個のアルバムを作成しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n 個のアルバムを作成予定</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>%1 を変換中（%2、パス %3/%4）</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>%1 を %2 としてアップロード中</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>フォルダーをアップロード済みに保つ…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>アップロード済みに保つのを停止</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>[%1] でアップロード済みに保つフォルダーを選択してください</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>プロファイル [%1] はパスワードを保存していないため、バックグラウンドサービスはパスワードを要求できません。それでも設定しますか?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>このフォルダーを読み取れません: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>%1 の新しい写真とビデオは、プロファイル [%2] でバックグラウンドでアップロードされるようになりました。</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd が利用できないため、フォルダーをバックグラウンドでアップロード済みに保つことはできません。設定は保存されました。次のコマンドで監視を手動で開始してください: %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>[%1] のバックグラウンドアップロードを変更できませんでした: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>監視中</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>%n 個のファイルをアップロード中</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>%1 からサーバーに接続できません</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>フォルダー: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>前回の実行: %1、%2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>前回のエラー: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>エラー状態</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader プロファイル一覧</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader の設定</translation>
    </message>
</context>
</TS>
