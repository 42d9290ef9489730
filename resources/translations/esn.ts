<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Seleccione la carpeta a la que desea subir los archivos</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Crear carpeta:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Crear perfil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Ver informe de errores</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Iniciar la subida</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Subir más tarde</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Elija el tipo de cuenta a la que desea subir sus archivos.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Lumio personal</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Puede subir archivos a dos tipos de cuentas: cuentas de Lumio estándar y cuentas de Lumio personal. Para subir a estas últimas, debe activar Lumio personal en Lumio. Consulte la Ayuda para obtener más información.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Subir a</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Introduzca el usuario y la contraseña de la cuenta.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Introduzca un nombre de perfil y los datos del servidor. Después, cambie el número de puerto si es necesario.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Nombre/IP del servidor</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Los perfiles le permiten personalizar y guardar su configuración para no tener que cambiarla cada vez que suba fotos. Si deja el nombre del perfil en blanco, se usará de forma predeterminada el nombre de su Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Administrar perfiles</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Subir a Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Crear un perfil nuevo</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>No se ha creado ningún perfil</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>La cuenta de usuario se ha desactivado.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 no es una cuenta de usuario de Lumio válida.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>La cuenta o la contraseña no son válidas. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Nombre de carpeta no válido: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>El número de puerto debe estar entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Error de conexión. (Código de error: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>No se ha podido convertir %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 ya no existe o no se puede leer.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>El servidor respondió %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Cargado, pero no se pudo registrar: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Error de conexión: %1 no respondió durante %2 segundos.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Error de la base de datos (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Esta función no está disponible en el modo de demostración.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>El servidor conectado no admite esta función.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>El nombre de carpeta ya existe. Utilice otro nombre.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Introduzca un nombre de host o una dirección IP válidos.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>No tiene autorización para usar este servicio.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>No se ha podido establecer la conexión. Compruebe el nombre de host o la dirección IP, o asegúrese de que Lumio funciona correctamente, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat no está listo. Para subir fotos a [%1], asegúrese de que Korvat Manager está instalado en el servidor y de que la configuración es correcta.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Para subir fotos a [%1], asegúrese de que el servidor está instalado y configurado correctamente.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Suba los archivos desde una carpeta que no esté vacía.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Seleccione un destino antes de subir los archivos.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Seleccione al menos una calidad de conversión de vídeo antes de subir los archivos.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Introduzca el nombre de una cuenta de Lumio personal.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio está desactivado. Inicie sesión en NXM como administrador (o como un usuario del grupo de administradores) para activar Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio no está instalado. Instale el paquete desde Modepot para subir fotos.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>El Lumio personal solicitado está desactivado. Inicie sesión en NXM para activar Lumio personal.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>No se encuentra la carpeta compartida «photo». Asegúrese de que existe antes de subir los archivos.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Introduzca el número de puerto.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>El nombre de perfil [%1] ya existe.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Introduzca un nombre de perfil para este servidor.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>No se ha encontrado ningún %1 en la red local.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>Se ha perdido la conexión. Vuelva a iniciar sesión en Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Error desconocido del servidor. (Código de error: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Archivo duplicado omitido</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>No tiene permiso para crear álbumes ni para subir archivos.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>No se encuentra la carpeta de destino: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Introduzca una cuenta de Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Puede subir fotos o vídeos con Lumio Uploader haciendo clic con el botón derecho en los elementos.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Instalación de Lumio Uploader completada</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader le permite subir fotos y vídeos a la biblioteca de Lumio de su Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Elegir la ubicación de instalación</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Bienvenido a Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Se está instalando Lumio Uploader, espere...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Instalando Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>¿Seguro que desea cancelar?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>¿Seguro que desea eliminar toda la configuración de Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>¿Seguro que desea eliminar el perfil [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Introduzca la contraseña de %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Asegúrese de lo siguiente: &lt;p&gt;&lt;ul&gt;&lt;li&gt;El cortafuegos del sistema operativo de su equipo o el antivirus no bloquean Vexalon Lumio Uploader.&lt;/li&gt; &lt;li&gt;%1 y su equipo están conectados a la red.&lt;/li&gt; &lt;li&gt;%1 está encendido.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Subir fotos</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Número de archivos que se subirán</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Número de archivos no admitidos</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Cambiar el nombre de los archivos según la fecha de captura</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Si el archivo ya existe</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Error al subir</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Subidos correctamente</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Subida finalizada</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Subir solo archivos admitidos</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Conservar la estructura de carpetas al subir los archivos</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Omitir los archivos ya subidos</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Archivos subidos</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Subiendo archivos a [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Seleccione las calidades de conversión de los vídeos que se reproducirán en Lumio. La subida tardará más si selecciona varias calidades o calidades más altas.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Alta (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Baja (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Media (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Móvil (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Tenga en cuenta que, para reproducir vídeos en Lumio, debe elegir al menos una calidad.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>No hay ningún archivo disponible para subir, porque los elementos seleccionados ya se han subido a la carpeta de destino de Lumio y su cuenta no tiene permiso para subir los elementos seleccionados a Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Su cuenta no tiene permiso para subir los elementos seleccionados a Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Los elementos seleccionados ya se han subido a la carpeta de destino de Lumio. No hay ningún archivo disponible para subir.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>No se puede leer el almacén de perfiles %1: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>La carpeta temporal %1 está llena.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>No se puede escribir en la carpeta temporal %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>sin miniaturas: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>ADVERTENCIA: el certificado de %1 ha cambiado desde que se consideró de confianza para el perfil [%2]. Es posible que alguien esté interceptando la conexión o que se haya renovado el certificado del servidor.

Huella SHA-256 de confianza:
%3

Certificado presentado:
%4

Se ha rechazado la conexión. ¿Reemplazar el certificado de confianza?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certificado cambiado</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Huella SHA-256:
%1
Sujeto: %2
Válido del %3 al %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>El certificado de %1 es ahora de confianza para el perfil [%2]; se le avisará si cambia.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Reemplace el certificado de confianza solo si sabe que el certificado de %1 se ha renovado. ¿Confiar a partir de ahora en el certificado presentado para el perfil [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Este equipo no puede verificar el certificado de %1. Si es el certificado de su Korvat, compare su huella y confíe en él para el perfil [%2].

%3

¿Confiar en este certificado?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Certificado no verificado</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>No se puede usar la carpeta de archivos de ejecución de este programa:
%1
Debe ser una carpeta propia que ningún otro usuario pueda abrir. Elimínela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>No hay ningún llavero del escritorio disponible: la contraseña recordada se guarda en la base de datos de perfiles, que solo su cuenta puede leer.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Reintentar archivos fallidos</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convirtiendo %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Convirtiendo %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Subiendo %1</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 de %2 enviados</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Quedan %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Con errores: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitidos: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>calidad alta</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>calidad media</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>calidad baja</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>calidad móvil</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Iniciando sesión…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Comprobando %Ln archivo…</numerusform>
            <numerusform>Comprobando %Ln archivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Ninguna foto ni vídeo compatible entre el %n archivo indicado (use --all-files para enviarlo de todos modos)</numerusform>
            <numerusform>Ninguna foto ni vídeo compatible entre los %n archivos indicados (use --all-files para enviarlos de todos modos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Rechazados antes de subir: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>Enviados %1 en %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Simulación, no se envió nada: %1 por subir, %2 omitidos, %3 rechazados.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n álbum creado</numerusform>
            <numerusform>%n álbumes creados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n álbum por crear</numerusform>
            <numerusform>%n álbumes por crear</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>Convirtiendo %1 (%2, pasada %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Subiendo %1 como %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Mantener carpeta subida…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Dejar de mantener subida</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Elija la carpeta que se mantendrá subida con [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>El perfil [%1] no recuerda su contraseña y el servicio en segundo plano no puede pedirla. ¿Configurarlo de todos modos?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>No se puede leer esta carpeta: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Las fotos y los vídeos nuevos de %1 se suben ahora en segundo plano con el perfil [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd no está disponible, así que nada mantiene la carpeta subida en segundo plano. La configuración está guardada: inicie usted mismo la vigilancia con %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>No se pudo cambiar la subida en segundo plano de [%1]: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Vigilando</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Subiendo %n archivo</numerusform>
            <numerusform>Subiendo %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Servidor inaccesible desde %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Carpetas: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Última ejecución: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Último error: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Estado del error</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader: lista de perfiles</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Configuración de Lumio Uploader</translation>
    </message>
</context>
</TS>
