<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Select a folder to upload files to</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Create folder:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Create Profile</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>See Error Report</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Start Uploading</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Upload Later</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Choose the type of accounts you wish to upload your files to.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Personal Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Upload to</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Enter the login and password of the account.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Enter a profile name and fill in server information. Then edit port number if necessary.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Server Name/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profile Name</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Manage profiles</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Upload to Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Create new profile</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>No profiles have been created</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>The user account has been disabled.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 is not a valid Lumio user account.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>The account or password is invalid. Please try again.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Invalid folder name: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>The port number must be between 1 and 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Connection error. (Error Code: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Failed to convert %1.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Database error (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>This function is not available in the demo mode.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>This function is not supported by the connected server.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>The folder name already exists. Please use another name.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Please enter a valid hostname or IP address.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Incorrect password.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>You are not authorized to use this service.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>To upload photos to [%1], please make sure the server is installed and configured correctly.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Please upload from a non-empty folder.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Please select a destination before uploading.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Please select at least one video conversion quality before uploading.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Please enter the name of a Personal Lumio account.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio is not installed. Please install the package at Modepot to upload photos.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Please enter the port number.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Profile name [%1] already exists.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Please enter a profile name for this server.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>No %1 was found on the local network.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>The connection is lost. Please log in to Korvat Manager again.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Unknown server error. (Error Code:%1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Skip duplicate file</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>You have no privileges to either create new albums or upload files.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>The destination folder is not found: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Enter a Lumio account</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>You can upload photos or videos with Lumio Uploader by right-clicking on items.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Lumio Uploader installation completed</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Choose Install Location</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Welcome to the Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader is being installed now, please wait...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Installing Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Are you sure you want to cancel?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Are you sure you want to continue?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Are you sure you want to remove all configurations of Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Are you sure you want to delete the profile [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Please enter the %1's password.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Upload Photos</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Upload file count</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Unsupported file count</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Rename files with taken time</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Destination Folder</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>If the file already exists</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Failed to upload</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Successfully uploaded</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Upload finished</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Upload supported files only</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Keep the folder structure when uploading files</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Skip files that have been uploaded</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Uploaded files</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Uploading files to [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Source Folder</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>High (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Low (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Medium (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobile (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Please note that to play videos in Lumio, you must choose at least one quality setting.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Your account does not have permission to upload the selected items to Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 no longer exists or cannot be read.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>The server answered %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Uploaded, but could not be recorded: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Connection error: %1 did not answer for %2 seconds.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>The profile store %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>The temporary folder %1 is full.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>The temporary folder %1 cannot be written.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>no thumbnails: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certificate changed</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Unverified certificate</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Retry failed files</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Converting %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Converting %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Uploading %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 of %2 sent</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Skipped: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>high quality</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>medium quality</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>low quality</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>mobile quality</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Logging in…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Checking %Ln file…</numerusform>
            <numerusform>Checking %Ln files…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>No supported photo or video among the %n file given (use --all-files to send it anyway)</numerusform>
            <numerusform>No supported photo or video among the %n files given (use --all-files to send them anyway)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Refused before upload: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Sent %1 in %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album created</numerusform>
            <numerusform>%n albums created</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album to create</numerusform>
            <numerusform>%n albums to create</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Converting %1 (%2, pass %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Uploading %1 as %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Keep folder uploaded…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Stop keeping uploaded</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Choose the folder to keep uploaded with [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>This folder cannot be read: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>New photos and videos in %1 are now uploaded in the background with the profile [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>The background upload of [%1] could not be changed: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Watching</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Uploading %n file</numerusform>
            <numerusform>Uploading %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Server unreachable since %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Not running</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Folders: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Last run: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Last error: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Error Status</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader Profile List</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader Settings</translation>
    </message>
</context>
</TS>
