<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>global</name>
    <message>
        <source>Select a folder to upload files to</source>
        <translation>파일을 업로드할 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>Create folder:</source>
        <translation>폴더 만들기:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Create Profile</source>
        <translation>프로필 만들기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>See Error Report</source>
        <translation>오류 보고서 보기</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>마침</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Start Uploading</source>
        <translation>업로드 시작</translation>
    </message>
    <message>
        <source>Upload Later</source>
        <translation>나중에 업로드</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Choose the type of accounts you wish to upload your files to.</source>
        <translation>파일을 업로드할 계정 유형을 선택하십시오.</translation>
    </message>
    <message>
        <source>Lumio</source>
        <translation>Lumio</translation>
    </message>
    <message>
        <source>Personal Lumio</source>
        <translation>개인 Lumio</translation>
    </message>
    <message>
        <source>There are two types of accounts you can upload to: standard Lumio accounts, and Personal Lumio accounts. To upload to the latter, you must activate Personal Lumio in Lumio. Please see Help for more details.</source>
        <translation>업로드할 수 있는 계정에는 표준 Lumio 계정과 개인 Lumio 계정의 두 가지 유형이 있습니다. 개인 Lumio 계정에 업로드하려면 Lumio에서 개인 Lumio를 활성화해야 합니다. 자세한 내용은 도움말을 참조하십시오.</translation>
    </message>
    <message>
        <source>Upload to</source>
        <translation>업로드 대상</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Enter the login and password of the account.</source>
        <translation>계정의 로그인 이름과 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>비밀번호 저장</translation>
    </message>
    <message>
        <source>Enter a profile name and fill in server information. Then edit port number if necessary.</source>
        <translation>프로필 이름과 서버 정보를 입력한 다음 필요하면 포트 번호를 수정하십시오.</translation>
    </message>
    <message>
        <source>Server Name/IP</source>
        <translation>서버 이름/IP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>포트 번호</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>프로필 이름</translation>
    </message>
    <message>
        <source>Profiles allow you to customize and save your settings, so you don't need to modify them each time you upload photos. The profile name will be your Korvat name by default if left blank.</source>
        <translation>프로필을 사용하면 설정을 사용자 지정하여 저장할 수 있으므로 사진을 업로드할 때마다 설정을 변경할 필요가 없습니다. 프로필 이름을 비워 두면 기본적으로 Korvat 이름이 사용됩니다.</translation>
    </message>
    <message>
        <source>Manage profiles</source>
        <translation>프로필 관리</translation>
    </message>
    <message>
        <source>Upload to Lumio</source>
        <translation>Lumio에 업로드</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>새 프로필 만들기</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>No profiles have been created</source>
        <translation>만든 프로필이 없습니다</translation>
    </message>
    <message>
        <source>The user account has been disabled.</source>
        <translation>사용자 계정이 비활성화되었습니다.</translation>
    </message>
    <message>
        <source>%1 is not a valid Lumio user account.</source>
        <translation>%1은(는) 유효한 Lumio 사용자 계정이 아닙니다.</translation>
    </message>
    <message>
        <source>The account or password is invalid. Please try again.</source>
        <translation>계정 또는 비밀번호가 잘못되었습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Invalid folder name: %1</source>
        <translation>잘못된 폴더 이름: %1</translation>
    </message>
    <message>
        <source>The port number must be between 1 and 65535.</source>
        <translation>포트 번호는 1에서 65535 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Connection error. (Error Code: %1)</source>
        <translation>연결 오류입니다. (오류 코드: %1)</translation>
    </message>
    <message>
        <source>Failed to convert %1.</source>
        <translation>%1을(를) 변환하지 못했습니다.</translation>
    </message>
    <message>
        <source>%1 no longer exists or cannot be read.</source>
        <translation>%1이(가) 더 이상 없거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>서버 응답: %1.</translation>
    </message>
    <message>
        <source>Uploaded, but could not be recorded: %1</source>
        <translation>업로드했지만 기록하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Connection error: %1 did not answer for %2 seconds.</source>
        <translation>연결 오류: %1이(가) %2초 동안 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>Database error (%1)</source>
        <translation>데이터베이스 오류(%1)</translation>
    </message>
    <message>
        <source>This function is not available in the demo mode.</source>
        <translation>데모 모드에서는 이 기능을 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>This function is not supported by the connected server.</source>
        <translation>연결된 서버에서 이 기능을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>The folder name already exists. Please use another name.</source>
        <translation>같은 이름의 폴더가 이미 있습니다. 다른 이름을 사용하십시오.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Please enter a valid hostname or IP address.</source>
        <translation>올바른 호스트 이름 또는 IP 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>You are not authorized to use this service.</source>
        <translation>이 서비스를 사용할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Failed to establish the connection. Please check the hostname/IP address or make sure Lumio is working properly, and then try again.</source>
        <translation>연결하지 못했습니다. 호스트 이름/IP 주소를 확인하거나 Lumio가 정상적으로 작동하는지 확인한 다음 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Vexalon Korvat is not ready. To upload photos to [%1], please make sure the Korvat Manager is installed on the server and configurations are set up correctly.</source>
        <translation>Vexalon Korvat이(가) 준비되지 않았습니다. [%1]에 사진을 업로드하려면 서버에 Korvat Manager가 설치되어 있고 올바르게 구성되어 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>To upload photos to [%1], please make sure the server is installed and configured correctly.</source>
        <translation>[%1]에 사진을 업로드하려면 서버가 올바르게 설치 및 구성되어 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Please upload from a non-empty folder.</source>
        <translation>비어 있지 않은 폴더에서 업로드하십시오.</translation>
    </message>
    <message>
        <source>Please select a destination before uploading.</source>
        <translation>업로드하기 전에 대상을 선택하십시오.</translation>
    </message>
    <message>
        <source>Please select at least one video conversion quality before uploading.</source>
        <translation>업로드하기 전에 동영상 변환 품질을 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>Please enter the name of a Personal Lumio account.</source>
        <translation>개인 Lumio 계정의 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Lumio is disabled. Please log in to NXM as admin (or a user belonging to the administrators group) to enable Lumio.</source>
        <translation>Lumio가 비활성화되어 있습니다. Lumio를 활성화하려면 관리자(또는 관리자 그룹에 속한 사용자)로 NXM에 로그인하십시오.</translation>
    </message>
    <message>
        <source>Lumio is not installed. Please install the package at Modepot to upload photos.</source>
        <translation>Lumio가 설치되어 있지 않습니다. 사진을 업로드하려면 Modepot에서 패키지를 설치하십시오.</translation>
    </message>
    <message>
        <source>Requested Personal Lumio is disabled. Please log in to NXM to enable the Personal Lumio.</source>
        <translation>요청한 개인 Lumio가 비활성화되어 있습니다. 개인 Lumio를 활성화하려면 NXM에 로그인하십시오.</translation>
    </message>
    <message>
        <source>The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.</source>
        <translation>'photo' 공유 폴더를 찾을 수 없습니다. 업로드하기 전에 'photo' 공유 폴더가 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Please enter the port number.</source>
        <translation>포트 번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Profile name [%1] already exists.</source>
        <translation>프로필 이름 [%1]이(가) 이미 있습니다.</translation>
    </message>
    <message>
        <source>Please enter a profile name for this server.</source>
        <translation>이 서버의 프로필 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>No %1 was found on the local network.</source>
        <translation>로컬 네트워크에서 %1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The connection is lost. Please log in to Korvat Manager again.</source>
        <translation>연결이 끊어졌습니다. Korvat Manager에 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>Unknown server error. (Error Code:%1)</source>
        <translation>알 수 없는 서버 오류입니다. (오류 코드: %1)</translation>
    </message>
    <message>
        <source>Skip duplicate file</source>
        <translation>중복 파일을 건너뜀</translation>
    </message>
    <message>
        <source>You have no privileges to either create new albums or upload files.</source>
        <translation>새 앨범을 만들거나 파일을 업로드할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The destination folder is not found: %1</source>
        <translation>대상 폴더를 찾을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Enter a Lumio account</source>
        <translation>Lumio 계정을 입력하십시오</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>You can upload photos or videos with Lumio Uploader by right-clicking on items.</source>
        <translation>항목을 마우스 오른쪽 단추로 클릭하여 Lumio Uploader로 사진이나 동영상을 업로드할 수 있습니다.</translation>
    </message>
    <message>
        <source>Lumio Uploader installation completed</source>
        <translation>Lumio Uploader 설치 완료</translation>
    </message>
    <message>
        <source>Lumio Uploader allows you to upload photo and video files to the Lumio library of your Vexalon Korvat.</source>
        <translation>Lumio Uploader를 사용하면 사진 및 동영상 파일을 Vexalon Korvat의 Lumio 라이브러리에 업로드할 수 있습니다.</translation>
    </message>
    <message>
        <source>Choose Install Location</source>
        <translation>설치 위치 선택</translation>
    </message>
    <message>
        <source>Welcome to the Lumio Uploader</source>
        <translation>Lumio Uploader 시작</translation>
    </message>
    <message>
        <source>Lumio Uploader is being installed now, please wait...</source>
        <translation>Lumio Uploader를 설치하는 중입니다. 잠시 기다리십시오...</translation>
    </message>
    <message>
        <source>Installing Lumio Uploader</source>
        <translation>Lumio Uploader 설치 중</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel?</source>
        <translation>취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all configurations of Lumio Uploader?</source>
        <translation>Lumio Uploader의 모든 구성을 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the profile [%1]?</source>
        <translation>프로필 [%1]을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Please enter the %1's password.</source>
        <translation>%1의 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Please make sure: &lt;p&gt;&lt;ul&gt;&lt;li&gt;Vexalon Lumio Uploader is not blocked by the firewall of your computer OS or anti-virus applications.&lt;/li&gt; &lt;li&gt;%1 and your computer are both connected to the network.&lt;/li&gt; &lt;li&gt;You have switched on the power of %1.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>다음 사항을 확인하십시오. &lt;p&gt;&lt;ul&gt;&lt;li&gt;컴퓨터 OS의 방화벽이나 바이러스 백신 프로그램이 Vexalon Lumio Uploader를 차단하지 않아야 합니다.&lt;/li&gt; &lt;li&gt;%1과(와) 컴퓨터가 모두 네트워크에 연결되어 있어야 합니다.&lt;/li&gt; &lt;li&gt;%1의 전원이 켜져 있어야 합니다.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Upload Photos</source>
        <translation>사진 업로드</translation>
    </message>
    <message>
        <source>Vexalon Korvat</source>
        <translation>Vexalon Korvat</translation>
    </message>
    <message>
        <source>Upload file count</source>
        <translation>업로드할 파일 수</translation>
    </message>
    <message>
        <source>Unsupported file count</source>
        <translation>지원되지 않는 파일 수</translation>
    </message>
    <message>
        <source>Rename files with taken time</source>
        <translation>촬영 시간으로 파일 이름 바꾸기</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>대상 폴더</translation>
    </message>
    <message>
        <source>If the file already exists</source>
        <translation>파일이 이미 있는 경우</translation>
    </message>
    <message>
        <source>Failed to upload</source>
        <translation>업로드 실패</translation>
    </message>
    <message>
        <source>Successfully uploaded</source>
        <translation>업로드 성공</translation>
    </message>
    <message>
        <source>Upload finished</source>
        <translation>업로드 완료</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>파일 %1개</translation>
    </message>
    <message>
        <source>Upload supported files only</source>
        <translation>지원되는 파일만 업로드</translation>
    </message>
    <message>
        <source>Keep the folder structure when uploading files</source>
        <translation>업로드할 때 폴더 구조 유지</translation>
    </message>
    <message>
        <source>Skip files that have been uploaded</source>
        <translation>이미 업로드한 파일 건너뛰기</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>덮어쓰기</translation>
    </message>
    <message>
        <source>Uploaded files</source>
        <translation>업로드한 파일</translation>
    </message>
    <message>
        <source>Uploading files to [%1]...</source>
        <translation>[%1]에 파일을 업로드하는 중...</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>원본 폴더</translation>
    </message>
    <message>
        <source>Select conversion qualities for videos to be played in Lumio. Uploading will take longer when you select multiple and/or higher quality levels.</source>
        <translation>Lumio에서 재생할 동영상의 변환 품질을 선택하십시오. 여러 품질이나 높은 품질을 선택하면 업로드 시간이 길어집니다.</translation>
    </message>
    <message>
        <source>High (1080p HD, 2Mbp/s)</source>
        <translation>높음(1080p HD, 2Mbp/s)</translation>
    </message>
    <message>
        <source>Low (360p, 256kbp/s)</source>
        <translation>낮음(360p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Medium (720p HD, 1Mbp/s)</source>
        <translation>중간(720p HD, 1Mbp/s)</translation>
    </message>
    <message>
        <source>Mobile (240p, 256kbp/s)</source>
        <translation>모바일(240p, 256kbp/s)</translation>
    </message>
    <message>
        <source>Please note that to play videos in Lumio, you must choose at least one quality setting.</source>
        <translation>Lumio에서 동영상을 재생하려면 품질 설정을 하나 이상 선택해야 합니다.</translation>
    </message>
    <message>
        <source>No file is available for upload. This is because the selected items have already been uploaded to the destination folder in Lumio, and your account does not have permission to upload the selected items to Lumio.</source>
        <translation>업로드할 수 있는 파일이 없습니다. 선택한 항목이 이미 Lumio의 대상 폴더에 업로드되었으며, 사용자 계정에 선택한 항목을 Lumio에 업로드할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Your account does not have permission to upload the selected items to Lumio.</source>
        <translation>사용자 계정에 선택한 항목을 Lumio에 업로드할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The selected items have already been uploaded to the destination folder in Lumio. No file is available for upload.</source>
        <translation>선택한 항목이 이미 Lumio의 대상 폴더에 업로드되었습니다. 업로드할 수 있는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>The profile store %1 cannot be read: %2</source>
        <translation>프로필 저장소 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The temporary folder %1 is full.</source>
        <translation>임시 폴더 %1이(가) 가득 찼습니다.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written.</source>
        <translation>임시 폴더 %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>no thumbnails: %1</source>
        <translation>미리 보기 없음: %1</translation>
    </message>
    <message>
        <source>WARNING: the certificate of %1 has changed since it was trusted for the profile [%2]. Someone may be intercepting the connection, or the server's certificate was renewed.

Trusted SHA-256 fingerprint:
%3

Presented certificate:
%4

The connection was refused. Replace the trusted certificate?</source>
        <translation>경고: %1의 인증서가 프로필 [%2]에 대해 신뢰된 이후 변경되었습니다. 누군가 연결을 가로채고 있거나 서버의 인증서가 갱신되었을 수 있습니다.

신뢰된 SHA-256 지문:
%3

제시된 인증서:
%4

연결이 거부되었습니다. 신뢰된 인증서를 교체하시겠습니까?</translation>
    </message>
    <message>
        <source>Certificate changed</source>
        <translation>인증서 변경됨</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:
%1
Subject: %2
Valid from %3 to %4</source>
        <translation>SHA-256 지문:
%1
주체: %2
유효 기간: %3 ~ %4</translation>
    </message>
    <message>
        <source>The certificate of %1 is now trusted for the profile [%2]; you will be warned if it changes.

%3</source>
        <translation>이제 %1의 인증서가 프로필 [%2]에 대해 신뢰됩니다. 인증서가 변경되면 경고가 표시됩니다.

%3</translation>
    </message>
    <message>
        <source>Replace the trusted certificate only when you know that the certificate of %1 was renewed. Trust the presented certificate for the profile [%2] from now on?</source>
        <translation>%1의 인증서가 갱신된 것이 확실한 경우에만 신뢰된 인증서를 교체하십시오. 지금부터 프로필 [%2]에 대해 제시된 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>This computer cannot verify the certificate of %1. If it is your Korvat's own certificate, compare its fingerprint and trust it for the profile [%2].

%3

Trust this certificate?</source>
        <translation>이 컴퓨터에서 %1의 인증서를 확인할 수 없습니다. Korvat 자체 인증서라면 지문을 비교한 후 프로필 [%2]에 대해 신뢰하십시오.

%3

이 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>Unverified certificate</source>
        <translation>확인되지 않은 인증서</translation>
    </message>
    <message>
        <source>The folder for this program's runtime files cannot be used:
%1
It must be a folder of your own that no other user can open. Remove it and try again.</source>
        <translation>이 프로그램의 실행 파일 폴더를 사용할 수 없습니다:
%1
다른 사용자가 열 수 없는 본인 소유의 폴더여야 합니다. 폴더를 제거한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>No desktop keyring is available: the remembered password is kept in the profile database, which only your account can read.</source>
        <translation>사용 가능한 데스크톱 키링이 없습니다. 기억된 암호는 사용자 계정만 읽을 수 있는 프로필 데이터베이스에 보관됩니다.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>저장…</translation>
    </message>
    <message>
        <source>Retry failed files</source>
        <translation>실패한 파일 다시 시도</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>%1 변환 중</translation>
    </message>
    <message>
        <source>Converting %1 - %2</source>
        <translation>%1 변환 중 — %2</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 업로드 중</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%2 중 %1 전송됨</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/초</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>실패: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>건너뜀: %1</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>고화질</translation>
    </message>
    <message>
        <source>medium quality</source>
        <translation>중간 화질</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>저화질</translation>
    </message>
    <message>
        <source>mobile quality</source>
        <translation>모바일 화질</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>로그인 중…</translation>
    </message>
    <message numerus="yes">
        <source>Checking %Ln file(s)...</source>
        <translation>
            <numerusform>파일 %Ln개 확인 중…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message numerus="yes">
        <source>No supported photo or video among the %n file(s) given (use --all-files to send them anyway)</source>
        <translation>
            <numerusform>지정한 파일 %n개 중 지원되는 사진이나 동영상이 없습니다(그래도 보내려면 --all-files 사용)</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused before upload: %1</source>
        <translation>업로드 전 거부됨: %1</translation>
    </message>
    <message>
        <source>Sent %1 in %2.</source>
        <translation>%2 동안 %1 전송함.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>취소됨.</translation>
    </message>
    <message>
        <source>Dry run, nothing was sent: %1 to upload, %2 skipped, %3 refused.</source>
        <translation>시험 실행, 아무것도 보내지 않음: 업로드 예정 %1, 건너뜀 %2, 거부됨 %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) created</source>
        <translation>
            <numerusform>앨범 %n개 생성됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n album(s) to create</source>
        <translation>
            <numerusform>생성할 앨범 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1 (%2, pass %3/%4)</source>
        <translation>%1 변환 중 (%2, 패스 %3/%4)</translation>
    </message>
    <message>
        <source>Uploading %1 as %2</source>
        <translation>%1을(를) %2(으)로 업로드 중</translation>
    </message>
    <message>
        <source>Keep folder uploaded...</source>
        <translation>폴더를 업로드된 상태로 유지…</translation>
    </message>
    <message>
        <source>Stop keeping uploaded</source>
        <translation>업로드 유지 중지</translation>
    </message>
    <message>
        <source>Choose the folder to keep uploaded with [%1]</source>
        <translation>[%1](으)로 업로드된 상태로 유지할 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>The profile [%1] does not remember its password, and the background service cannot ask for one. Set it up anyway?</source>
        <translation>프로필 [%1]은(는) 암호를 기억하지 않으며 백그라운드 서비스는 암호를 물을 수 없습니다. 그래도 설정하시겠습니까?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1</source>
        <translation>이 폴더를 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>New photos and videos in %1 are now uploaded in the background with the profile [%2].</source>
        <translation>이제 %1의 새 사진과 비디오가 프로필 [%2](으)로 백그라운드에서 업로드됩니다.</translation>
    </message>
    <message>
        <source>systemd is not available, so nothing keeps the folder uploaded in the background. The settings are saved: start the watcher yourself with %1</source>
        <translation>systemd를 사용할 수 없으므로 폴더를 백그라운드에서 업로드된 상태로 유지할 수 없습니다. 설정이 저장되었습니다. 다음 명령으로 직접 감시를 시작하십시오: %1</translation>
    </message>
    <message>
        <source>The background upload of [%1] could not be changed: %2</source>
        <translation>[%1]의 백그라운드 업로드를 변경할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>감시 중</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n file(s)</source>
        <translation>
            <numerusform>%n개 파일 업로드 중</numerusform>
        </translation>
    </message>
    <message>
        <source>Server unreachable since %1</source>
        <translation>%1부터 서버에 연결할 수 없음</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>실행 중 아님</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>폴더: %1</translation>
    </message>
    <message>
        <source>Last run: %1, %2</source>
        <translation>마지막 실행: %1, %2</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>마지막 오류: %1</translation>
    </message>
</context>
<context>
    <name>ErrorTableModel</name>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Error Status</source>
        <translation>오류 상태</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Lumio Uploader Profile List</source>
        <translation>Lumio Uploader 프로필 목록</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Lumio Uploader Settings</source>
        <translation>Lumio Uploader 설정</translation>
    </message>
</context>
</TS>
