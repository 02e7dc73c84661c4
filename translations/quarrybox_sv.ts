<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Bilden %1 kan inte visas: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kan inte läsas (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kan inte skrivas (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kan inte läsas</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: kan inte skrivas till disken (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>kan inte skriva %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>skrivningen misslyckades (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>kan inte ersättas (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>kan inte skrivas (%1), och filens andra hårda länkar hindrar att den ersätts</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kan inte skrivas (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>kan inte spara (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>kan inte ersätta filen (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>kan inte skriva topplistan vid position %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>startskärm</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>spelbakgrund</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>slutskärm</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nivå %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: inte en vanlig fil</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: kan inte öppna filen (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: spelets område (position %2, storlek %3) ligger inte inom filen (filstorlek %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>bilden ”%1” har den okända typen %2 (1 är JPEG, 2 är BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>bilden ”%1” är för stor (%2 byte, gränsen är %3 byte)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>filen är ofullständig (avkortad): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>kan inte gå till position %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>läsfel vid position %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>oväntat filslut</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>positionstabellen för %1 nivåer går förbi filens slut (den slutar vid position %2, filstorlek %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>topplistans position %1 pekar in i filhuvudet (posterna börjar vid %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>topplistan går förbi filens slut (position %1, längd %2, filstorlek %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>den är för kort för ett spelhuvud (%1 byte behövs, filstorlek %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>position %2 för posten ”%1” pekar in i filhuvudet (posterna börjar vid %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>huvudet för posten ”%1” går förbi filens slut (position %2, filstorlek %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>posten ”%1” går förbi filens slut (position %2, längd %3, filstorlek %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>posten ”%1” går förbi filens slut</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: kan inte skriva bilden ”%2” (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>ett spel har högst %1 nivåer, det här har %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>bilden ”%1” har typen %2; bara JPEG (1) och BMP (2) sparas</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>skrivningen misslyckades vid position %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>kan inte läsa bilden ”%1” (%2) (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>bilden ”%1” (%2) är för stor (%3 byte)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>bilden ”%1” (%2) kunde inte läsas helt (%3 av %4 byte: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>filen blev kortare</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>spelet är större än 4 GiB, så långt når positionerna inte</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>kan inte gå tillbaka till positionstabellen (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (spel från byte %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: är ingen topplista; filen lämnas som den är</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: inte ett 64-bitars little-endian ELF-program</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: sektionstabellen ligger utanför filen</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: innehåller inget spel</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: körmiljön är avkortad</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: spelet kunde inte skrivas tillbaka</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: kan inte skapa filen (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: skrivningen misslyckades (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>”%1” finns inte (spelet har %2 nivåer)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: nivå %2 finns inte</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Titelbilden kan inte visas: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Öppna spel</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Öppna s&amp;enaste</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>S&amp;pel...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Ladda ner fler spel</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>S&amp;kapa spel</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Redigera spel</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Skapa EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Spara spel</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Spara spel s&amp;om</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Starta spel</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Avbryt spel</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Topplista</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>A&amp;lternativ</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Ljud på</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>S&amp;torlek</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Hjälpavsnitt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om Quarrybox</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Dubbel</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Trippel</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Helskärm</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 färgplan</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bitar per pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>BMP-komprimering %1 med %2 bitar per pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>en storlek på %1 x %2 pixlar</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>en färgtabell med %1 poster för %2-bitars pixlar</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>färgtabellen eller pixeldata ligger utanför filen (data vid position %1, filstorlek %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>pixeldata är avkortade (%1 byte för %2 x %3 pixlar med %4 bitar)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>inte en BMP-bild</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>ett BMP-huvud på %1 byte</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>huvudet går förbi slutet</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>dess fil kunde inte läsas</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>den kan inte kodas upprätt</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kan inte läsas (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>kan inte vändas upprätt (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>kan inte skrivas till %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>bilden (%1 x %2 pixlar)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>rutnätets storlek är %1, vilket inte ger några celler</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 är mindre än rutnätet med celler på %2 pixlar</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1 delad av rutnätet på %2 ger celler på %3 x %4 pixlar, och en cell måste vara minst 1 pixel åt varje håll</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 saknas eller är inte en vanlig fil</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan inte läsas: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>bilden är av en okänd typ (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>bilden är för stor (%1 byte, gränsen är %2 byte)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>bilden är av en okänd typ (inte en JPEG-bild)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>bilden är för stor (%1 x %2 pixlar, gränsen är %3 megapixlar)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>bilden är för stor (avkodningen kräver %1 MB, gränsen är %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>bilden är skadad (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>bilden innehåller mer kodade data än pixlarna kan använda (mer än %1 byte för %2 x %3 pixlar)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>ingen bild, bara tabeller</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>inget minne för %1 x %2 pixlar</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>bilden har fler än %1 skanningar, så många skriver ingen kamera eller något program; var och en vore ett svep över hela bilden</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>bilden skulle ta för lång tid att avkoda: dess skanningar går över fler än %1 block om 8 x 8 pixlar, varje skanning över hela bilden igen</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>bilden behövdes inte längre innan den avkodades</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>kan inte avkodas (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>kan inte kopieras till %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>kan inte konverteras till %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>filen finns inte</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>inget bildformat som kan läsas</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>för stor (%1 x %2 pixlar)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Den här bilden lades inte till:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>De här bilderna lades inte till:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Tryck</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>MELLANSLAG</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUS</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>fortsätt med P eller uppåtpil</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Om Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Ett spel med fallande block där varje nivå avtäcker en bild.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Ingen bild vald för startskärmen!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Ingen bild vald för spelbakgrunden!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Ingen bild vald för slutskärmen!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Ingen nivå vald!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alla filer</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Öppna bild</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Öppna bild(er)</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>det är ingen fil.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>namnet är inte UTF-8-text, så bara en start med just det namnet öppnar det.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>filen finns inte.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Spelet ”%1” kan inte öppnas: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Spara spelet?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Bekräfta överskrivning</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Skriva över befintligt spel?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>”Skapa EXE” använder den sparade spelfilen: öppna eller spara ett spel först.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Kan inte skapa filen Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Bekräfta överskrivning</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Spelfilen</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>kommer att skrivas över.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>”Skapa EXE” behöver körmiljön för fristående spel, som saknas: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Fel vid skrivning till disken!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Spelet med namnet:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>har just skapats!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Tomt spel</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Bekräfta avbrott</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Verkligen avbryta det pågående spelet?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>”%1” är ett spel gjort med ”Skapa EXE”: det är ett eget program. Starta det för att spela det.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>”%1” är inget spel: det är en fil av typen ”%2”.</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Inaktiv]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Paus]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Läser in bild...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>bilden kan inte delas i celler</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Nivå %1 av %2 kan inte visas: %3. Nivån hoppas över.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Topplistan finns kvar tills programmet avslutas men kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 kan inte skrivas, så topplistan sparas bara för dig, i %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; topplistan sparas i %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; topplistan går förlorad: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Medföljande</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Dina spel</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Senaste</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Läser...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 nivå</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 nivåer</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, bäst %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, ingen poäng än</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tangenter</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Lägg till tangent</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Rensa tangenter</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Flytta vänster</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Flytta höger</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Vrid (och fortsätt efter paus)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Nedåttangent</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Släpp</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Starta spelet eller nästa nivå</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pausa och fortsätt</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Tryck på tangenten för ”%1” (Escape avbryter).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 används för ”%2” i menyerna: välj en annan tangent.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 är redan tangenten för ”%2”: välj en annan tangent, eller rensa den där först.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>”%1” har ingen tangent: lägg till en, eller välj Standard.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Poäng: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Meddelande</translation>
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
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Nedåtpil</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Släpp</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Vrid (moturs)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Uppåtpil (vridriktning)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Medurs</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Moturs</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Rörelseljud</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>&amp;Fall snabbt medan den hålls</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Vänster- och högerpil</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;En kolumn per tryck</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Glid medan den hålls</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>F&amp;ördröjning:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Takt:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Visa var biten landar</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Ljudvolym:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>T&amp;angenter...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Inga nivåer valda!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>synlig</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>dold</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox-redigerare</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Bilder inte tillagda</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivå %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Nivå %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Bekräfta borttagning</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Verkligen ta bort den aktuella nivån?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Dölj den aktuella nivåns bild under redigering</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Visa den aktuella nivåns bild under redigering</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Rutnät %1 x %2, celler på %3 x %4 pixlar</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Nivåer</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Startskärmens bild</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Spelbakgrundens bild</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Slutskärmens bild</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Ram runt spelplanen</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Ram runt poängen</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Ram runt nästa bit</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Sträck ut</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Lägg till nya nivåer</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Infoga</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Infoga nivåer före den aktuella</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Ta bort den aktuella nivån</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Ordna nivåer:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Flytta den aktuella nivån ett steg senare</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Flytta den aktuella nivån ett steg tidigare</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Bläddra:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Första nivån</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Föregående nivå</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Nästa nivå</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Sista nivån</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Aktuell nivå  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Antal nivåer:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Rutnät:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- litet</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Välj rutnät</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>stort -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Nivåer, den sista överst: välj en för att redigera den; släpp bilder här för att lägga till dem</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Bakgrunder</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Öppna senaste</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Spelet ”%1” finns inte längre. Ta bort det från listan?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Rensa listan</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nytt rekord: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Skriv ditt namn och tryck Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Högst %1 bokstäver eller siffror, bara västeuropeiska bokstäver.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox-spel</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Fler spel för Quarrybox finns på %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Besök webbplatsen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Quarrybox-spel</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Öppna spel</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Spara spel som</translation>
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
        <translation>Användning: %1 [SPELFIL]
Spelar spelet med fallande block i SPELFIL (en .qbx-fil eller dess file://-adress),
annars det senast spelade spelet.

  -h, --help     visa den här hjälpen och avsluta
  -v, --version  visa versionen och avsluta
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: okänd flagga ”%2”
Prova ”%1 --help”.
</translation>
    </message>
</context>
</TS>
