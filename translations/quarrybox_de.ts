<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Das Bild %1 kann nicht angezeigt werden: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: kann nicht auf den Datenträger geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>Schreibfehler (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>kann nicht ersetzt werden (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>kann nicht geschrieben werden (%1), und weitere harte Links auf die Datei verhindern, dass sie ersetzt wird</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>kann nicht gespeichert werden (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>die Datei kann nicht ersetzt werden (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>die Bestenliste kann nicht an Position %1 geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>Startbildschirm</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>Spielhintergrund</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>Spielende-Bildschirm</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: keine normale Datei</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: die Datei kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: der Bereich des Spiels (Position %2, Größe %3) liegt nicht in der Datei (Dateigröße %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>das Bild „%1“ hat den unbekannten Typ %2 (1 ist JPEG, 2 ist BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>das Bild „%1“ ist zu groß (%2 Bytes, die Grenze liegt bei %3 Bytes)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>die Datei ist unvollständig (abgeschnitten): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>Position %1 kann nicht angesteuert werden (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>Lesefehler an Position %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>unerwartetes Dateiende</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>sie ist zu kurz für einen Spielkopf (%1 Bytes nötig, Dateigröße %2)</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>die Positionstabelle für %1 Level reicht über das Dateiende hinaus (sie endet an Position %2, Dateigröße %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>die Position %1 der Bestenliste zeigt in den Dateikopf (die Einträge beginnen bei %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>die Bestenliste reicht über das Dateiende hinaus (Position %1, Länge %2, Dateigröße %3)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>die Position %2 des Eintrags „%1“ zeigt in den Dateikopf (die Einträge beginnen bei %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>der Kopf des Eintrags „%1“ reicht über das Dateiende hinaus (Position %2, Dateigröße %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>der Eintrag „%1“ reicht über das Dateiende hinaus (Position %2, Länge %3, Dateigröße %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>der Eintrag „%1“ reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: das Bild „%2“ kann nicht geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>ein Spiel hat höchstens %1 Level, dieses hat %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>das Bild „%1“ hat den Typ %2; gespeichert werden nur JPEG (1) und BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>Schreibfehler an Position %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>das Bild „%1“ (%2) kann nicht gelesen werden (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>das Bild „%1“ (%2) ist zu groß (%3 Bytes)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>das Bild „%1“ (%2) konnte nicht vollständig gelesen werden (%3 von %4 Bytes: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>die Datei wurde kürzer</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>das Spiel ist größer als 4 GiB, so weit reichen die Positionen nicht</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>die Positionstabelle kann nicht wieder angesteuert werden (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (Spiel ab Byte %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: ist keine Bestenliste; die Datei bleibt unverändert</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: kein 64-Bit-ELF-Programm (Little Endian)</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: die Sektionstabelle liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: enthält kein Spiel</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: die Laufzeitumgebung ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: das Spiel konnte nicht zurückgeschrieben werden</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: die Datei kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: Schreibfehler (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>„%1“ gibt es nicht (das Spiel hat %2 Level)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: Level %2 gibt es nicht</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Das Titelbild kann nicht angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Weitere Spiele herunterladen</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>Spiel &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>Spiel be&amp;arbeiten</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>EXE erstellen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Spiel speichern &amp;unter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>Spiel a&amp;bbrechen</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>Beste&amp;nliste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Ton an</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quarrybox</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Doppelt</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>D&amp;reifach</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>S&amp;piele...</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>kein BMP-Bild</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>ein BMP-Kopf von %1 Bytes</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>der Kopf reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 Farbebenen</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 Bit pro Pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>BMP-Kompression %1 bei %2 Bit pro Pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>eine Größe von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>eine Farbtabelle mit %1 Einträgen für %2-Bit-Pixel</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>Farbtabelle oder Pixeldaten liegen außerhalb der Datei (Daten an Position %1, Dateigröße %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>die Pixeldaten sind abgeschnitten (%1 Bytes für %2 x %3 Pixel mit %4 Bit)</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>es lässt sich nicht aufrecht kodieren</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>kann nicht aufrecht gedreht werden (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>kann nicht nach %1 geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>das Bild (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>die Rastergröße ist %1, damit entstehen keine Zellen</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 ist kleiner als das Raster aus Zellen von %2 Pixeln</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, geteilt durch das Raster von %2, ergibt Zellen von %3 x %4 Pixeln, und eine Zelle muss in jeder Richtung mindestens 1 Pixel groß sein</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 fehlt oder ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>das Bild hat einen unbekannten Typ (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>das Bild ist zu groß (%1 Bytes, die Grenze liegt bei %2 Bytes)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>das Bild hat einen unbekannten Typ (kein JPEG-Bild)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel, die Grenze liegt bei %3 Megapixeln)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>das Bild ist zu groß (das Dekodieren bräuchte %1 MB, die Grenze liegt bei %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>das Bild ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>kein Bild, nur Tabellen</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>seine Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>kein Speicher für %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>das Bild hat mehr als %1 Scans, so viele schreibt keine Kamera und kein Programm; jeder wäre ein Durchgang über das ganze Bild</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>das Bild wurde nicht mehr gebraucht, bevor es dekodiert war</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>das Bild bräuchte zu lange zum Dekodieren: seine Scans gehen über mehr als %1 Blöcke von 8 x 8 Pixeln, jeder Scan erneut über das ganze Bild</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>das Bild enthält mehr kodierte Daten, als seine Pixel brauchen können (mehr als %1 Bytes für %2 x %3 Pixel)</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>no such file</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>kein lesbares Bildformat</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>kann nicht dekodiert werden (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>kann nicht nach %1 kopiert werden</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>kann nicht nach %1 umgewandelt werden</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Dieses Bild wurde nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Diese Bilder wurden nicht hinzugefügt:</translation>
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
        <translation>Drücken</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>LEERTASTE</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>weiter mit P oder Pfeil nach oben</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Über Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Ein Spiel mit fallenden Steinen, in dem jedes Level ein Bild aufdeckt.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Kein Bild für den Startbildschirm festgelegt!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Kein Bild für den Spielhintergrund festgelegt!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Kein Bild für das Spielende festgelegt!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Kein Level festgelegt!</translation>
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
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Bild(er) öffnen</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>„%1“ ist ein mit „EXE erstellen“ gemachtes Spiel, ein eigenes Programm. Starten Sie es, um es zu spielen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>„%1“ ist kein Spiel, sondern eine Datei der Art „%2“.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Spiel speichern?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Überschreiben bestätigen</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Vorhandenes Spiel überschreiben?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>„EXE erstellen“ braucht die gespeicherte Spieldatei: Öffnen oder speichern Sie zuerst ein Spiel.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Die Datei Quarrybox.exe kann nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Überschreiben bestätigen</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Die Spieldatei</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>wird überschrieben.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>„EXE erstellen“ braucht die Laufzeitumgebung für eigenständige Spiele, die fehlt: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Fehler beim Schreiben auf die Festplatte!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Das Spiel mit dem Namen:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>wurde soeben erstellt!</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>es ist keine Datei.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>sein Name ist kein UTF-8-Text; nur ein Start mit genau diesem Namen öffnet es.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Das Spiel „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Leeres Spiel</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Inaktiv]</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>sein Bild lässt sich nicht in Zellen teilen</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Level %1 von %2 kann nicht angezeigt werden: %3. Das Level wird übersprungen.</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pause]</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Spielabbruch bestätigen</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Laufendes Spiel wirklich abbrechen?!</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Bild wird geladen...</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Die Bestenliste bleibt bis zum Programmende erhalten, konnte aber nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 kann nicht geschrieben werden; die Bestenliste wird daher nur für Sie in %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; die Bestenliste wird in %2 aufbewahrt</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; die Bestenliste geht verloren: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Mitgeliefert</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Ihre Spiele</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 Level</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 Level</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, Bestwert %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, noch kein Ergebnis</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>Taste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>Tasten &amp;löschen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Drehen (und Pause beenden)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Nach-unten-Taste</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Spiel oder nächste Stufe starten</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pause und weiter</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Drücken Sie die Taste für „%1“ (Escape bricht ab).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 ist in den Menüs für „%2“ vergeben: wählen Sie eine andere Taste.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 ist schon die Taste für „%2“: wählen Sie eine andere Taste oder löschen Sie sie dort zuerst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>„%1“ hat keine Taste: fügen Sie eine hinzu oder wählen Sie Standard.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Punkte: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Meldung</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Drehen (GUZ)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Pfeil nach oben (Drehrichtung)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Im Uhrzeigersinn (UZ)</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Gegen den Uhrzeigersinn (GUZ)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Bewegungston</translation>
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
        <translation>&amp;Schnell fallen, solange gedrückt</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Pfeile nach links und rechts</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Eine Spalte pro Druck</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Gleiten, solange gedrückt</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Verzögerung:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Takt:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Zeigen, wo das Teil landet</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>T&amp;asten...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Keine Level festgelegt!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>sichtbar</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox-Editor</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Bilder nicht hinzugefügt</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Aktuelles Level wirklich löschen?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Bild des aktuellen Levels beim Bearbeiten ausblenden</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Bild des aktuellen Levels beim Bearbeiten anzeigen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Raster %1 x %2, Zellen zu %3 x %4 Pixeln</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Hintergründe</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Bild des Startbildschirms</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Bild des Spielhintergrunds</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Bild des Spielendes</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Spielfeld umrahmen</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Punktefeld umrahmen</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Vorschau umrahmen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Dehnen</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Neue Level hinzufügen</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Level vor dem aktuellen einfügen</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Aktuelles Level löschen</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Level verschieben:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Aktuelles Level eine Stelle nach hinten</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Aktuelles Level eine Stelle nach vorn</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Blättern:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Erstes Level</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Vorheriges Level</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Nächstes Level</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Letztes Level</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Aktuelles Level  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Anzahl der Level:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Raster:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- klein</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Raster wählen</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>groß -&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Level %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Level, das letzte oben: eins wählen, um es zu bearbeiten; Bilder hierher ziehen, um sie hinzuzufügen</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Das Spiel „%1“ ist nicht mehr vorhanden. Aus der Liste entfernen?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Liste leeren</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Neuer Rekord: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Namen eingeben, dann Eingabetaste drücken.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Bis zu %1 Buchstaben oder Ziffern, nur westeuropäische Buchstaben.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox-Spiele</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Weitere Spiele für Quarrybox gibt es unter %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Quarrybox-Spiel</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Spiel speichern unter</translation>
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
        <translation>Aufruf: %1 [SPIELDATEI]
Spielt das Spiel mit fallenden Blöcken in SPIELDATEI (eine .qbx-Datei oder ihre file://-Adresse),
sonst das zuletzt gespielte Spiel.

  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: unbekannte Option „%2“
Versuchen Sie „%1 --help“.
</translation>
    </message>
</context>
</TS>
