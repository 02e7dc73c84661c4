<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Obrázek %1 nelze zobrazit: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: nelze přečíst (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: nelze zapsat (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nelze přečíst</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: nelze zapsat na disk (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 nelze zapsat (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>zápis selhal (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>nelze nahradit (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>nelze zapsat (%1) a další pevné odkazy na soubor brání jeho nahrazení</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>nelze zapsat (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>nelze uložit (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>soubor nelze nahradit (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>tabulku nejlepších výsledků nelze zapsat na pozici %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>úvodní obrazovka</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>herní pozadí</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>závěrečná obrazovka</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>úroveň %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: není běžný soubor</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: soubor nelze otevřít (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: oblast hry (pozice %2, velikost %3) neleží uvnitř souboru (velikost souboru %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>obrázek „%1“ má neznámý typ %2 (1 je JPEG, 2 je BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>obrázek „%1“ je příliš velký (%2 bajtů, limit je %3 bajtů)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>soubor je neúplný (useknutý): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>nelze přejít na pozici %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>chyba čtení na pozici %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>neočekávaný konec souboru</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>tabulka pozic pro %1 úrovní sahá za konec souboru (končí na pozici %2, velikost souboru %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>pozice %1 tabulky nejlepších výsledků ukazuje do hlavičky (záznamy začínají na %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>tabulka nejlepších výsledků sahá za konec souboru (pozice %1, délka %2, velikost souboru %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>je příliš krátký na hlavičku hry (potřeba %1 bajtů, velikost souboru %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>pozice %2 záznamu „%1“ ukazuje do hlavičky (záznamy začínají na %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>hlavička záznamu „%1“ sahá za konec souboru (pozice %2, velikost souboru %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>záznam „%1“ sahá za konec souboru (pozice %2, délka %3, velikost souboru %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>záznam „%1“ sahá za konec souboru</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: obrázek „%2“ nelze zapsat (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>hra může mít nejvýše %1 úrovní, tato jich má %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>obrázek „%1“ má typ %2; ukládají se jen JPEG (1) a BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>zápis na pozici %1 selhal (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>obrázek „%1“ (%2) nelze přečíst (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>obrázek „%1“ (%2) je příliš velký (%3 bajtů)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>obrázek „%1“ (%2) se nepodařilo přečíst celý (%3 z %4 bajtů: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>soubor se zkrátil</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>hra je větší než 4 GiB, kam pozice nedosáhnou</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>nelze se vrátit k tabulce pozic (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (hra od bajtu %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: není tabulka nejlepších výsledků; soubor zůstává beze změny</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: není 64bitový program ELF (little-endian)</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: tabulka sekcí leží mimo soubor</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: neobsahuje žádnou hru</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: běhové prostředí je useknuté</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: hru se nepodařilo zapsat zpět</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: soubor nelze vytvořit (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: zápis selhal (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>„%1“ neexistuje (hra má %2 úrovní)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: úroveň %2 neexistuje</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Úvodní obrázek nelze zobrazit: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Otevřít hru</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otevřít &amp;nedávné</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Hry...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Stáhnout další hry</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Vytvořit hru</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Upravit hru</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Vytvořit EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>U&amp;ložit hru</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Uložit hru &amp;jako</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Spustit hru</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pozastavit</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Ukončit hru</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Zvuk zapnut</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Velikost</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Předvolby</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Témata nápovědy</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O Quarryboxu</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normální</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Dvojnásobná</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Trojnásobná</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Celá obrazovka</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 barevných rovin</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bitů na pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>komprese BMP %1 při %2 bitech na pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>velikost %1 x %2 pixelů</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>tabulka barev s %1 položkami pro %2bitové pixely</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>tabulka barev nebo data pixelů leží mimo soubor (data na pozici %1, velikost souboru %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>data pixelů jsou useknutá (%1 bajtů pro %2 x %3 pixelů po %4 bitech)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>není obrázek BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>hlavička BMP o %1 bajtech</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>hlavička sahá za konec</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>jeho soubor nelze přečíst</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>nelze jej zakódovat nastojato</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>nelze přečíst (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>nelze otočit nastojato (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>nelze zapsat do %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>obrázek (%1 x %2 pixelů)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>velikost mřížky je %1, což nevytvoří žádné buňky</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 je menší než mřížka s buňkami o %2 pixelech</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1 rozdělený mřížkou %2 dává buňky %3 x %4 pixelů, a buňka musí mít v každém směru aspoň 1 pixel</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 chybí nebo není běžný soubor</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>obrázek má neznámý typ (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>obrázek je příliš velký (%1 bajtů, limit je %2 bajtů)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>obrázek má neznámý typ (není to JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>obrázek je příliš velký (%1 x %2 pixelů, limit je %3 megapixelů)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>obrázek je příliš velký (dekódování potřebuje %1 MB, limit je %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>obrázek je poškozený (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>obrázek obsahuje více kódovaných dat, než jeho pixely mohou využít (více než %1 bajtů pro %2 x %3 pixelů)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>žádný obrázek, jen tabulky</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>nedostatek paměti pro %1 x %2 pixelů</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>obrázek má více než %1 průchodů, tolik nezapíše žádný fotoaparát ani program; každý by byl průchodem celým obrázkem</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>dekódování obrázku by trvalo příliš dlouho: jeho průchody jdou přes více než %1 bloků 8 x 8 pixelů, každý znovu přes celý obrázek</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>obrázek už nebyl potřeba dřív, než se dekódoval</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>nelze dekódovat (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>nelze zkopírovat do %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>nelze převést do %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>soubor neexistuje</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>nečitelný formát obrázku</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>příliš velký (%1 x %2 pixelů)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Tento obrázek nebyl přidán:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Tyto obrázky nebyly přidány:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Stiskni</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>MEZERNÍK</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>pokračuj: P nebo šipka nahoru</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>O Quarryboxu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Hra s padajícími kostkami, v níž každá úroveň odkryje obrázek.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Není určen obrázek úvodní obrazovky!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Není určen obrázek herního pozadí!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Není určen obrázek závěrečné obrazovky!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Není určena žádná úroveň!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Všechny soubory</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Otevřít obrázek</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Otevřít obrázky</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>není to soubor.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>jeho název není text v UTF-8, otevře jej tedy jen spuštění s přesně tímto názvem.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>soubor neexistuje.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Hru „%1“ nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Uložit hru?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Potvrdit přepsání</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Přepsat existující hru?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>„Vytvořit EXE“ používá uložený soubor hry: nejprve hru otevřete nebo uložte.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Soubor Quarrybox.exe nelze vytvořit!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Potvrdit přepsání</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Soubor hry</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>bude přepsán.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>„Vytvořit EXE“ potřebuje běhové prostředí pro samostatné hry, které chybí: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Chyba zápisu na disk!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Hra s názvem:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>byla právě vytvořena!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Prázdná hra</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Potvrdit ukončení</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Opravdu ukončit rozehranou hru?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>„%1“ je hra vytvořená pomocí „Vytvořit EXE“: je to samostatný program. Spusťte ji, chcete-li ji hrát.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>„%1“ není hra: je to soubor typu „%2“.</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Neaktivní]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pauza]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Načítání obrázku...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>obrázek nelze rozdělit na buňky</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Úroveň %1 z %2 nelze zobrazit: %3. Úroveň se přeskočí.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Nejlepší výsledky zůstanou do ukončení programu, ale nepodařilo se je uložit: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 nelze zapsat, proto se nejlepší výsledky ukládají jen pro vás, do %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; nejlepší výsledky jsou uloženy v %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; nejlepší výsledky jsou ztraceny: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Hry</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Přiložené</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Vaše hry</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Nedávné</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Načítání...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 úroveň</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>úrovní: %1</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, nejlépe %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, zatím bez výsledku</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Přidat klávesu</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Vymazat klávesy</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Vý&amp;chozí</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Doleva</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Doprava</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Otočit (a pokračovat po pauze)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Klávesa dolů</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Shodit</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Spustit hru nebo další úroveň</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pauza a pokračování</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Stiskněte klávesu pro „%1“ (Escape ruší).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 je v nabídkách vyhrazena pro „%2“: zvolte jinou klávesu.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 už je klávesa pro „%2“: zvolte jinou klávesu, nebo ji tam nejprve vymažte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>„%1“ nemá klávesu: přidejte nějakou, nebo zvolte Výchozí.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Body: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Zpráva</translation>
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
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Šipka dolů</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Shodit</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Otočit (doleva)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Šipka nahoru (směr otáčení)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Po směru hodin</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Proti směru hodin</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Zvuk pohybu</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
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
        <translation>&amp;Rychle padat při držení</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Šipky doleva a doprava</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Jeden sloupec na stisk</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Klouzat při držení</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Prodleva:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Interval:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Ukázat, kam dílek dopadne</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Hlasitost:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>Kláv&amp;esy...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Nejsou určeny žádné úrovně!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>viditelný</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>skrytý</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Editor Quarryboxu</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Obrázky nepřidány</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Úroveň %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Úroveň %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potvrdit smazání</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Opravdu smazat aktuální úroveň?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Skrýt obrázek aktuální úrovně při úpravách</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Zobrazit obrázek aktuální úrovně při úpravách</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Mřížka %1 x %2, buňky %3 x %4 pixelů</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Úvod</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Úrovně</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Obrázek úvodní obrazovky</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Obrázek herního pozadí</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Obrázek závěrečné obrazovky</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Rámovat pole</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Rámovat body</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Rámovat další</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Na okno</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Ukázat</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Přidat nové úrovně</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Vložit úrovně před aktuální</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Smazat aktuální úroveň</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Přeskupit úrovně:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Posunout aktuální úroveň o místo dál</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Posunout aktuální úroveň o místo dřív</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Procházet:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>První úroveň</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Předchozí úroveň</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Další úroveň</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Poslední úroveň</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Aktuální úroveň  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Počet úrovní:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Mřížka:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- malá</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Zvolit mřížku</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>velká -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Úrovně, poslední nahoře: vyberte jednu k úpravám; přetáhněte sem obrázky, chcete-li je přidat</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Pozadí</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Otevřít nedávné</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Hra „%1“ už neexistuje. Odebrat ji ze seznamu?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vymazat seznam</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nový rekord: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Napište své jméno a stiskněte Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Nejvýše %1 písmen či číslic, bez háčků a kroužků (č, ř, ů…).</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Hry pro Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Další hry pro Quarrybox najdete na %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Navštívit web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Hra pro Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Otevřít hru</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Uložit hru jako</translation>
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
        <translation>Použití: %1 [SOUBOR HRY]
Hraje hru s padajícími kostkami ze SOUBORU HRY (soubor .qbx nebo jeho adresa file://),
jinak naposledy hranou hru.

  -h, --help     zobrazí tuto nápovědu a skončí
  -v, --version  zobrazí verzi a skončí
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: neznámý přepínač „%2“
Zkuste „%1 --help“.
</translation>
    </message>
</context>
</TS>
