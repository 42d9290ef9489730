<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>Selecione a pasta para a qual deseja carregar os arquivos</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>Criar pasta:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
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
        <translation>Avançar</translation>
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
        <translation>Salvar</translation>
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
        <translation>Escolha o tipo de conta para a qual deseja carregar seus arquivos.</translation>
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
        <translation>Você pode carregar arquivos em dois tipos de conta: contas padrão do Lumio e contas do Lumio pessoal. Para carregar nestas últimas, é preciso ativar o Lumio pessoal no Lumio. Consulte a Ajuda para obter mais detalhes.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>Carregar em</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>Digite o usuário e a senha da conta.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Lembrar senha</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>Digite um nome de perfil e as informações do servidor. Depois, altere o número da porta, se necessário.</translation>
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
        <translation>Os perfis permitem personalizar e salvar suas configurações para que você não precise alterá-las sempre que carregar fotos. Se o nome do perfil ficar em branco, será usado o nome do seu Korvat.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>Gerenciar perfis</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Carregar no Lumio</translation>
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
        <translation>Nenhum perfil foi criado</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>A conta de usuário foi desativada.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1 não é uma conta de usuário válida do Lumio.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>A conta ou a senha é inválida. Tente novamente.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>Nome de pasta inválido: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>O número da porta deve estar entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>Erro de conexão. (Código de erro: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>Falha ao converter %1.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1 não existe mais ou não pode ser lido.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>O servidor respondeu %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>Carregado, mas não foi possível registrar: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>Erro de conexão: %1 não respondeu por %2 segundos.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>Erro no banco de dados (%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>Esta função não está disponível no modo de demonstração.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>Esta função não é compatível com o servidor conectado.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>Já existe uma pasta com esse nome. Use outro nome.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>Digite um nome de host ou endereço IP válido.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Senha incorreta.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>Você não tem autorização para usar este serviço.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>Não foi possível estabelecer a conexão. Verifique o nome de host ou o endereço IP, ou confirme se o Lumio está funcionando corretamente, e tente novamente.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>O Vexalon Korvat não está pronto. Para carregar fotos em [%1], verifique se o Korvat Manager está instalado no servidor e se as configurações estão corretas.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>Para carregar fotos em [%1], verifique se o servidor está instalado e configurado corretamente.</translation>
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
        <translation>Digite o nome de uma conta do Lumio pessoal.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>O Lumio está desativado. Faça login no NXM como administrador (ou como um usuário do grupo de administradores) para ativar o Lumio.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>O Lumio não está instalado. Instale o pacote pelo Modepot para carregar fotos.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>O Lumio pessoal solicitado está desativado. Faça login no NXM para ativar o Lumio pessoal.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>A pasta compartilhada "photo" não foi encontrada. Verifique se ela existe antes de carregar.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>Digite o número da porta.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>O nome de perfil [%1] já existe.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>Digite um nome de perfil para este servidor.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>Nenhum %1 foi encontrado na rede local.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>A conexão foi perdida. Faça login no Korvat Manager novamente.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>Erro desconhecido do servidor. (Código de erro: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>Arquivo duplicado ignorado</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>Você não tem permissão para criar álbuns nem para carregar arquivos.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>A pasta de destino não foi encontrada: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Digite uma conta do Lumio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>Você pode carregar fotos ou vídeos com o Lumio Uploader clicando com o botão direito nos itens.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Instalação do Lumio Uploader concluída</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>O Lumio Uploader permite carregar fotos e vídeos na biblioteca do Lumio do seu Vexalon Korvat.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>Escolher local de instalação</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Bem-vindo ao Lumio Uploader</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>O Lumio Uploader está sendo instalado. Aguarde...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Instalando o Lumio Uploader</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>Tem certeza de que deseja cancelar?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Tem certeza de que deseja remover todas as configurações do Lumio Uploader?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>Tem certeza de que deseja excluir o perfil [%1]?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>Digite a senha de %1.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>Verifique se: &lt;p&gt;&lt;ul&gt;&lt;li&gt;O Vexalon Lumio Uploader não está bloqueado pelo firewall do sistema operacional do computador nem por programas antivírus.&lt;/li&gt; &lt;li&gt;%1 e o computador estão conectados à rede.&lt;/li&gt; &lt;li&gt;%1 está ligado.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>Carregar fotos</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>Número de arquivos a carregar</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>Número de arquivos não compatíveis</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>Renomear arquivos pela data da foto</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>Se o arquivo já existir</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>Falha no carregamento</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>Carregados com sucesso</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>Carregamento concluído</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 arquivos</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>Carregar somente arquivos compatíveis</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>Manter a estrutura de pastas ao carregar arquivos</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>Ignorar arquivos já carregados</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>Arquivos carregados</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>Carregando arquivos em [%1]...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
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
        <translation>Selecione as qualidades de conversão dos vídeos que serão reproduzidos no Lumio. O carregamento levará mais tempo se você selecionar várias qualidades ou qualidades mais altas.</translation>
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
        <translation>Celular (240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Observe que, para reproduzir vídeos no Lumio, é preciso escolher pelo menos uma qualidade.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Nenhum arquivo está disponível para carregamento, pois os itens selecionados já foram carregados na pasta de destino no Lumio e sua conta não tem permissão para carregar os itens selecionados no Lumio.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>Sua conta não tem permissão para carregar os itens selecionados no Lumio.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>Os itens selecionados já foram carregados na pasta de destino no Lumio. Nenhum arquivo está disponível para carregamento.</translation>
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
        <translation>Não é possível gravar na pasta temporária %1.</translation>
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
        <translation>AVISO: o certificado de %1 mudou desde que foi considerado confiável para o perfil [%2]. Alguém pode estar interceptando a conexão, ou o certificado do servidor foi renovado.

Impressão digital SHA-256 confiável:
%3

Certificado apresentado:
%4

A conexão foi recusada. Substituir o certificado confiável?</translation>
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
        <translation>O certificado de %1 agora é confiável para o perfil [%2]; você será avisado se ele mudar.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>Substitua o certificado confiável somente se souber que o certificado de %1 foi renovado. Confiar a partir de agora no certificado apresentado para o perfil [%2]?</translation>
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
        <translation>A pasta dos arquivos de execução deste programa não pode ser usada:
%1
Ela deve ser uma pasta sua que nenhum outro usuário possa abrir. Remova-a e tente novamente.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>Nenhum chaveiro da área de trabalho está disponível: a senha lembrada é mantida no banco de dados de perfis, que somente a sua conta pode ler.</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>Tentar novamente os arquivos com falha</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convertendo %1</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>Convertendo %1 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Carregando %1</translation>
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
        <translation>Entrando…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>Verificando %Ln arquivo…</numerusform>
            <numerusform>Verificando %Ln arquivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>Nenhuma foto ou vídeo compatível entre o %n arquivo informado (use --all-files para enviá-lo mesmo assim)</numerusform>
            <numerusform>Nenhuma foto ou vídeo compatível entre os %n arquivos informados (use --all-files para enviá-los mesmo assim)</numerusform>
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
        <translation>Convertendo %1 (%2, passagem %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>Carregando %1 como %2</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>Manter pasta enviada…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>Parar de manter enviada</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>Escolha a pasta a manter enviada com [%1]</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>O perfil [%1] não lembra a senha, e o serviço em segundo plano não pode pedi-la. Configurar mesmo assim?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>Não é possível ler esta pasta: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>Novas fotos e vídeos em %1 agora são enviados em segundo plano com o perfil [%2].</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>O systemd não está disponível, então nada mantém a pasta enviada em segundo plano. As configurações foram salvas: inicie o monitoramento você mesmo com %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>Não foi possível alterar o envio em segundo plano de [%1]: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Monitorando</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>Enviando %n arquivo</numerusform>
            <numerusform>Enviando %n arquivos</numerusform>
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
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>Status do erro</translation>
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
        <translation>Configurações do Lumio Uploader</translation>
    </message>
</context>
</TS>
