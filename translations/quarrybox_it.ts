<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Impossibile mostrare l&apos;immagine %1: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: impossibile leggere (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: impossibile scrivere (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: impossibile leggere</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: impossibile scrivere sul disco (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>scrittura non riuscita (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>impossibile sostituirlo (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>impossibile scriverlo (%1), e gli altri collegamenti al file impediscono di sostituirlo</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>impossibile scriverlo (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>impossibile salvare (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>impossibile sostituire il file (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>impossibile scrivere la classifica alla posizione %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>schermata iniziale</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>sfondo di gioco</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>schermata di fine partita</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>livello %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: non è un file normale</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: impossibile aprire il file (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: l&apos;area del gioco (posizione %2, dimensione %3) non è all&apos;interno del file (dimensione del file %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>l&apos;immagine «%1» ha un tipo sconosciuto %2 (1 è JPEG, 2 è BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>l&apos;immagine «%1» è troppo grande (%2 byte, il limite è %3 byte)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>il file è incompleto (troncato): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>impossibile raggiungere la posizione %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>errore di lettura alla posizione %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>fine del file inattesa</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>la tabella delle posizioni di %1 livelli va oltre la fine del file (finisce alla posizione %2, dimensione del file %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>la posizione %1 della classifica punta dentro l&apos;intestazione (i record iniziano a %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>la classifica va oltre la fine del file (posizione %1, lunghezza %2, dimensione del file %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>è troppo corto per un&apos;intestazione di gioco (servono %1 byte, dimensione del file %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>la posizione %2 del record «%1» punta dentro l&apos;intestazione (i record iniziano a %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>l&apos;intestazione del record «%1» va oltre la fine del file (posizione %2, dimensione del file %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>il record «%1» va oltre la fine del file (posizione %2, lunghezza %3, dimensione del file %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>il record «%1» va oltre la fine del file</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: impossibile scrivere l&apos;immagine «%2» (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>un gioco contiene al massimo %1 livelli, questo ne ha %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>l&apos;immagine «%1» è di tipo %2; si salvano solo JPEG (1) e BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>scrittura non riuscita alla posizione %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>impossibile leggere l&apos;immagine «%1» (%2) (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>l&apos;immagine «%1» (%2) è troppo grande (%3 byte)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>l&apos;immagine «%1» (%2) non si è potuta leggere per intero (%3 di %4 byte: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>il file è diventato più corto</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>il gioco supera i 4 GiB, oltre la portata delle posizioni</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>impossibile tornare alla tabella delle posizioni (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (gioco dal byte %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: non è una classifica; il file resta com&apos;è</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: non è un programma ELF a 64 bit little-endian</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: la tabella delle sezioni è fuori dal file</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: non contiene alcun gioco</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: l&apos;ambiente di esecuzione è troncato</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: impossibile riscrivere il gioco</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: impossibile creare il file (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: scrittura non riuscita (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>«%1» non esiste (il gioco ha %2 livelli)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: il livello %2 non esiste</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Impossibile mostrare l&apos;immagine del titolo: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Apri gioco</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Giochi...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Scarica altri giochi</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Crea gioco</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Modifica gioco</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Crea EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Sal&amp;va gioco</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Salva gioco con &amp;nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Avvia partita</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Interrompi partita</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Suono attivo</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Dimensioni</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Quarrybox</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Doppia</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Tripla</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 piani di colore</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bit per pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>compressione BMP %1 a %2 bit per pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>una dimensione di %1 x %2 pixel</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>una tavolozza di %1 voci per pixel a %2 bit</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>la tavolozza o i dati dei pixel sono fuori dal file (dati alla posizione %1, dimensione del file %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>i dati dei pixel sono troncati (%1 byte per %2 x %3 pixel a %4 bit)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>non è un&apos;immagine BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>un&apos;intestazione BMP di %1 byte</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>l&apos;intestazione va oltre la fine</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>impossibile leggere il suo file</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>non si può codificare diritta</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>impossibile leggerla (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>impossibile raddrizzarla (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>impossibile scriverla in %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>l&apos;immagine (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>la griglia misura %1, e non ne risulta alcuna cella</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 è più piccola della sua griglia di celle da %2 pixel</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1 divisa dalla griglia di %2 dà celle di %3 x %4 pixel, e una cella deve misurare almeno 1 pixel per lato</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 manca o non è un file normale</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>l&apos;immagine è di un tipo sconosciuto (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>l&apos;immagine è troppo grande (%1 byte, il limite è %2 byte)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>l&apos;immagine è di un tipo sconosciuto (non è un JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>l&apos;immagine è troppo grande (%1 x %2 pixel, il limite è %3 megapixel)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>l&apos;immagine è troppo grande (la decodifica richiede %1 MB, il limite è %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>l&apos;immagine è danneggiata (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>l&apos;immagine contiene più dati codificati di quanti i suoi pixel possano usare (più di %1 byte per %2 x %3 pixel)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>nessuna immagine, solo tabelle</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>memoria insufficiente per %1 x %2 pixel</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>l&apos;immagine ha più di %1 scansioni, quante nessuna fotocamera o programma ne scrive; ognuna sarebbe un passaggio sull&apos;intera immagine</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>l&apos;immagine richiederebbe troppo tempo per la decodifica: le sue scansioni passano su più di %1 blocchi di 8 x 8 pixel, ognuna di nuovo sull&apos;intera immagine</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>l&apos;immagine non serviva più prima di essere decodificata</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>impossibile decodificarla (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>impossibile copiarla in %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>impossibile convertirla in %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>formato di immagine non leggibile</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>troppo grande (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Questa immagine non è stata aggiunta:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Queste immagini non sono state aggiunte:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Premi</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>SPAZIO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>P o freccia su per riprendere</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Informazioni su Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Un gioco di blocchi che cadono in cui ogni livello scopre un&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Nessuna immagine definita per la schermata iniziale!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Nessuna immagine definita per lo sfondo di gioco!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Nessuna immagine definita per la fine partita!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Nessun livello definito!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Apri immagini</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>non è un file.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>il suo nome non è testo UTF-8, quindi lo apre solo un avvio con quel nome.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>il file non esiste.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossibile aprire il gioco «%1»: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Salvare il gioco?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Conferma sovrascrittura</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Sovrascrivere il gioco esistente?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>«Crea EXE» usa il file di gioco salvato: prima apri o salva un gioco.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Impossibile creare il file Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Conferma sovrascrittura</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Il file di gioco</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>sarà sovrascritto.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>«Crea EXE» richiede l&apos;ambiente per giochi autonomi, che manca: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Errore di scrittura sul disco!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Il gioco con il nome:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>è stato appena creato!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Gioco vuoto</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Conferma interruzione</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Interrompere davvero la partita in corso?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>«%1» è un gioco fatto con «Crea EXE»: è un programma a sé. Avvialo per giocarci.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>«%1» non è un gioco: è un file di tipo «%2».</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Inattivo]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pausa]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Caricamento immagine...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>l&apos;immagine non si può dividere in celle</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Impossibile mostrare il livello %1 di %2: %3. Il livello viene saltato.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>La classifica resta fino alla chiusura del programma, ma non è stato possibile salvarla: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>Impossibile scrivere %1, quindi la sua classifica è conservata solo per te, in %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; la classifica è conservata in %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; la classifica è andata persa: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Installati</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>I tuoi giochi</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lettura...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 livello</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 livelli</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, record %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, ancora nessun punteggio</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Aggiungi tasto</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Cancella tasti</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predefiniti</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Ruota (e riprendi da una pausa)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Tasto giù</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Lascia cadere</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Avvia la partita o il livello successivo</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pausa e ripresa</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Premi il tasto per «%1» (Esc annulla).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 è riservato a «%2» nei menu: scegli un altro tasto.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 è già il tasto di «%2»: scegli un altro tasto o prima cancellalo lì.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>«%1» non ha tasti: aggiungine uno o scegli Predefiniti.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Punti: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Messaggio</translation>
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
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Lascia cadere</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Ruota (antiorario)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Freccia su (senso di rotazione)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Senso orario</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Senso antiorario</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Suono del movimento</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefiniti</translation>
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
        <translation>&amp;Cadi veloce finché premuto</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Frecce sinistra e destra</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Una colonna per pressione</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Scorri finché premuto</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Ritardo:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Intervallo:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Mostra dove atterrerà il pezzo</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Tasti...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Nessun livello definito!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>visibile</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>nascosta</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Editor di Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Immagini non aggiunte</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Livello %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Eliminare davvero il livello corrente?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Nascondi l&apos;immagine del livello corrente durante la modifica</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Mostra l&apos;immagine del livello corrente durante la modifica</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Griglia %1 x %2, celle di %3 x %4 pixel</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Immagine della schermata iniziale</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Immagine dello sfondo di gioco</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Immagine di fine partita</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Riquadra il campo di gioco</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Riquadra il punteggio</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Riquadra il prossimo</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Aggiungi nuovi livelli</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Inserisci livelli prima del corrente</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Elimina il livello corrente</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Riordina livelli:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Sposta il livello corrente di un posto più avanti</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Su</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Sposta il livello corrente di un posto più indietro</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Sfoglia:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Primo livello</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Livello precedente</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Livello successivo</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Ultimo livello</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Livello corrente  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Numero di livelli:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Griglia:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- piccola</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Scegli griglia</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>grande -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Livelli, l&apos;ultimo in alto: scegline uno per modificarlo; trascina qui le immagini per aggiungerle</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Sfondi</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Il gioco «%1» non c&apos;è più. Toglierlo dall&apos;elenco?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuovo record: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Scrivi il tuo nome e premi Invio.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Fino a %1 lettere o cifre, solo lettere dell&apos;Europa occidentale.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Giochi per Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Altri giochi per Quarrybox ti aspettano su %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visita il sito</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Gioco di Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Apri gioco</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Salva gioco con nome</translation>
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
        <translation>Uso: %1 [FILE DI GIOCO]
Gioca il gioco di blocchi che cadono in FILE DI GIOCO (un file .qbx o il suo indirizzo file://),
altrimenti l&apos;ultimo gioco giocato.

  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: opzione sconosciuta «%2»
Prova «%1 --help».
</translation>
    </message>
</context>
</TS>
