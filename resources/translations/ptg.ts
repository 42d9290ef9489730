<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Selecione a pasta para onde pretende carregar os ficheiros</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Criar pasta:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>Criar perfil</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>Ver relatório de erros</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>Iniciar carregamento</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>Carregar mais tarde</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>Escolha o tipo de conta para onde pretende carregar os seus ficheiros.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>Lumio pessoal</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>Pode carregar ficheiros para dois tipos de conta: contas Lumio normais e contas Lumio pessoal. Para carregar para estas últimas, tem de ativar o Lumio pessoal no Lumio. Consulte a Ajuda para obter mais informações.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Carregar para</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Introduza o nome de utilizador e a palavra-passe da conta.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Memorizar palavra-passe</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Introduza um nome de perfil e os dados do servidor. Em seguida, altere o número da porta, se necessário.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>Nome/IP do servidor</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Número da porta</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>Os perfis permitem personalizar e guardar as suas definições, para que não tenha de as alterar sempre que carregar fotografias. Se o nome do perfil ficar em branco, será utilizado o nome do seu Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Gerir perfis</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Carregar para o Lumio</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Criar novo perfil</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>Não foi criado nenhum perfil</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>A conta de utilizador foi desativada.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 não é uma conta de utilizador Lumio válida.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>A conta ou a palavra-passe é inválida. Tente novamente.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Nome de pasta inválido: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>O número da porta tem de estar entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Erro de ligação. (Código de erro: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Não foi possível converter %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 já não existe ou não pode ser lido.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>O servidor respondeu %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Carregado, mas não foi possível registar: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Erro de ligação: %1 não respondeu durante %2 segundos.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Erro da base de dados (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Esta função não está disponível no modo de demonstração.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Esta função não é suportada pelo servidor ligado.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Já existe uma pasta com este nome. Utilize outro nome.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Introduza um nome de anfitrião ou endereço IP válido.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Palavra-passe incorreta.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Não tem autorização para utilizar este serviço.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Não foi possível estabelecer a ligação. Verifique o nome de anfitrião ou o endereço IP, ou certifique-se de que o Lumio está a funcionar corretamente, e tente novamente.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>O Vexalon Korvat não está pronto. Para carregar fotografias para [%1], certifique-se de que o Korvat Manager está instalado no servidor e de que a configuração está correta.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Para carregar fotografias para [%1], certifique-se de que o servidor está instalado e configurado corretamente.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>Carregue a partir de uma pasta que não esteja vazia.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>Selecione um destino antes de carregar.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>Selecione pelo menos uma qualidade de conversão de vídeo antes de carregar.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>Introduza o nome de uma conta Lumio pessoal.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>O Lumio está desativado. Inicie sessão no NXM como administrador (ou como utilizador do grupo de administradores) para ativar o Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>O Lumio não está instalado. Instale o pacote a partir do Modepot para carregar fotografias.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>O Lumio pessoal pedido está desativado. Inicie sessão no NXM para ativar o Lumio pessoal.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>A pasta partilhada "photo" não foi encontrada. Certifique-se de que existe antes de carregar.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Introduza o número da porta.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>O nome de perfil [%1] já existe.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Introduza um nome de perfil para este servidor.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Não foi encontrado nenhum %1 na rede local.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>A ligação foi perdida. Inicie sessão novamente no Korvat Manager.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Erro desconhecido do servidor. (Código de erro: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Ficheiro duplicado ignorado</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Não tem permissões para criar álbuns nem para carregar ficheiros.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>A pasta de destino não foi encontrada: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Introduza uma conta Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Pode carregar fotografias ou vídeos com o Lumio Uploader clicando com o botão direito do rato nos itens.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Instalação do Lumio Uploader concluída</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>O Lumio Uploader permite carregar ficheiros de fotografia e vídeo para a biblioteca Lumio do seu Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Escolher a localização da instalação</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Bem-vindo ao Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>O Lumio Uploader está a ser instalado. Aguarde...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>A instalar o Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Tem a certeza de que pretende cancelar?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Tem a certeza de que pretende continuar?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Tem a certeza de que pretende remover todas as definições do Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Tem a certeza de que pretende eliminar o perfil [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Introduza a palavra-passe de %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Certifique-se de que: &lt;p&gt;&lt;ul&gt;&lt;li&gt;O Vexalon Lumio Uploader não está bloqueado pela firewall do sistema operativo do computador nem por aplicações antivírus.&lt;/li&gt; &lt;li&gt;%1 e o computador estão ambos ligados à rede.&lt;/li&gt; &lt;li&gt;%1 está ligado.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Carregar fotografias</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Número de ficheiros a carregar</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Número de ficheiros não suportados</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Mudar o nome dos ficheiros pela data de captura</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Se o ficheiro já existir</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Falha ao carregar</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Carregados com êxito</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Carregamento concluído</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 ficheiros</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Carregar apenas ficheiros suportados</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Manter a estrutura de pastas ao carregar ficheiros</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Ignorar ficheiros já carregados</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Ficheiros carregados</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>A carregar ficheiros para [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Pasta de origem</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Selecione as qualidades de conversão dos vídeos a reproduzir no Lumio. O carregamento demora mais se selecionar várias qualidades ou qualidades mais elevadas.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>Alta (1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>Baixa (360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>Média (720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>Telemóvel (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Tenha em atenção que, para reproduzir vídeos no Lumio, tem de escolher pelo menos uma qualidade.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Não existem ficheiros disponíveis para carregar, porque os itens selecionados já foram carregados para a pasta de destino no Lumio e a sua conta não tem permissão para carregar os itens selecionados para o Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>A sua conta não tem permissão para carregar os itens selecionados para o Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Os itens selecionados já foram carregados para a pasta de destino no Lumio. Não existem ficheiros disponíveis para carregar.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>Não é possível ler o armazenamento de perfis %1: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>A pasta temporária %1 está cheia.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>Não é possível escrever na pasta temporária %1.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>sem miniaturas: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>AVISO: o certificado de %1 mudou desde que foi considerado fidedigno para o perfil [%2]. Alguém pode estar a intercetar a ligação, ou o certificado do servidor foi renovado.

Impressão digital SHA-256 fidedigna:
%3

Certificado apresentado:
%4

A ligação foi recusada. Substituir o certificado fidedigno?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>Certificado alterado</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>Impressão digital SHA-256:
%1
Assunto: %2
Válido de %3 a %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>O certificado de %1 é agora fidedigno para o perfil [%2]; será avisado se mudar.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Substitua o certificado fidedigno apenas se souber que o certificado de %1 foi renovado. Confiar a partir de agora no certificado apresentado para o perfil [%2]?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>Este computador não consegue verificar o certificado de %1. Se for o certificado do seu Korvat, compare a impressão digital e confie nele para o perfil [%2].

%3

Confiar neste certificado?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>Certificado não verificado</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>Não é possível utilizar a pasta dos ficheiros de execução deste programa:
%1
Tem de ser uma pasta sua que nenhum outro utilizador possa abrir. Remova-a e tente novamente.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Não está disponível nenhum porta-chaves do ambiente de trabalho: a palavra-passe memorizada é guardada na base de dados de perfis, que apenas a sua conta pode ler.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Carregar</translation>
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
        <translation>Tentar novamente os ficheiros com falha</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n ficheiro</numerusform>
            <numerusform>%n ficheiros</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>A converter %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>A converter %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>A carregar %1</translation>
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
        <translation>Faltam %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Com falha: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorados: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>qualidade alta</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>qualidade média</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>qualidade baixa</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>qualidade móvel</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>A iniciar sessão…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>A verificar %Ln ficheiro…</numerusform>
            <numerusform>A verificar %Ln ficheiros…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Não foi possível guardar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Nenhuma fotografia ou vídeo suportado entre o %n ficheiro indicado (utilize --all-files para o enviar mesmo assim)</numerusform>
            <numerusform>Nenhuma fotografia ou vídeo suportado entre os %n ficheiros indicados (utilize --all-files para os enviar mesmo assim)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>Recusados antes do carregamento: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%1 enviados em %2.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>Simulação, nada foi enviado: %1 a carregar, %2 ignorados, %3 recusados.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>%n álbum criado</numerusform>
            <numerusform>%n álbuns criados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>%n álbum a criar</numerusform>
            <numerusform>%n álbuns a criar</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>A converter %1 (%2, passagem %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>A carregar %1 como %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Manter pasta carregada…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Deixar de manter carregada</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Escolha a pasta a manter carregada com [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>O perfil [%1] não memoriza a palavra-passe e o serviço em segundo plano não a pode pedir. Configurar mesmo assim?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Não é possível ler esta pasta: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>As novas fotografias e vídeos em %1 são agora carregados em segundo plano com o perfil [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>O systemd não está disponível, pelo que nada mantém a pasta carregada em segundo plano. As definições foram guardadas: inicie a vigilância com %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Não foi possível alterar o carregamento em segundo plano de [%1]: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>A vigiar</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>A carregar %n ficheiro</numerusform>
            <numerusform>A carregar %n ficheiros</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>Servidor inacessível desde %1</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Pastas: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>Última execução: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>Último erro: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Estado do erro</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader - Lista de perfis</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Definições do Lumio Uploader</translation>
    </message>
</context>
</TS>
