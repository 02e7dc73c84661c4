<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>De afbeelding %1 kan niet worden getoond: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kan niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kan niet worden geschreven (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: kan niet naar de schijf worden geschreven (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>kan %1 niet schrijven (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>schrijven mislukt (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>kan niet worden vervangen (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>kan niet worden geschreven (%1), en andere harde koppelingen naar het bestand verhinderen dat het wordt vervangen</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>kan niet opslaan (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>kan het bestand niet vervangen (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>kan de scorelijst niet schrijven op positie %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>beginscherm</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>speelachtergrond</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>eindscherm</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>level %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: kan het bestand niet openen (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: het bereik van het spel (positie %2, grootte %3) ligt niet binnen het bestand (bestandsgrootte %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>de afbeelding &quot;%1&quot; heeft het onbekende type %2 (1 is JPEG, 2 is BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>de afbeelding &quot;%1&quot; is te groot (%2 bytes, de grens is %3 bytes)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>het bestand is onvolledig (afgebroken): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>kan positie %1 niet bereiken (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>leesfout op positie %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>onverwacht einde van het bestand</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>de positietabel van %1 levels loopt voorbij het einde van het bestand (hij eindigt op positie %2, bestandsgrootte %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>positie %1 van de scorelijst wijst in de bestandskop (de records beginnen op %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>de scorelijst loopt voorbij het einde van het bestand (positie %1, lengte %2, bestandsgrootte %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>het is te kort voor een spelkop (%1 bytes nodig, bestandsgrootte %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>positie %2 van het record &quot;%1&quot; wijst in de bestandskop (de records beginnen op %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>de kop van het record &quot;%1&quot; loopt voorbij het einde van het bestand (positie %2, bestandsgrootte %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>het record &quot;%1&quot; loopt voorbij het einde van het bestand (positie %2, lengte %3, bestandsgrootte %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>het record &quot;%1&quot; loopt voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: kan de afbeelding &quot;%2&quot; niet schrijven (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>een spel heeft hoogstens %1 levels, dit heeft er %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>de afbeelding &quot;%1&quot; heeft type %2; alleen JPEG (1) en BMP (2) worden opgeslagen</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>schrijven mislukt op positie %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>kan de afbeelding &quot;%1&quot; (%2) niet lezen (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>de afbeelding &quot;%1&quot; (%2) is te groot (%3 bytes)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>de afbeelding &quot;%1&quot; (%2) kon niet volledig worden gelezen (%3 van %4 bytes: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>het bestand werd korter</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>het spel is groter dan 4 GiB, zo ver reiken de posities niet</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>kan niet terug naar de positietabel (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (spel vanaf byte %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: is geen scorelijst; het bestand blijft zoals het is</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: geen 64-bits little-endian ELF-programma</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: de sectietabel ligt buiten het bestand</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: bevat geen spel</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: de runtime is afgebroken</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: het spel kon niet worden teruggeschreven</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: kan het bestand niet aanmaken (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: schrijven mislukt (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>&quot;%1&quot; bestaat niet (het spel heeft %2 levels)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: level %2 bestaat niet</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>De titelafbeelding kan niet worden getoond: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spel &amp;openen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>Spell&amp;en...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>Meer spellen &amp;downloaden</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>Spel &amp;maken</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>Spel &amp;bewerken</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>EXE maken</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spel op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Spel opslaan &amp;als</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Afs&amp;luiten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pauzeren</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>Spel s&amp;toppen</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Ranglijst</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Geluid aan</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Formaat</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Voorkeuren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Helponderwerpen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Quarrybox</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Dubbel</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>D&amp;rievoudig</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 kleurvlakken</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bits per pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>BMP-compressie %1 bij %2 bits per pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>een grootte van %1 x %2 pixels</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>een kleurentabel van %1 items voor %2-bits pixels</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>de kleurentabel of de pixelgegevens liggen buiten het bestand (gegevens op positie %1, bestandsgrootte %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>de pixelgegevens zijn afgebroken (%1 bytes voor %2 x %3 pixels bij %4 bits)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>geen BMP-afbeelding</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>een BMP-kop van %1 bytes</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>de kop loopt voorbij het einde</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>het bestand kon niet worden gelezen</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>ze kan niet rechtop worden gecodeerd</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>kan niet rechtop worden gezet (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>kan niet naar %1 worden geschreven (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>de afbeelding (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>de rastergrootte is %1, daarmee ontstaan geen cellen</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 is kleiner dan het raster van cellen van %2 pixels</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, verdeeld door het raster van %2, geeft cellen van %3 x %4 pixels, en een cel moet in elke richting minstens 1 pixel zijn</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 ontbreekt of is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>de afbeelding is van een onbekend type (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>de afbeelding is te groot (%1 bytes, de grens is %2 bytes)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>de afbeelding is van een onbekend type (geen JPEG-afbeelding)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>de afbeelding is te groot (%1 x %2 pixels, de grens is %3 megapixels)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>de afbeelding is te groot (decoderen vraagt %1 MB, de grens is %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>de afbeelding is beschadigd (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>de afbeelding bevat meer gecodeerde gegevens dan de pixels kunnen gebruiken (meer dan %1 bytes voor %2 x %3 pixels)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>geen afbeelding, alleen tabellen</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>geen geheugen voor %1 x %2 pixels</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>de afbeelding heeft meer dan %1 scans, zoveel schrijft geen camera of programma; elke scan zou een doorgang over de hele afbeelding zijn</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>de afbeelding zou te lang duren om te decoderen: de scans gaan over meer dan %1 blokken van 8 x 8 pixels, elke scan opnieuw over de hele afbeelding</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>de afbeelding was niet meer nodig voordat ze gedecodeerd was</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>kan niet worden gedecodeerd (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>kan niet naar %1 worden gekopieerd</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>kan niet naar %1 worden omgezet</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>bestand bestaat niet</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>geen leesbaar afbeeldingsformaat</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>te groot (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Deze afbeelding is niet toegevoegd:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Deze afbeeldingen zijn niet toegevoegd:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Druk</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>SPATIE</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUZE</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>verder met P of pijl omhoog</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Over Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Een spel met vallende blokken waarin elk level een afbeelding onthult.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Geen afbeelding voor het beginscherm ingesteld!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Geen afbeelding voor de speelachtergrond ingesteld!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Geen afbeelding voor het eindscherm ingesteld!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Geen level ingesteld!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Afbeelding(en) openen</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>het is geen bestand.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>de naam is geen UTF-8-tekst, dus alleen een start met precies die naam opent het.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Het spel &quot;%1&quot; kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Spel opslaan?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Overschrijven bevestigen</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Bestaand spel overschrijven?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>&quot;EXE maken&quot; gebruikt het opgeslagen spelbestand: open of bewaar eerst een spel.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Kan het bestand Quarrybox.exe niet aanmaken!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Overschrijven bevestigen</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Het spelbestand</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>wordt overschreven.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>&quot;EXE maken&quot; heeft de runtime voor zelfstandige spellen nodig, die ontbreekt: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Fout bij schrijven naar schijf!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Het spel met de naam:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>is zojuist gemaakt!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Leeg spel</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Stoppen bevestigen</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Het huidige spel echt stoppen?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>&quot;%1&quot; is een spel gemaakt met &quot;EXE maken&quot;: het is een eigen programma. Start het om het te spelen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>&quot;%1&quot; is geen spel: het is een bestand van het soort &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Inactief]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pauze]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Afbeelding laden...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>de afbeelding kan niet in cellen worden verdeeld</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Level %1 van %2 kan niet worden getoond: %3. Het level wordt overgeslagen.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>De scores blijven bewaard tot het programma stopt, maar konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 kan niet worden geschreven, dus de scores worden alleen voor jou bewaard, in %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; de scores worden bewaard in %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; de scores gaan verloren: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Meegeleverd</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Je spellen</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lezen...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 level</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 levels</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, beste %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, nog geen score</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>Toets &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>Toetsen &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standaard</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Draaien (en een pauze hervatten)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Omlaag-toets</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Laten vallen</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Het spel of het volgende niveau starten</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pauzeren en hervatten</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Druk op de toets voor &quot;%1&quot; (Escape annuleert).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 is in de menu&apos;s gereserveerd voor &quot;%2&quot;: kies een andere toets.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 is al de toets voor &quot;%2&quot;: kies een andere toets of wis hem daar eerst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>&quot;%1&quot; heeft geen toets: voeg er een toe of kies Standaard.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Score: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Melding</translation>
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
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pijl omlaag</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Laten vallen</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Draaien (linksom)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Pijl omhoog (draairichting)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Rechtsom</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Linksom</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Bewegingsgeluid</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
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
        <translation>&amp;Snel vallen zolang ingedrukt</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Pijlen links en rechts</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Eén kolom per druk</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Glijden zolang ingedrukt</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Vertraging:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Ritme:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Laten zien waar het stuk landt</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>V&amp;olume:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Toetsen...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Geen levels ingesteld!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>zichtbaar</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Quarrybox-editor</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Afbeeldingen niet toegevoegd</translation>
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
        <source>Confirm Delete</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Het huidige level echt verwijderen?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Afbeelding van het huidige level verbergen tijdens het bewerken</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Afbeelding van het huidige level tonen tijdens het bewerken</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Raster %1 x %2, cellen van %3 x %4 pixels</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Afbeelding van het beginscherm</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Afbeelding van de speelachtergrond</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Afbeelding van het eindscherm</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Speelveld omlijnen</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Scoreveld omlijnen</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Volgende omlijnen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Uitrekken</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Nieuwe levels toevoegen</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Invoegen</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Levels voor het huidige invoegen</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Huidige level verwijderen</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Levels verplaatsen:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Huidige level een plaats naar achteren</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Huidige level een plaats naar voren</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Bladeren:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Eerste level</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Vorige level</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Volgende level</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Laatste level</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Huidige level  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Aantal levels:</translation>
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
        <translation>Raster kiezen</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>groot -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Levels, de laatste bovenaan: kies er een om te bewerken; sleep afbeeldingen hierheen om ze toe te voegen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Achtergronden</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Recent geopend</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Het spel &quot;%1&quot; is er niet meer. Uit de lijst verwijderen?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Ranglijst</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nieuwe topscore: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Typ je naam en druk op Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Hoogstens %1 letters of cijfers, alleen West-Europese letters.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Quarrybox-spellen</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Meer spellen voor Quarrybox vind je op %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Website bezoeken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Spel openen</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Spel opslaan als</translation>
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
        <translation>Gebruik: %1 [SPELBESTAND]
Speelt het spel met vallende blokken in SPELBESTAND (een .qbx-bestand of het file://-adres ervan),
anders het laatst gespeelde spel.

  -h, --help     deze hulp tonen en stoppen
  -v, --version  de versie tonen en stoppen
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: onbekende optie &quot;%2&quot;
Probeer &quot;%1 --help&quot;.
</translation>
    </message>
</context>
</TS>
