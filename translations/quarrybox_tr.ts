<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>%1 resmi gösterilemiyor: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: okunamıyor (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: okunamıyor</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: diske yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>yazma başarısız (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>değiştirilemiyor (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>yazılamıyor (%1) ve dosyanın diğer sabit bağlantıları değiştirilmesini engelliyor</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>yazılamıyor (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>kaydedilemiyor (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>dosya değiştirilemiyor (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>yüksek skor tablosu %1 konumuna yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>başlangıç ekranı</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>oyun arka planı</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>oyun sonu ekranı</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>bölüm %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: dosya açılamıyor (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: oyun alanı (konum %2, boyut %3) dosyanın içinde değil (dosya boyutu %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>&quot;%1&quot; resminin türü bilinmiyor: %2 (1 JPEG, 2 BMP demektir)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>&quot;%1&quot; resmi çok büyük (%2 bayt, sınır %3 bayt)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>dosya eksik (kesilmiş): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>%1 konumuna gidilemiyor (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>%1 konumunda okuma hatası (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>beklenmeyen dosya sonu</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>%1 bölümlük konum tablosu dosyanın sonunu aşıyor (%2 konumunda bitiyor, dosya boyutu %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>yüksek skor tablosunun %1 konumu başlığın içini gösteriyor (kayıtlar %2 konumunda başlar)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>yüksek skor tablosu dosyanın sonunu aşıyor (konum %1, uzunluk %2, dosya boyutu %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>oyun başlığı için çok kısa (%1 bayt gerekli, dosya boyutu %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>&quot;%1&quot; kaydının %2 konumu başlığın içini gösteriyor (kayıtlar %3 konumunda başlar)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>&quot;%1&quot; kaydının başlığı dosyanın sonunu aşıyor (konum %2, dosya boyutu %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>&quot;%1&quot; kaydı dosyanın sonunu aşıyor (konum %2, uzunluk %3, dosya boyutu %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>&quot;%1&quot; kaydı dosyanın sonunu aşıyor</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: &quot;%2&quot; resmi yazılamıyor (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>bir oyunda en fazla %1 bölüm olabilir, bunda %2 var</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>&quot;%1&quot; resminin türü %2; yalnızca JPEG (1) ve BMP (2) saklanır</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>%1 konumunda yazma başarısız (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>&quot;%1&quot; resmi (%2) okunamıyor (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>&quot;%1&quot; resmi (%2) çok büyük (%3 bayt)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>&quot;%1&quot; resmi (%2) tamamen okunamadı (%4 baytın %3 baytı: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>dosya kısaldı</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>oyun 4 GiB&apos;tan büyük, konumlar oraya ulaşamaz</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>konum tablosuna geri dönülemiyor (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (oyun %2. bayttan başlar)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: bir yüksek skor tablosu değil; dosya olduğu gibi bırakıldı</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: 64 bit little-endian ELF programı değil</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: bölüm tablosu dosyanın dışında</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: oyun içermiyor</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: çalışma ortamı kesilmiş</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: oyun geri yazılamadı</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: dosya oluşturulamıyor (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: yazma başarısız (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>&quot;%1&quot; yok (oyunda %2 bölüm var)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: %2. bölüm yok</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Başlık resmi gösterilemiyor: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Oyun &amp;aç</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Son açılanlar</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Oyunlar...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>Daha fazla oyun &amp;indir</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>Oyun ol&amp;uştur</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>Oyunu &amp;düzenle</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>EXE oluştur</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Oyunu &amp;kaydet</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>&amp;Farklı kaydet</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Oyunu &amp;başlat</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Duraklat</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>Oyunu &amp;sonlandır</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Yüksek skorlar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Ses açık</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Boyut</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Tercihler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>Yardım &amp;konuları</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Quarrybox &amp;hakkında</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>İ&amp;ki kat</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Üç kat</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tam ekran</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 renk düzlemi</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>piksel başına %1 bit</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>piksel başına %2 bitte BMP sıkıştırması %1</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>%1 x %2 piksellik bir boyut</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>%2 bitlik pikseller için %1 girdili bir renk tablosu</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>renk tablosu ya da piksel verisi dosyanın dışında (veri %1 konumunda, dosya boyutu %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>piksel verisi kesilmiş (%4 bitte %2 x %3 piksel için %1 bayt)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>BMP resmi değil</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>%1 baytlık bir BMP başlığı</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>başlığı sonunu aşıyor</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>dosyası okunamadı</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>dik olarak kodlanamıyor</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>okunamıyor (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>dik çevrilemiyor (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>%1 konumuna yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>resmi (%1 x %2 piksel)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>ızgara boyutu %1, bu hiç hücre oluşturmuyor</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1, %2 piksellik hücrelerden oluşan ızgarasından küçük</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, %2 ızgarasıyla bölününce %3 x %4 piksellik hücreler çıkıyor; bir hücre her yönde en az 1 piksel olmalı</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 yok ya da normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>resminin türü bilinmiyor (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>resmi çok büyük (%1 bayt, sınır %2 bayt)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>resminin türü bilinmiyor (JPEG resmi değil)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>resmi çok büyük (%1 x %2 piksel, sınır %3 megapiksel)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>resmi çok büyük (çözmek için %1 MB gerekir, sınır %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>resmi bozuk (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>resmi, piksellerinin kullanabileceğinden fazla kodlanmış veri içeriyor (%2 x %3 piksel için %1 bayttan fazla)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>resim yok, yalnızca tablolar</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>%1 x %2 piksel için bellek yok</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>resminde %1 taramadan fazlası var, bunu hiçbir kamera ya da program yazmaz; her biri tüm resim üzerinden bir geçiş olurdu</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>resmin çözülmesi çok uzun sürerdi: taramaları 8 x 8 piksellik %1 bloktan fazlasının üzerinden geçiyor, her tarama yeniden tüm resmin üzerinden</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>resim çözülmeden önce artık gerekmiyordu</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>çözülemiyor (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>%1 konumuna kopyalanamıyor</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>%1 biçimine dönüştürülemiyor</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>okunabilen bir resim biçimi değil</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>çok büyük (%1 x %2 piksel)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Bu resim eklenmedi:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Bu resimler eklenmedi:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>BOŞLUK</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>DURAKLATILDI</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>devam için P ya da yukarı ok</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Quarrybox hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Her bölümün bir resmi ortaya çıkardığı, düşen bloklarla oynanan bir oyun.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Başlangıç ekranı için resim seçilmedi!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Oyun arka planı için resim seçilmedi!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Oyun sonu ekranı için resim seçilmedi!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Hiç bölüm tanımlanmadı!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tüm dosyalar</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Resim aç</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Resim(ler) aç</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>bir dosya değil.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>adı UTF-8 metni değil, bu yüzden onu yalnızca tam bu adla yapılan bir başlatma açar.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>böyle bir dosya yok.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>&quot;%1&quot; oyunu açılamıyor: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Oyun kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Üzerine yazmayı onayla</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Var olan oyunun üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>&quot;EXE oluştur&quot; kaydedilmiş oyun dosyasını kullanır: önce bir oyun açın ya da kaydedin.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Quarrybox.exe dosyası oluşturulamıyor!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Üzerine yazmayı onayla</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Oyun dosyası</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>üzerine yazılacak.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>&quot;EXE oluştur&quot; bağımsız oyunların çalışma ortamına ihtiyaç duyar, o da eksik: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Diske yazma hatası!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Şu adlı oyun:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>az önce oluşturuldu!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Boş oyun</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Oyunu sonlandırmayı onayla</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Geçerli oyun gerçekten sonlandırılsın mı?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>&quot;%1&quot;, &quot;EXE oluştur&quot; ile yapılmış bir oyun: kendi başına bir program. Oynamak için onu başlatın.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>&quot;%1&quot; bir oyun değil: &quot;%2&quot; türünde bir dosya.</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Etkin değil]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Duraklatıldı]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Resim yükleniyor...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>resmi hücrelere bölünemiyor</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Bölüm %1 / %2 gösterilemiyor: %3. Bölüm atlanıyor.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Yüksek skorlar program kapanana dek tutulur ama kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 yazılamıyor, bu yüzden yüksek skorları yalnızca sizin için %2 içinde tutuluyor.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; yüksek skorlar %2 içinde tutuluyor</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; yüksek skorlar kayboldu: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Oyunlar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Kurulu</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Oyunlarınız</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Son açılanlar</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Okunuyor...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 bölüm</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 bölüm</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, en iyi %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, henüz skor yok</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Eylem</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>Tuş &amp;ekle</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>Tuşları &amp;temizle</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Varsayılan</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sola git</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sağa git</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Döndür (ve duraklatmayı sürdür)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Aşağı tuşu</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Düşür</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Oyunu ya da sonraki seviyeyi başlat</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Duraklat ve sürdür</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>&quot;%1&quot; için tuşa basın (Escape iptal eder).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 menülerde &quot;%2&quot; için ayrılmış: başka bir tuş seçin.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 zaten &quot;%2&quot; tuşu: başka bir tuş seçin ya da önce orada temizleyin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>&quot;%1&quot; için tuş yok: bir tane ekleyin ya da Varsayılan&apos;ı seçin.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Puan: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>İleti</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Aşağı ok</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Düşür</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Döndür (saat yönü tersi)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Yukarı ok (dönüş yönü)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Saat yönünde</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Saat yönünün tersine</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Hareket sesi</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>&amp;Basılı tutulunca hızlı düş</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Sol ve sağ ok</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Her basışta bir sütun</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>Basılı tutulunca &amp;kay</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Gecikme:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Aralık:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Taşın ineceği yeri göster</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Ses düzeyi:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>T&amp;uşlar...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Hiç bölüm tanımlanmadı!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>görünür</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>gizli</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox düzenleyicisi</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Resimler eklenmedi</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Bölüm %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Bölüm %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Silmeyi onayla</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Geçerli bölüm gerçekten silinsin mi?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Düzenlerken geçerli bölümün resmini gizle</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Düzenlerken geçerli bölümün resmini göster</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Izgara %1 x %2, hücreler %3 x %4 piksel</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Bölümler</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Başlangıç ekranı resmi</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Oyun arka planı resmi</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Oyun sonu resmi</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Oyun alanına çerçeve</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Puan alanına çerçeve</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Sıradaki parçaya çerçeve</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Uzat</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Göster</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Yeni bölümler ekle</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Araya ekle</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Geçerli bölümden önce bölüm ekle</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Geçerli bölümü sil</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Bölüm sırası:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Geçerli bölümü bir sıra sonraya taşı</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Geçerli bölümü bir sıra öne taşı</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Gezin:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>İlk bölüm</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Önceki bölüm</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Sonraki bölüm</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Son bölüm</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Geçerli bölüm  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Bölüm sayısı:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Izgara:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- küçük</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Izgara seç</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>büyük -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Bölümler, sonuncusu en üstte: düzenlemek için birini seçin; eklemek için resimleri buraya bırakın</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Arka planlar</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Son açılanlar</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>&quot;%1&quot; oyunu artık yok. Listeden kaldırılsın mı?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>Listeyi &amp;temizle</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Yeni rekor: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Adınızı yazıp Enter&apos;a basın.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>En fazla %1 harf ya da rakam; ğ, ı, İ, ş kullanılamaz.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox oyunları</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Quarrybox için daha fazla oyun %1 adresinde</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Web sitesini ziyaret et</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Quarrybox oyunu</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Oyun aç</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Oyunu farklı kaydet</translation>
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
        <translation>Kullanım: %1 [OYUN DOSYASI]
OYUN DOSYASI içindeki düşen blok oyununu oynatır (bir .qbx dosyası ya da file:// adresi),
yoksa en son oynanan oyunu.

  -h, --help     bu yardımı gösterir ve çıkar
  -v, --version  sürümü gösterir ve çıkar
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: bilinmeyen seçenek &quot;%2&quot;
&quot;%1 --help&quot; komutunu deneyin.
</translation>
    </message>
</context>
</TS>
