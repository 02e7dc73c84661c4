<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>그림 %1을(를) 표시할 수 없습니다: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: 읽을 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: 쓸 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: 디스크에 기록할 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1을(를) 쓸 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>쓰기 실패 (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>바꿀 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>쓸 수 없습니다 (%1). 파일의 다른 하드 링크 때문에 바꿀 수도 없습니다</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>쓸 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>저장할 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>파일을 바꿀 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>오프셋 %1에 최고 점수 표를 쓸 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>시작 화면</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>게임 배경</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>게임 오버 화면</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>레벨 %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: 파일을 열 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: 게임 범위(오프셋 %2, 크기 %3)가 파일 안에 있지 않습니다 (파일 크기 %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>“%1” 그림의 형식 %2을(를) 알 수 없습니다 (1은 JPEG, 2는 BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>“%1” 그림이 너무 큽니다 (%2바이트, 한도는 %3바이트)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>파일이 불완전합니다(잘림): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>오프셋 %1(으)로 이동할 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>오프셋 %1에서 읽기 오류 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>예기치 않은 파일 끝</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>레벨 %1개의 오프셋 표가 파일 끝을 넘어갑니다 (끝 오프셋 %2, 파일 크기 %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>최고 점수 표 오프셋 %1이(가) 헤더 안을 가리킵니다 (레코드는 %2부터 시작)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>최고 점수 표가 파일 끝을 넘어갑니다 (오프셋 %1, 길이 %2, 파일 크기 %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>게임 헤더를 담기에 너무 짧습니다 (%1바이트 필요, 파일 크기 %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>“%1” 레코드 오프셋 %2이(가) 헤더 안을 가리킵니다 (레코드는 %3부터 시작)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>“%1” 레코드 헤더가 파일 끝을 넘어갑니다 (오프셋 %2, 파일 크기 %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>“%1” 레코드가 파일 끝을 넘어갑니다 (오프셋 %2, 길이 %3, 파일 크기 %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>“%1” 레코드가 파일 끝을 넘어갑니다</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: “%2” 그림을 쓸 수 없습니다 (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>게임에는 레벨이 최대 %1개까지 들어가는데, 이 게임에는 %2개가 있습니다</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>“%1” 그림의 형식은 %2입니다. JPEG(1)와 BMP(2)만 저장할 수 있습니다</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>오프셋 %1에서 쓰기 실패 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>“%1” 그림 %2을(를) 읽을 수 없습니다 (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>“%1” 그림 %2이(가) 너무 큽니다 (%3바이트)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>“%1” 그림 %2을(를) 끝까지 읽지 못했습니다 (%4바이트 중 %3: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>파일이 짧아졌습니다</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>게임이 4GiB보다 커서 오프셋이 닿지 않습니다</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>오프셋 표로 돌아갈 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (게임은 %2바이트부터)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: 최고 점수 표가 아닙니다. 그대로 둡니다</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: 64비트 리틀 엔디언 ELF 프로그램이 아닙니다</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: 섹션 표가 파일 밖에 있습니다</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: 게임이 들어 있지 않습니다</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: 런타임이 잘려 있습니다</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: 게임을 다시 쓸 수 없었습니다</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: 파일을 만들 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: 쓰기 실패 (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>“%1”이(가) 없습니다 (게임의 레벨 수: %2)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: 레벨 %2이(가) 없습니다</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>제목 그림을 표시할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>게임 열기(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>최근 게임(&amp;R)</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>게임 목록(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>게임 더 받기(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>게임 만들기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>게임 편집(&amp;E)</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>EXE 만들기</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>게임 저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>다른 이름으로 저장(&amp;G)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>게임 시작(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>일시 정지(&amp;P)</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>게임 중지(&amp;G)</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>최고 점수(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>소리 켜기(&amp;S)</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>크기(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>환경 설정(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>도움말 항목(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Quarrybox 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>보통(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>2배(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>3배(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>전체 화면(&amp;F)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>색 평면 %1개</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>픽셀당 %1비트</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>픽셀당 %2비트에서 BMP 압축 %1</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>%1 x %2 픽셀 크기</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>%2비트 픽셀에 대한 항목 %1개의 색상표</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>색상표나 픽셀 데이터가 파일 밖에 있습니다 (데이터 오프셋 %1, 파일 크기 %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>픽셀 데이터가 잘려 있습니다 (%2 x %3 픽셀, %4비트에 %1바이트)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>BMP 그림이 아닙니다</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>%1바이트 BMP 헤더</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>헤더가 파일 끝을 넘어갑니다</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>파일을 읽을 수 없었습니다</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>바로 선 방향으로 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>읽을 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>바로 세울 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>%1에 쓸 수 없습니다 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>그림(%1 x %2 픽셀)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>격자 크기가 %1(이)라 칸이 나뉘지 않습니다</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1이(가) %2픽셀 칸의 격자보다 작습니다</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1을(를) %2 격자로 나누면 칸이 %3 x %4 픽셀이 되는데, 칸은 가로세로 모두 1픽셀 이상이어야 합니다</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1이(가) 없거나 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>그림 형식을 알 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>그림이 너무 큽니다 (%1바이트, 한도는 %2바이트)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>그림 형식을 알 수 없습니다 (JPEG 그림이 아님)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>그림이 너무 큽니다 (%1 x %2 픽셀, 한도는 %3메가픽셀)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>그림이 너무 큽니다 (디코딩에 %1MB 필요, 한도는 %2MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>그림이 손상되었습니다 (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>그림에 픽셀이 쓸 수 있는 것보다 많은 부호화 데이터가 있습니다 (%2 x %3 픽셀에 %1바이트 초과)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>그림 없이 표만 있음</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>%1 x %2 픽셀을 위한 메모리가 없습니다</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>그림의 스캔이 %1개를 넘습니다. 그런 그림을 쓰는 카메라나 프로그램은 없으며, 스캔마다 그림 전체를 다시 훑어야 합니다</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>그림 디코딩에 시간이 너무 걸립니다: 스캔이 8 x 8 픽셀 블록을 %1개보다 많이 훑고, 스캔마다 그림 전체를 다시 훑습니다</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>그림은 디코딩이 끝나기 전에 더는 필요 없게 되었습니다</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>디코딩할 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>%1(으)로 복사할 수 없습니다</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>%1(으)로 변환할 수 없습니다</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>그런 파일이 없습니다</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>읽을 수 있는 그림 형식이 아닙니다</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>너무 큽니다 (%1 x %2 픽셀)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>다음 그림은 추가되지 않았습니다:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>다음 그림들은 추가되지 않았습니다:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>시작:</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>P 또는 위쪽 화살표로 계속</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Quarrybox 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>레벨마다 그림 한 장이 드러나는 낙하 블록 게임.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>시작 화면 그림이 지정되지 않았습니다!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>게임 배경 그림이 지정되지 않았습니다!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>게임 오버 그림이 지정되지 않았습니다!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>레벨이 지정되지 않았습니다!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>그림 열기</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>그림 열기(여러 장 가능)</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>파일이 아닙니다.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>이름이 UTF-8 텍스트가 아니어서, 그 이름으로 시작할 때만 열립니다.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>그런 파일이 없습니다.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>게임 “%1”을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>게임을 저장할까요?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>덮어쓰기 확인</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>기존 게임을 덮어쓸까요?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>“EXE 만들기”는 저장된 게임 파일을 씁니다. 먼저 게임을 열거나 저장하세요.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Quarrybox.exe 파일을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>덮어쓰기 확인</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>게임 파일</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>을(를) 덮어씁니다.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>“EXE 만들기”에는 단독 실행 런타임이 필요한데 없습니다: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>디스크 쓰기 오류!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>게임 이름:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>을(를) 만들었습니다!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>빈 게임</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>게임 중지 확인</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>현재 게임을 정말 중지할까요?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>“%1”은(는) “EXE 만들기”로 만든 게임으로, 그 자체가 하나의 프로그램입니다. 실행해서 플레이하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>“%1”은(는) 게임이 아니라 “%2” 종류의 파일입니다.</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [비활성]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [일시 정지]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>그림 불러오는 중...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>그림을 칸으로 나눌 수 없습니다</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>레벨 %1/%2을(를) 표시할 수 없습니다: %3. 이 레벨은 건너뜁니다.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>최고 점수는 프로그램이 끝날 때까지 유지되지만, 저장하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1에 쓸 수 없으므로, 최고 점수는 사용자 전용으로 %2에 보관됩니다.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1. 최고 점수는 %2에 보관됩니다</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1. 최고 점수를 잃었습니다: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>게임 목록</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>설치됨</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>내 게임</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>최근</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>읽는 중...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>레벨 1개</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>레벨 %1개</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, 최고 %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, 아직 점수 없음</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>키 추가(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>키 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>기본값(&amp;D)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>왼쪽으로 이동</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>오른쪽으로 이동</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>회전(일시 정지 해제 포함)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>아래 키</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>바로 내리기</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>게임 또는 다음 레벨 시작</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>일시 정지와 재개</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>&quot;%1&quot;의 키를 누르세요(Esc: 취소).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 키는 메뉴의 &quot;%2&quot;에 쓰입니다. 다른 키를 고르세요.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 키는 이미 &quot;%2&quot;의 키입니다. 다른 키를 고르거나 먼저 그쪽에서 지우세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>&quot;%1&quot;에 키가 없습니다. 키를 추가하거나 기본값을 고르세요.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>점수: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>아래쪽 화살표</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>바로 내리기</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>위쪽 화살표 (회전 방향)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>시계 방향</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>시계 반대 방향</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>이동 소리</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>누르고 있으면 빠르게 떨어짐(&amp;F)</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>왼쪽·오른쪽 화살표</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>한 번 누를 때 한 칸(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>누르고 있으면 미끄러짐(&amp;S)</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>지연(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>간격(&amp;R)</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>조각이 떨어질 곳 표시(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>음량(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>키(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>레벨이 지정되지 않았습니다!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>보임</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>숨김</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox 편집기</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>추가되지 않은 그림</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>레벨 %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>레벨 %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>삭제 확인</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>현재 레벨을 정말 삭제할까요?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>편집 중 현재 레벨 그림 숨기기</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>편집 중 현재 레벨 그림 보이기</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>격자 %1 x %2, 칸 %3 x %4 픽셀</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>레벨</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>시작 화면 그림</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>게임 배경 그림</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>게임 오버 화면 그림</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>게임판 테두리</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>점수판 테두리</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>다음 블록 테두리</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>늘이기</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>보기</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>새 레벨 추가</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>현재 레벨 앞에 레벨 삽입</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>현재 레벨 삭제</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>레벨 순서:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>현재 레벨을 한 칸 아래로 이동</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>위로</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>현재 레벨을 한 칸 위로 이동</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>이동:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>첫 레벨</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>이전 레벨</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>다음 레벨</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>마지막 레벨</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>현재 레벨  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>전체 레벨 수:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>격자:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- 작게</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>격자 선택</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>크게 -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>레벨 목록(마지막 레벨이 맨 위): 하나를 골라 편집하고, 그림을 여기에 끌어다 놓으면 추가됩니다</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>배경</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>최근 게임</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>게임 “%1”이(가) 더는 없습니다. 목록에서 뺄까요?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>새 최고 점수: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>이름을 입력하고 Enter를 누르세요.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>영문자나 숫자 %1자까지 (한글 불가)</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox 게임</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Quarrybox 게임을 더 %1에서 받을 수 있습니다</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>웹 사이트 방문</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Quarrybox 게임</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>게임 열기</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>다른 이름으로 게임 저장</translation>
    </message>
</context>
<context>
    <name>TerminalAnswer</name>
    <message>
        <source>Usage: %1 [GAME FILE]
Plays the falling-block game in GAME FILE (a .qbx file or its file:// address),
else the game played last.

  -h, --help     show this help and end
  -v, --version  show the version and end
</source>
        <extracomment>The answer to --help; %1: the program&apos;s name. Keep the options as they are.</extracomment>
        <translation>사용법: %1 [게임 파일]
게임 파일(.qbx 파일 또는 그 file:// 주소)의 낙하 블록 게임을 실행합니다.
지정하지 않으면 마지막으로 한 게임을 엽니다.

  -h, --help     이 도움말을 보이고 끝내기
  -v, --version  버전을 보이고 끝내기
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: 알 수 없는 옵션 “%2”
“%1 --help”를 해 보세요.
</translation>
    </message>
</context>
</TS>
