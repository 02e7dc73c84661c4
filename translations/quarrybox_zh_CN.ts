<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>无法显示图片 %1：%2。</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1：无法读取 (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1：无法写入 (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1：无法同步到磁盘 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>无法写入 %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>写入失败 (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>无法替换 (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>无法写入 (%1)，且该文件的其他硬链接使其无法被替换</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>无法写入 (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>无法保存 (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>无法替换文件 (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>无法在偏移 %1 处写入高分榜 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>开始画面</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>游戏背景</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>游戏结束画面</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>第 %1 关</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1：不是普通文件</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1：无法打开文件 (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1：游戏范围 (偏移 %2，大小 %3) 不在文件内 (文件大小 %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>“%1”图片的类型 %2 未知 (1 为 JPEG，2 为 BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>“%1”图片过大 (%2 字节，上限为 %3 字节)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>文件不完整 (被截断)：%1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>无法定位到偏移 %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>在偏移 %1 处读取出错 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>文件意外结束</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>%1 个关卡的偏移表超出了文件末尾 (结束于偏移 %2，文件大小 %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>高分榜偏移 %1 指向文件头内部 (记录从 %2 开始)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>高分榜超出了文件末尾 (偏移 %1，长度 %2，文件大小 %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>文件太短，容不下游戏文件头 (需要 %1 字节，文件大小 %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>“%1”记录的偏移 %2 指向文件头内部 (记录从 %3 开始)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>“%1”记录的头部超出了文件末尾 (偏移 %2，文件大小 %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>“%1”记录超出了文件末尾 (偏移 %2，长度 %3，文件大小 %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>“%1”记录超出了文件末尾</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1：无法写入“%2”图片 (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>一个游戏最多 %1 关，此游戏有 %2 关</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>“%1”图片的类型为 %2；只能保存 JPEG (1) 和 BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>在偏移 %1 处写入失败 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>无法读取“%1”图片 %2 (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>“%1”图片 %2 过大 (%3 字节)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>“%1”图片 %2 未能完整读取 (%4 字节中的 %3：%5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>文件变短了</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>游戏大于 4 GiB，偏移量无法达到</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>无法回到偏移表 (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (游戏始于第 %2 字节)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1：不是高分榜文件；保持原样</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1：不是 64 位小端 ELF 程序</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1：节表位于文件之外</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1：不含游戏</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1：运行环境被截断</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1：无法写回游戏</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1：无法创建文件 (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1：写入失败 (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>没有“%1” (游戏共有 %2 关)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1：没有第 %2 关</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>无法显示标题图片：%1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>打开游戏(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>游戏库(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>下载更多游戏(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>创建游戏(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>编辑游戏(&amp;E)</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>生成 EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>保存游戏(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>游戏另存为(&amp;G)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>开始游戏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>暂停游戏(&amp;P)</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>停止游戏(&amp;G)</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>高分榜(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>大小(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>首选项(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>帮助主题(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于 Quarrybox(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>正常(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>两倍(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>三倍(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 个颜色平面</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>每像素 %1 位</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>每像素 %2 位时的 BMP 压缩 %1</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>%1 x %2 像素的尺寸</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>%2 位像素的 %1 项颜色表</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>颜色表或像素数据位于文件之外 (数据在偏移 %1，文件大小 %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>像素数据被截断 (%2 x %3 像素、%4 位只有 %1 字节)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>不是 BMP 图片</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>%1 字节的 BMP 头</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>文件头超出了文件末尾</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>无法读取其文件</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>无法以正向编码</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>无法读取 (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>无法转为正向 (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>无法写入 %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>图片 (%1 x %2 像素)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>网格大小为 %1，无法切出格子</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 小于 %2 像素格子的网格</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1 按 %2 的网格切分后格子为 %3 x %4 像素，而格子每边至少要有 1 像素</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 不存在或不是普通文件</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>图片类型未知 (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>图片过大 (%1 字节，上限为 %2 字节)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>图片类型未知 (不是 JPEG 图片)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>图片过大 (%1 x %2 像素，上限为 %3 百万像素)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>图片过大 (解码需要 %1 MB，上限为 %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>图片已损坏 (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>图片的编码数据超出其像素所需 (%2 x %3 像素却超过 %1 字节)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>没有图片，只有表</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>内存不足，无法容纳 %1 x %2 像素</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>图片的扫描超过 %1 次，没有相机或程序会这样写；每次扫描都要遍历整张图片</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>图片解码耗时过长：其扫描遍历超过 %1 个 8 x 8 像素块，每次扫描都重新遍历整张图片</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>图片在解码完成前已不再需要</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>无法解码 (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>无法复制到 %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>无法转换为 %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有此文件</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>不是可读取的图片格式</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>过大 (%1 x %2 像素)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>以下图片未添加：</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>以下图片未添加：</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>按</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>空格</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>暂停</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>按 P 或上方向键继续</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>关于 Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>一款下落方块游戏，每一关都会揭开一幅图片。</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>未设置开始画面图片！</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>未设置游戏背景图片！</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>未设置游戏结束图片！</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>未设置任何关卡！</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>打开图片 (可多选)</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>它不是文件。</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>其名称不是 UTF-8 文本，只有以该名称启动时才能打开。</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>没有此文件。</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开游戏“%1”：%2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>保存游戏吗？</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>确认覆盖</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>覆盖现有游戏吗？</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>“生成 EXE”使用已保存的游戏文件：请先打开或保存一个游戏。</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>无法创建文件 Quarrybox.exe！</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>确认覆盖</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>游戏文件</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>将被覆盖。</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>“生成 EXE”需要独立游戏运行环境，但它不存在：%1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>磁盘写入错误！</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>游戏名称：</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>已创建！</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>空游戏</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>确认停止游戏</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>真的要停止当前游戏吗？！</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>“%1”是用“生成 EXE”制作的游戏，本身就是一个程序。请运行它来游玩。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>“%1”不是游戏，而是“%2”类型的文件。</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [非活动]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [暂停]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>正在加载图片...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>其图片无法切成格子</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>第 %1 关 (共 %2 关) 无法显示：%3。已跳过该关。</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>高分记录会保留到程序结束，但无法保存：%1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 无法写入，因此高分记录仅为您保存在 %2 中。</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1；高分记录保存在 %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1；高分记录已丢失：%2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>游戏库</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>您的游戏</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 关</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 关</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>，最高分 %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>，暂无得分</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>添加按键(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>清除按键(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>默认值(&amp;D)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>旋转(并从暂停中继续)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>下键</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>直接落下</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>开始游戏或下一关</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>暂停和继续</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>请按下“%1”的按键（按 Esc 取消）。</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 已被菜单中的“%2”占用：请选择其他按键。</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 已是“%2”的按键：请选择其他按键，或先在那里清除它。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>“%1”没有按键：请添加一个，或选择默认值。</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>得分: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>消息</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下方向键</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>直接落下</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>上方向键 (旋转方向)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>逆时针</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>移动音效</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>按住时快速下落(&amp;F)</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>左右方向键</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>每按一次移一列(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>按住时滑动(&amp;S)</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>延迟(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>间隔(&amp;R)</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>显示方块将落在何处(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>音量(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>按键(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>未设置关卡！</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>可见</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox 编辑器</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>未添加的图片</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>第 %1 关</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>第 %1 关 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>确认删除</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>真的要删除当前关卡吗？！</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>编辑时隐藏当前关卡的图片</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>编辑时显示当前关卡的图片</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>网格 %1 x %2，格子 %3 x %4 像素</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>关卡</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>开始画面图片</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>游戏背景图片</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>游戏结束画面图片</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>游戏区边框</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>得分区边框</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>预览区边框</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>显示</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>添加新关卡</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>在当前关卡前插入关卡</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>删除当前关卡</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>调整关卡顺序：</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>将当前关卡下移一位</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>将当前关卡上移一位</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>浏览：</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>第一关</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>上一关</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>下一关</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>最后一关</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>当前关卡  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>关卡总数：</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>网格：</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- 小</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>选择网格</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>大 -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>关卡列表 (最后一关在最上面)：选择一关即可编辑；把图片拖放到这里即可添加</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>最近打开</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>游戏“%1”已不存在。要从列表中移除吗？</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>清除列表(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>新纪录：%1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>输入姓名后按 Enter 键。</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>最多 %1 个拉丁字母或数字，不能用中文。</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox 游戏</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>更多 Quarrybox 游戏请访问 %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>访问网站</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Quarrybox 游戏</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>打开游戏</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>游戏另存为</translation>
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
        <translation>用法：%1 [游戏文件]
运行游戏文件 (.qbx 文件或其 file:// 地址) 中的下落方块游戏，
否则运行上次玩的游戏。

  -h, --help     显示此帮助并退出
  -v, --version  显示版本并退出
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1：未知选项“%2”
请尝试“%1 --help”。
</translation>
    </message>
</context>
</TS>
