<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>画像 %1 を表示できません: %2。</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: 読み込めません (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: 書き込めません (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: ディスクに書き出せません (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 を書き込めません (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>書き込みに失敗しました (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>置き換えられません (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>書き込めません (%1)。ほかのハードリンクがあるため置き換えもできません</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>書き込めません (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>保存できません (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>ファイルを置き換えられません (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>オフセット %1 にハイスコア表を書き込めません (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>スタート画面</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>プレイ画面</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>ゲームオーバー画面</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: ファイルを開けません (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: ゲームの範囲 (オフセット %2、サイズ %3) がファイル内にありません (ファイル サイズ %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>「%1」の画像の種類 %2 は不明です (1 は JPEG、2 は BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>「%1」の画像が大きすぎます (%2 バイト、上限は %3 バイト)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>ファイルが不完全です (途中で切れています): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>オフセット %1 に移動できません (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>オフセット %1 で読み込みエラー (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>予期しないファイルの終わり</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>%1 レベル分のオフセット表がファイルの終わりを越えています (終わりはオフセット %2、ファイル サイズ %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>ハイスコア表のオフセット %1 がヘッダーの中を指しています (レコードは %2 から)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>ハイスコア表がファイルの終わりを越えています (オフセット %1、長さ %2、ファイル サイズ %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>ゲームのヘッダーには短すぎます (%1 バイト必要、ファイル サイズ %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>「%1」のレコードのオフセット %2 がヘッダーの中を指しています (レコードは %3 から)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>「%1」のレコードのヘッダーがファイルの終わりを越えています (オフセット %2、ファイル サイズ %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>「%1」のレコードがファイルの終わりを越えています (オフセット %2、長さ %3、ファイル サイズ %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>「%1」のレコードがファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: 「%2」の画像を書き込めません (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>ゲームのレベルは最大 %1 個ですが、このゲームには %2 個あります</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>「%1」の画像の種類は %2 です。保存できるのは JPEG (1) と BMP (2) だけです</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>オフセット %1 で書き込みに失敗しました (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>「%1」の画像 %2 を読み込めません (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>「%1」の画像 %2 が大きすぎます (%3 バイト)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>「%1」の画像 %2 を最後まで読み込めませんでした (%4 バイト中 %3: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>ファイルが短くなりました</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>ゲームが 4 GiB を超えており、オフセットが届きません</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>オフセット表に戻れません (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (ゲームは %2 バイト目から)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: ハイスコア表ではありません。そのままにします</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: 64 ビット リトルエンディアンの ELF プログラムではありません</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: セクション表がファイルの外にあります</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: ゲームが入っていません</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: ランタイムが途中で切れています</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: ゲームを書き戻せませんでした</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: ファイルを作成できません (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: 書き込みに失敗しました (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>「%1」はありません (ゲームのレベル数は %2)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: レベル %2 はありません</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>タイトル画像を表示できません: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>ゲームを開く(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったゲーム(&amp;R)</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>ゲーム一覧(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>ゲームをダウンロード(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>ゲームを作成(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>ゲームを編集(&amp;E)</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>EXE を作成</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>ゲームを保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>名前を付けて保存(&amp;G)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>ゲーム開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>ゲーム中止(&amp;G)</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>ハイスコア(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>サイズ(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>設定(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>ヘルプ トピック(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Quarrybox について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>標準(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>2 倍(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>3 倍(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面(&amp;F)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>カラー プレーン %1 枚</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>1 ピクセルあたり %1 ビット</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>1 ピクセル %2 ビットでの BMP 圧縮 %1</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>%1 x %2 ピクセルのサイズ</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>%2 ビット ピクセルに対する %1 項目のカラー テーブル</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>カラー テーブルかピクセル データがファイルの外にあります (データはオフセット %1、ファイル サイズ %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>ピクセル データが途中で切れています (%2 x %3 ピクセル、%4 ビットに対して %1 バイト)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>BMP 画像ではありません</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>%1 バイトの BMP ヘッダー</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>ヘッダーがファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>ファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>正立の向きでエンコードできません</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>読み込めません (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>正立の向きにできません (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>%1 に書き込めません (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>画像 (%1 x %2 ピクセル)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>グリッド サイズが %1 のため、セルに分けられません</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 は %2 ピクセルのセルのグリッドより小さいです</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1 を %2 のグリッドで分けるとセルが %3 x %4 ピクセルになりますが、セルは縦横とも 1 ピクセル以上必要です</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 がないか、通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>画像の種類が不明です (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>画像が大きすぎます (%1 バイト、上限は %2 バイト)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>画像の種類が不明です (JPEG 画像ではありません)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>画像が大きすぎます (%1 x %2 ピクセル、上限は %3 メガピクセル)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>画像が大きすぎます (デコードに %1 MB 必要、上限は %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>画像が壊れています (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>画像に、ピクセルが使える以上の符号化データがあります (%2 x %3 ピクセルに対して %1 バイト超)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>画像がなく、テーブルだけです</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>%1 x %2 ピクセル分のメモリがありません</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>画像のスキャンが %1 を超えています。そんな画像を書くカメラやプログラムはなく、スキャンごとに画像全体をたどることになります</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>画像のデコードに時間がかかりすぎます: スキャンが 8 x 8 ピクセルのブロックを %1 個より多くたどり、スキャンごとに画像全体をたどり直します</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>画像はデコードが終わる前に不要になりました</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>デコードできません (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>%1 にコピーできません</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>%1 に変換できません</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>そのファイルはありません</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>読み込める画像形式ではありません</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>大きすぎます (%1 x %2 ピクセル)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>次の画像は追加されませんでした:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>次の画像は追加されませんでした:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>開始:</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>スペース</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>P か上矢印キーで再開</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Quarrybox について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>レベルごとに 1 枚の絵が現れる落ち物ブロック ゲーム。</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>スタート画面の画像が設定されていません!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>プレイ画面の画像が設定されていません!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>ゲームオーバー画面の画像が設定されていません!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>レベルが設定されていません!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>画像を開く (複数可)</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>ファイルではありません。</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>名前が UTF-8 のテキストではないため、その名前を指定して起動したときにしか開けません。</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>そのファイルはありません。</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>ゲーム「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>ゲームを保存しますか?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>上書きの確認</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>既存のゲームを上書きしますか?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>「EXE を作成」は保存済みのゲーム ファイルを使います。先にゲームを開くか保存してください。</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>ファイル Quarrybox.exe を作成できません!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>上書きの確認</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>ゲーム ファイル</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>は上書きされます。</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>「EXE を作成」には単独ゲーム用のランタイムが必要ですが、見つかりません: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>ディスク書き込みエラー!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>ゲーム名:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>を作成しました!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>空のゲーム</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>ゲーム中止の確認</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>現在のゲームを本当に中止しますか?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>「%1」は「EXE を作成」で作ったゲームで、単独のプログラムです。遊ぶにはそれを起動してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>「%1」はゲームではなく、「%2」の種類のファイルです。</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [非アクティブ]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [一時停止]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>画像を読み込み中...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>画像をセルに分けられません</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>レベル %1/%2 を表示できません: %3。このレベルは飛ばします。</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>ハイスコアはプログラム終了まで保持されますが、保存できませんでした: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 に書き込めないため、ハイスコアはあなた専用として %2 に保存されます。</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1。ハイスコアは %2 に保存されます</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1。ハイスコアは失われました: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>ゲーム一覧</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>あなたのゲーム</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>最近</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 レベル</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 レベル</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>、最高 %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>、スコアなし</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>キーを追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>キーを消去(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>既定値(&amp;D)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>回転(一時停止の再開も)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>下キー</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>すぐ落とす</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>ゲームまたは次のレベルを開始</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>一時停止と再開</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>「%1」のキーを押してください(Escape で取り消し)。</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 はメニューの「%2」に使われています。別のキーを選んでください。</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 はすでに「%2」のキーです。別のキーを選ぶか、先にそちらで消去してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>「%1」にキーがありません。追加するか、既定値を選んでください。</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>得点: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下矢印</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>すぐ落とす</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>上矢印 (回転方向)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>時計回り</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>反時計回り</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>移動音</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>押している間速く落とす(&amp;F)</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>左右矢印</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>1回押すと1列(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>押している間滑らせる(&amp;S)</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>遅延(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>間隔(&amp;R)</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>着地する場所を表示(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>音量(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>キー(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>レベルが設定されていません!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>表示中</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>非表示</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox ビルダー</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>追加されなかった画像</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>レベル %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>現在のレベルを本当に削除しますか?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>編集中は現在のレベルの画像を隠す</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>編集中は現在のレベルの画像を表示する</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>グリッド %1 x %2、セル %3 x %4 ピクセル</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>スタート画面の画像</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>プレイ画面の画像</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>ゲームオーバー画面の画像</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>プレイ領域の枠</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>スコア領域の枠</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>次ピース領域の枠</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>表示</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>新しいレベルを追加</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>現在のレベルの前にレベルを挿入</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>現在のレベルを削除</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>レベルの並べ替え:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>現在のレベルを 1 つ下へ移動</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>現在のレベルを 1 つ上へ移動</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>移動:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>最初のレベル</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>前のレベル</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>次のレベル</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>最後のレベル</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>現在のレベル  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>レベル総数:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>グリッド:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- 小</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>グリッドを選択</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>大 -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>レベル一覧 (最後のレベルが一番上): 選ぶと編集でき、画像をここにドロップすると追加できます</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>背景</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったゲーム</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>ゲーム「%1」はもうありません。一覧から削除しますか?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>履歴を消去(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>ハイスコア更新: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>名前を入力し Enter で確定</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>半角英数字 %1 文字まで（日本語は使えません）</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox のゲーム</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Quarrybox のほかのゲームは %1 にあります</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Web サイトへ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Quarrybox ゲーム</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>ゲームを開く</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>名前を付けてゲームを保存</translation>
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
        <translation>使い方: %1 [ゲーム ファイル]
ゲーム ファイル (.qbx ファイルかその file:// アドレス) の落ち物ブロック ゲームを遊びます。
指定がなければ最後に遊んだゲームを開きます。

  -h, --help     このヘルプを表示して終了
  -v, --version  バージョンを表示して終了
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: 不明なオプション「%2」
「%1 --help」を試してください。
</translation>
    </message>
</context>
</TS>
