<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Nie można pokazać obrazu %1: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: nie można odczytać (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: nie można zapisać (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: nie można zapisać na dysku (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>błąd zapisu (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>nie można zastąpić (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>nie można zapisać (%1), a inne twarde dowiązania do pliku nie pozwalają go zastąpić</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>nie można zapisać (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>nie można zapisać (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>nie można zastąpić pliku (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>nie można zapisać tabeli najlepszych wyników na pozycji %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>ekran startowy</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>tło gry</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>ekran końca gry</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>poziom %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: nie można otworzyć pliku (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: obszar gry (pozycja %2, rozmiar %3) wykracza poza plik (rozmiar pliku %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>obraz „%1” ma nieznany typ %2 (1 to JPEG, 2 to BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>obraz „%1” jest za duży (%2 bajtów, limit to %3 bajtów)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>plik jest niekompletny (ucięty): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>nie można przejść do pozycji %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>błąd odczytu na pozycji %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>nieoczekiwany koniec pliku</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>jest za krótki na nagłówek gry (potrzeba %1 bajtów, rozmiar pliku %2)</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>tabela pozycji dla poziomów (%1) wykracza poza koniec pliku (kończy się na pozycji %2, rozmiar pliku %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>pozycja %1 tabeli najlepszych wyników wskazuje na nagłówek (wpisy zaczynają się od pozycji %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>tabela najlepszych wyników wykracza poza koniec pliku (pozycja %1, długość %2, rozmiar pliku %3)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>pozycja %2 wpisu „%1” wskazuje na nagłówek (wpisy zaczynają się od pozycji %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>nagłówek wpisu „%1” wykracza poza koniec pliku (pozycja %2, rozmiar pliku %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>wpis „%1” wykracza poza koniec pliku (pozycja %2, długość %3, rozmiar pliku %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>wpis „%1” wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: nie można zapisać obrazu „%2” (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>gra może mieć najwyżej %1 poziomów, a ta ma %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>obraz „%1” ma typ %2; zapisywane są tylko JPEG (1) i BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>błąd zapisu na pozycji %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>nie można odczytać obrazu „%1” %2 (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>obraz „%1” %2 jest za duży (%3 bajtów)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>nie udało się odczytać całego obrazu „%1” %2 (%3 z %4 bajtów: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>plik się skrócił</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>gra jest większa niż 4 GiB, a tak dalekich pozycji nie da się zapisać</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>nie można wrócić do tabeli pozycji (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (gra od bajtu %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: to nie jest tabela najlepszych wyników; plik pozostaje bez zmian</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: to nie jest 64-bitowy program ELF little-endian</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: tabela sekcji leży poza plikiem</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: nie zawiera gry</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: środowisko uruchomieniowe jest ucięte</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: nie udało się z powrotem zapisać gry</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: nie można utworzyć pliku (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: błąd zapisu (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>brak elementu „%1” (liczba poziomów gry: %2)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: nie ma poziomu %2</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Nie można pokazać obrazu tytułowego: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Otwórz grę</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Pobierz więcej gier</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Utwórz grę</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Edytuj grę</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Utwórz EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Zapisz grę</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Zapisz grę &amp;jako</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Rozpocznij grę</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Wstrzymaj grę</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>Za&amp;trzymaj grę</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Dźwięk włączony</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normalny</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Podwójny</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>Po&amp;trójny</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otwórz o&amp;statnie</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Gry...</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>to nie jest obraz BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>nagłówek BMP o długości %1 bajtów</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>nagłówek wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>%1 colour planes</source>
        <translation>liczba płaszczyzn kolorów: %1</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>liczba bitów na piksel: %1</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>kompresja BMP %1 przy %2 bitach na piksel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>rozmiar %1 x %2 pikseli</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>tabela kolorów z %1 wpisami dla pikseli %2-bitowych</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>tabela kolorów lub dane pikseli leżą poza plikiem (dane na pozycji %1, rozmiar pliku %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>dane pikseli są ucięte (%1 bajtów na %2 x %3 pikseli po %4 bitów)</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>nie można go zakodować we właściwej orientacji</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>nie można odczytać (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>nie można obrócić do właściwej orientacji (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>nie można zapisać w %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>obraz (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>rozmiar siatki to %1, co nie daje żadnych komórek</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 jest mniejszy niż siatka komórek o boku %2 pikseli</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1 podzielony siatką %2 daje komórki %3 x %4 pikseli, a komórka musi mieć co najmniej 1 piksel w każdą stronę</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 nie istnieje lub nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>obraz ma nieznany typ (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>obraz jest za duży (%1 bajtów, limit to %2 bajtów)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>obraz ma nieznany typ (to nie jest obraz JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>obraz jest za duży (%1 x %2 pikseli, limit to %3 megapikseli)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>obraz jest za duży (dekodowanie wymaga %1 MB, limit to %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>obraz jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>brak obrazu, same tabele</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>nie udało się odczytać jego pliku</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>brak pamięci na %1 x %2 pikseli</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>obraz ma ponad %1 skanów, czego nie zapisuje żaden aparat ani program; każdy z nich oznaczałby przejście przez cały obraz</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>obraz przestał być potrzebny, zanim został zdekodowany</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>dekodowanie obrazu trwałoby zbyt długo: jego skany przechodzą przez ponad %1 bloków 8 x 8 pikseli, każdy skan znowu przez cały obraz</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>obraz zawiera więcej zakodowanych danych, niż jego piksele mogą wykorzystać (ponad %1 bajtów na %2 x %3 pikseli)</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>nieczytelny format obrazu</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>za duży (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>nie można zdekodować (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>nie można skopiować do %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>nie można przekonwertować do %1</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Ten obraz nie został dodany:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Te obrazy nie zostały dodane:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Naciśnij</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>SPACJA</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>wznów: P lub strzałka w górę</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>O programie Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Gra w spadające klocki, w której każdy poziom odsłania obrazek.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Nie zdefiniowano obrazu startowego!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Nie zdefiniowano obrazu tła gry!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Nie zdefiniowano obrazu końca gry!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Nie zdefiniowano żadnego poziomu!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Otwórz obrazy</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>„%1” to gra zrobiona poleceniem „Utwórz EXE”, osobny program. Uruchom go, aby w nią zagrać.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>„%1” nie jest grą, lecz plikiem typu „%2”.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Zapisać grę?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Potwierdź zastąpienie</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Zastąpić istniejącą grę?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>„Utwórz EXE” korzysta z zapisanego pliku gry: najpierw otwórz lub zapisz grę.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Nie można utworzyć pliku Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Potwierdź zastąpienie</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Plik gry</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>zostanie zastąpiony.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>„Utwórz EXE” potrzebuje środowiska samodzielnych gier, którego brakuje: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Błąd zapisu na dysku!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Gra o nazwie:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>została właśnie utworzona!</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>to nie jest plik.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>jej nazwa nie jest tekstem UTF-8, więc otworzy ją tylko uruchomienie z tą nazwą.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Nie można otworzyć gry „%1”: %2</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Pusta gra</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Nieaktywna]</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>jego obrazu nie da się podzielić na komórki</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Nie można pokazać poziomu %1 gry %2: %3. Poziom zostaje pominięty.</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pauza]</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Potwierdź zatrzymanie</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Naprawdę zatrzymać bieżącą grę?!</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Wczytywanie obrazu...</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Najlepsze wyniki zostaną zachowane do końca działania programu, ale nie udało się ich zapisać: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>Nie można zapisać %1, więc najlepsze wyniki są przechowywane tylko dla Ciebie, w %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; najlepsze wyniki są przechowywane w %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; najlepsze wyniki przepadły: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Zainstalowana</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Twoje gry</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Ostatnio otwierana</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wczytywanie...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 poziom</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>Poziomy: %1</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, rekord %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, jeszcze bez wyników</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Dodaj klawisz</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Wyczyść klawisze</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>D&amp;omyślne</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ruch w lewo</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Ruch w prawo</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Obrót (i wznowienie po pauzie)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Klawisz w dół</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Upuść</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Rozpoczęcie gry lub następnego poziomu</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pauza i wznowienie</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Naciśnij klawisz dla „%1” (Escape anuluje).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 jest zarezerwowany w menu dla „%2”: wybierz inny klawisz.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 jest już klawiszem dla „%2”: wybierz inny klawisz lub najpierw go tam wyczyść.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>„%1” nie ma klawisza: dodaj jakiś lub wybierz Domyślne.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Wynik: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Komunikat</translation>
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
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Strzałka w dół</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Upuść</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Obróć (w lewo)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Strzałka w górę (kierunek obrotu)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Dźwięk ruchu</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
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
        <translation>&amp;Szybkie opadanie przy przytrzymaniu</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Strzałki w lewo i w prawo</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Jedna kolumna na naciśnięcie</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>Ś&amp;lizganie przy przytrzymaniu</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Opóźnienie:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Pokaż, gdzie spadnie klocek</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Głośność:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Klawisze...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Nie zdefiniowano poziomów!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>widoczny</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>ukryty</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Edytor Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Nie dodano obrazów</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potwierdź usunięcie</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Naprawdę usunąć bieżący poziom?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Ukryj obraz bieżącego poziomu podczas edycji</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Pokaż obraz bieżącego poziomu podczas edycji</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Siatka %1 x %2, komórki %3 x %4 pikseli</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Tła</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Obraz ekranu startowego</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Obraz tła gry</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Obraz końca gry</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Ramka planszy</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Ramka wyniku</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Ramka następnej</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Skaluj</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Dodaj nowe poziomy</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Wstaw poziomy przed bieżącym</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Usuń bieżący poziom</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Zmień kolejność:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Niżej</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Przesuń bieżący poziom o jedno miejsce niżej</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Wyżej</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Przesuń bieżący poziom o jedno miejsce wyżej</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Przejdź:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Pierwszy poziom</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Poprzedni poziom</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Następny poziom</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Ostatni poziom</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Bieżący poziom  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Liczba poziomów:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Siatka:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- mała</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Wybierz siatkę</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>duża -&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Poziom %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Poziom %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Poziomy, ostatni na górze: wybierz jeden, aby go edytować; upuść tu obrazy, aby je dodać</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Otwórz ostatnie</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Gry „%1” już nie ma. Usunąć ją z listy?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść listę</translation>
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
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nowy rekord: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Wpisz swoje imię i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Do %1 liter lub cyfr, bez polskich znaków (ą, ł, ś…).</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Gry Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Więcej gier do Quarrybox czeka na %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Odwiedź stronę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Gra Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Otwórz grę</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Zapisz grę jako</translation>
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
        <translation>Użycie: %1 [PLIK GRY]
Uruchamia grę w spadające klocki z PLIKU GRY (pliku .qbx lub jego adresu file://),
a bez niego ostatnio graną grę.

  -h, --help     pokazuje tę pomoc i kończy
  -v, --version  pokazuje wersję i kończy
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: nieznana opcja „%2”
Spróbuj „%1 --help”.
</translation>
    </message>
</context>
</TS>
