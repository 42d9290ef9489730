<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Sélectionnez le dossier dans lequel charger les fichiers</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Créer un dossier :</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Créer un profil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Voir le rapport d'erreurs</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Démarrer le chargement</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Charger plus tard</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Choisissez le type de compte vers lequel vous souhaitez charger vos fichiers.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Lumio personnel</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Vous pouvez charger vos fichiers vers deux types de comptes : les comptes Lumio standard et les comptes Lumio personnel. Pour charger vers ces derniers, vous devez activer Lumio personnel dans Lumio. Consultez l'aide pour plus de détails.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Charger vers</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Saisissez l'identifiant et le mot de passe du compte.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Saisissez un nom de profil et les informations du serveur, puis modifiez le numéro de port si nécessaire.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Nom/IP du serveur</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Les profils vous permettent de personnaliser et d'enregistrer vos paramètres, pour ne pas avoir à les modifier à chaque chargement de photos. Si vous laissez le nom du profil vide, celui de votre Korvat est utilisé par défaut.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Gérer les profils</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Charger vers Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Créer un nouveau profil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Aucun profil n'a été créé</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>Le compte utilisateur a été désactivé.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 n'est pas un compte utilisateur Lumio valide.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>Le compte ou le mot de passe n'est pas valide. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Nom de dossier non valide : %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>Le numéro de port doit être compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Erreur de connexion. (Code d'erreur : %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Échec de la conversion de %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 n’existe plus ou ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Le serveur a répondu %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Chargé, mais impossible à enregistrer : %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Erreur de connexion : %1 n’a pas répondu pendant %2 secondes.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Erreur de base de données (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Cette fonction n'est pas disponible en mode démo.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Cette fonction n'est pas prise en charge par le serveur connecté.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Ce nom de dossier existe déjà. Veuillez utiliser un autre nom.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Veuillez saisir un nom d'hôte ou une adresse IP valide.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Vous n'êtes pas autorisé à utiliser ce service.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Impossible d'établir la connexion. Vérifiez le nom d'hôte ou l'adresse IP, ou assurez-vous que Lumio fonctionne correctement, puis réessayez.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat n'est pas prêt. Pour charger des photos vers [%1], assurez-vous que Korvat Manager est installé sur le serveur et correctement configuré.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Pour charger des photos vers [%1], assurez-vous que le serveur est installé et correctement configuré.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Veuillez charger depuis un dossier non vide.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Veuillez sélectionner une destination avant de charger.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Veuillez sélectionner au moins une qualité de conversion vidéo avant de charger.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Veuillez saisir le nom d'un compte Lumio personnel.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio est désactivé. Connectez-vous à NXM en tant qu'administrateur (ou avec un utilisateur du groupe des administrateurs) pour activer Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio n'est pas installé. Veuillez installer le paquet depuis Modepot pour charger des photos.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>Le Lumio personnel demandé est désactivé. Connectez-vous à NXM pour activer Lumio personnel.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>Le dossier partagé « photo » est introuvable. Assurez-vous qu'il existe avant de charger des fichiers.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Veuillez saisir le numéro de port.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>Le nom de profil [%1] existe déjà.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Veuillez saisir un nom de profil pour ce serveur.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Aucun %1 n'a été trouvé sur le réseau local.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>La connexion a été perdue. Veuillez vous reconnecter à Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Erreur de serveur inconnue. (Code d'erreur : %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Fichier en double ignoré</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Vous n'avez pas le droit de créer des albums ni de charger des fichiers.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>Le dossier de destination est introuvable : %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Saisissez un compte Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Vous pouvez charger des photos ou des vidéos avec Lumio Uploader d'un clic droit sur les éléments.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Installation de Lumio Uploader terminée</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader vous permet de charger des photos et des vidéos dans la bibliothèque Lumio de votre Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Choisir l'emplacement d'installation</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Bienvenue dans Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Installation de Lumio Uploader en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Installation de Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Voulez-vous vraiment annuler ?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Voulez-vous vraiment supprimer toute la configuration de Lumio Uploader ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Voulez-vous vraiment supprimer le profil [%1] ?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Veuillez saisir le mot de passe de %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Veuillez vérifier les points suivants : &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader n'est pas bloqué par le pare-feu du système d'exploitation de votre ordinateur ni par un antivirus.&lt;/li&gt; &lt;li&gt;%1 et votre ordinateur sont tous deux connectés au réseau.&lt;/li&gt; &lt;li&gt;%1 est sous tension.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Charger des photos</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Nombre de fichiers à charger</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Nombre de fichiers non pris en charge</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Renommer les fichiers selon la date de prise de vue</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Si le fichier existe déjà</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Chargés avec succès</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Chargement terminé</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Ne charger que les fichiers pris en charge</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Conserver l'arborescence des dossiers lors du chargement</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Ignorer les fichiers déjà chargés</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Fichiers chargés</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Chargement des fichiers vers [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Sélectionnez les qualités de conversion des vidéos à lire dans Lumio. Le chargement dure plus longtemps si vous choisissez plusieurs qualités ou des qualités plus élevées.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Haute (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Basse (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Moyenne (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Mobile (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Pour lire des vidéos dans Lumio, vous devez choisir au moins un niveau de qualité.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Aucun fichier ne peut être chargé, car les éléments sélectionnés ont déjà été chargés dans le dossier de destination de Lumio et votre compte n'est pas autorisé à charger les éléments sélectionnés vers Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Votre compte n'est pas autorisé à charger les éléments sélectionnés vers Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Les éléments sélectionnés ont déjà été chargés dans le dossier de destination de Lumio. Aucun fichier ne peut être chargé.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Impossible de lire le magasin de profils %1 : %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>Le dossier temporaire %1 est plein.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Impossible d'écrire dans le dossier temporaire %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>pas de miniatures : %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>AVERTISSEMENT : le certificat de %1 a changé depuis qu'il a été approuvé pour le profil [%2]. Quelqu'un intercepte peut-être la connexion, ou le certificat du serveur a été renouvelé.

Empreinte SHA-256 approuvée :
%3

Certificat présenté :
%4

La connexion a été refusée. Remplacer le certificat approuvé ?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certificat modifié</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Empreinte SHA-256 :
%1
Sujet : %2
Valide du %3 au %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>Le certificat de %1 est désormais approuvé pour le profil [%2] ; vous serez averti s'il change.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Ne remplacez le certificat approuvé que si vous savez que le certificat de %1 a été renouvelé. Approuver désormais le certificat présenté pour le profil [%2] ?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Cet ordinateur ne peut pas vérifier le certificat de %1. S'il s'agit du certificat de votre Korvat, comparez son empreinte et approuvez-le pour le profil [%2].

%3

Approuver ce certificat ?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Certificat non vérifié</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Le dossier des fichiers d'exécution de ce programme ne peut pas être utilisé :
%1
Il doit s'agir d'un dossier vous appartenant qu'aucun autre utilisateur ne peut ouvrir. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Aucun trousseau de clés du bureau n'est disponible : le mot de passe mémorisé est conservé dans la base de données des profils, que seul votre compte peut lire.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Réessayer les fichiers en échec</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Conversion de %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Conversion de %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Chargement de %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 sur %2 envoyés</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 restant</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échecs : %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorés : %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>qualité haute</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>qualité moyenne</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>qualité basse</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>qualité mobile</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Connexion en cours…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Vérification de %Ln fichier…</numerusform>
            <numerusform>Vérification de %Ln fichiers…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d'enregistrer %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Aucune photo ni vidéo prise en charge parmi le %n fichier indiqué (utilisez --all-files pour l'envoyer quand même)</numerusform>
            <numerusform>Aucune photo ni vidéo prise en charge parmi les %n fichiers indiqués (utilisez --all-files pour les envoyer quand même)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Refusés avant le chargement : %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1 envoyés en %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Essai à blanc, rien n'a été envoyé : %1 à charger, %2 ignorés, %3 refusés.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n album créé</numerusform>
            <numerusform>%n albums créés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n album à créer</numerusform>
            <numerusform>%n albums à créer</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Conversion de %1 (%2, passe %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Chargement de %1 sous le nom %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Garder le dossier téléchargé…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Ne plus garder téléchargé</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Choisissez le dossier à garder téléchargé avec [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>Le profil [%1] ne mémorise pas son mot de passe, et le service en arrière-plan ne peut pas le demander. Le configurer quand même ?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Ce dossier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Les nouvelles photos et vidéos de %1 sont désormais téléchargées en arrière-plan avec le profil [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd n'est pas disponible : rien ne garde le dossier téléchargé en arrière-plan. Les réglages sont enregistrés ; lancez vous-même la surveillance avec %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Le téléchargement en arrière-plan de [%1] n'a pas pu être modifié : %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Surveillance</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Téléchargement de %n fichier</numerusform>
            <numerusform>Téléchargement de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Serveur injoignable depuis %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Dossiers : %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Dernière exécution : %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Dernière erreur : %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>État de l'erreur</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader – Liste des profils</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Paramètres de Lumio Uploader</translation>
    </message>
</context>
</TS>
