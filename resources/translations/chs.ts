<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>选择要将文件上传到的文件夹</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>新建文件夹：</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>创建配置文件</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>查看错误报告</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>开始上传</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>稍后上传</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>请选择要将文件上传到的账户类型。</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>个人 Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>可以上传到两种类型的账户：标准 Lumio 账户和个人 Lumio 账户。要上传到个人 Lumio 账户，必须先在 Lumio 中启用个人 Lumio。详细信息请参阅帮助。</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>上传到</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>请输入账户的登录名和密码。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>请输入配置文件名称并填写服务器信息，然后根据需要修改端口号。</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>服务器名称/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>端口号</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>配置文件可用于自定义并保存您的设置，这样您每次上传照片时都无需重新修改设置。如果配置文件名称留空，将默认使用您的 Korvat 名称。</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>管理配置文件</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>上传到 Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>创建新配置文件</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>尚未创建任何配置文件</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>该用户账户已被禁用。</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 不是有效的 Lumio 用户账户。</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>账户或密码无效，请重试。</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>文件夹名称无效：%1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>端口号必须介于 1 到 65535 之间。</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>连接错误。(错误代码：%1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>无法转换 %1。</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 已不存在或无法读取。</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>服务器返回了 %1。</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>已上传，但无法记录：%1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>连接错误：%1 在 %2 秒内没有响应。</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>数据库错误 (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>此功能在演示模式下不可用。</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>所连接的服务器不支持此功能。</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>该文件夹名称已存在，请使用其他名称。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>请输入有效的主机名或 IP 地址。</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>密码不正确。</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>您无权使用此服务。</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>无法建立连接。请检查主机名/IP 地址，或确认 Lumio 运行正常，然后重试。</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat 尚未就绪。要将照片上传到 [%1]，请确认服务器上已安装 Korvat Manager 且配置正确。</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>要将照片上传到 [%1]，请确认服务器已正确安装和配置。</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>请从非空文件夹上传。</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>上传前请选择目标位置。</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>上传前请至少选择一种视频转换画质。</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>请输入个人 Lumio 账户的名称。</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio 已被禁用。请以管理员（或管理员组中的用户）身份登录 NXM 以启用 Lumio。</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>未安装 Lumio。请从 Modepot 安装该软件包以上传照片。</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>所请求的个人 Lumio 已被禁用。请登录 NXM 以启用个人 Lumio。</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>找不到共享文件夹“photo”。上传前请确认共享文件夹“photo”存在。</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>请输入端口号。</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>配置文件名称 [%1] 已存在。</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>请为此服务器输入配置文件名称。</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>在局域网中找不到 %1。</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>连接已断开。请重新登录 Korvat Manager。</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>未知的服务器错误。(错误代码：%1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>已跳过重复文件</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>您没有创建新相册或上传文件的权限。</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>找不到目标文件夹：%1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>请输入 Lumio 账户</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>右键单击项目，即可使用 Lumio Uploader 上传照片或视频。</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Lumio Uploader 安装完成</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>使用 Lumio Uploader 可以将照片和视频文件上传到 Vexalon Korvat 的 Lumio 媒体库。</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>选择安装位置</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>欢迎使用 Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>正在安装 Lumio Uploader，请稍候...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>正在安装 Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>确定要取消吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>确定要继续吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>确定要删除 Lumio Uploader 的所有配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>确定要删除配置文件 [%1] 吗？</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>请输入 %1 的密码。</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>请确认：&lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader 未被计算机操作系统的防火墙或杀毒软件阻止。&lt;/li&gt; &lt;li&gt;%1 和您的计算机都已连接到网络。&lt;/li&gt; &lt;li&gt;%1 的电源已打开。&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>上传照片</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>上传文件数</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>不支持的文件数</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>按拍摄时间重命名文件</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>如果文件已存在</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>上传失败</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>上传成功</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>上传完成</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>仅上传支持的文件</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>上传时保留文件夹结构</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>跳过已上传的文件</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>已上传文件</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>正在将文件上传到 [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>源文件夹</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>请选择要在 Lumio 中播放的视频的转换画质。选择多种画质和/或较高画质时，上传所需时间会更长。</translation>
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
        <translation>移动设备 (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>请注意，要在 Lumio 中播放视频，必须至少选择一种画质。</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>没有可上传的文件。所选项目已上传到 Lumio 中的目标文件夹，且您的账户没有将所选项目上传到 Lumio 的权限。</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>您的账户没有将所选项目上传到 Lumio 的权限。</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>所选项目已上传到 Lumio 中的目标文件夹。没有可上传的文件。</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>无法读取配置文件存储 %1：%2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>临时文件夹 %1 已满。</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>无法写入临时文件夹 %1。</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>无缩略图：%1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>警告: %1 的证书自从在配置文件 [%2] 中被信任以来已发生变化。可能有人正在拦截连接,或服务器的证书已更新。

受信任的 SHA-256 指纹:
%3

出示的证书:
%4

连接已被拒绝。是否替换受信任的证书?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>证书已更改</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 指纹:
%1
主题: %2
有效期: %3 至 %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>%1 的证书现在在配置文件 [%2] 中受信任;如果它发生变化,您将收到警告。

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>仅当您确知 %1 的证书已更新时才替换受信任的证书。从现在起在配置文件 [%2] 中信任出示的证书吗?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>此计算机无法验证 %1 的证书。如果这是您的 Korvat 自己的证书,请核对其指纹,然后在配置文件 [%2] 中信任它。

%3

是否信任此证书?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>未验证的证书</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>无法使用本程序的运行时文件文件夹:
%1
它必须是您自己的、其他用户无法打开的文件夹。请将其删除后重试。</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>没有可用的桌面密钥环:记住的密码保存在配置文件数据库中,只有您的帐户可以读取。</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>重试失败的文件</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>正在转换 %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>正在转换 %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>正在上传 %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>已发送 %1 / %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>高画质</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>中画质</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>低画质</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>移动设备画质</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>正在登录…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>正在检查 %Ln 个文件…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>所给的 %n 个文件中没有支持的照片或视频（使用 --all-files 仍可发送）</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>上传前被拒绝：%1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>已发送 %1，用时 %2。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>试运行，未发送任何内容：待上传 %1，跳过 %2，拒绝 %3。</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>已创建 %n 个相册</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>将创建 %n 个相册</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>正在转换 %1（%2，第 %3/%4 遍）</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>正在将 %1 上传为 %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>保持文件夹已上传…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>停止保持已上传</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>选择使用 [%1] 保持已上传的文件夹</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>配置文件 [%1] 未保存密码，后台服务无法询问密码。仍要设置吗?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>无法读取此文件夹: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>%1 中的新照片和视频现在将使用配置文件 [%2] 在后台上传。</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd 不可用，因此无法在后台保持文件夹已上传。设置已保存: 请使用以下命令自行启动监视: %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>无法更改 [%1] 的后台上传: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>正在监视</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>正在上传 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>自 %1 起无法连接服务器</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>文件夹: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>上次运行: %1，%2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>上次错误: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>错误状态</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader 配置文件列表</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader 设置</translation>
    </message>
</context>
</TS>
