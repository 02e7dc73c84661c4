<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>La imagen %1 no se puede mostrar: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: no se puede escribir en el disco (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>error de escritura (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>no se puede reemplazar (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>no se puede escribir (%1), y sus otros enlaces duros impiden reemplazarlo</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>no se puede guardar (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>no se puede reemplazar el archivo (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>no se puede escribir la tabla de récords en la posición %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>pantalla inicial</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>fondo de juego</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>pantalla de fin de juego</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nivel %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: no se puede abrir el archivo (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: la zona del juego (posición %2, tamaño %3) no está dentro del archivo (tamaño del archivo %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>la imagen «%1» tiene un tipo desconocido, %2 (1 es JPEG, 2 es BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>la imagen «%1» es demasiado grande (%2 bytes, el límite es %3 bytes)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>el archivo está incompleto (cortado): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>no se puede ir a la posición %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>error de lectura en la posición %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>fin de archivo inesperado</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>es demasiado corto para una cabecera de juego (se necesitan %1 bytes, tamaño del archivo %2)</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>la tabla de posiciones de %1 niveles pasa del final del archivo (termina en la posición %2, tamaño del archivo %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>la posición %1 de la tabla de récords cae dentro de la cabecera (los registros empiezan en %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>la tabla de récords pasa del final del archivo (posición %1, longitud %2, tamaño del archivo %3)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>la posición %2 del registro «%1» cae dentro de la cabecera (los registros empiezan en %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>la cabecera del registro «%1» pasa del final del archivo (posición %2, tamaño del archivo %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>el registro «%1» pasa del final del archivo (posición %2, longitud %3, tamaño del archivo %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>el registro «%1» pasa del final del archivo</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: no se puede escribir la imagen «%2» (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>un juego tiene como máximo %1 niveles, y este tiene %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>la imagen «%1» es de tipo %2; solo se guardan JPEG (1) y BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>error de escritura en la posición %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>no se puede leer la imagen «%1» %2 (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>la imagen «%1» %2 es demasiado grande (%3 bytes)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>la imagen «%1» %2 no se pudo leer entera (%3 de %4 bytes: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>el archivo se ha acortado</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>el juego ocupa más de 4 GiB, hasta donde no llegan las posiciones</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>no se puede volver a la tabla de posiciones (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (juego en el byte %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: no es una tabla de récords; se deja como está</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: no es un programa ELF de 64 bits little-endian</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: su tabla de secciones está fuera del archivo</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: no lleva ningún juego</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: su entorno de ejecución está cortado</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: no se pudo volver a escribir el juego</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: no se puede crear el archivo (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: error de escritura (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>no existe «%1» (el juego tiene %2 niveles)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: no existe el nivel %2</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>No se puede mostrar la imagen del título: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir juego</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Descargar más juegos</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Crear juego</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Editar juego</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Crear EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar juego</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Guardar juego c&amp;omo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar juego</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Detener juego</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Sonido activado</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Doble</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Triple</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Juegos...</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>no es una imagen BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>una cabecera BMP de %1 bytes</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>su cabecera pasa del final del archivo</translation>
    </message>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 planos de color</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bits por píxel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>compresión BMP %1 con %2 bits por píxel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>un tamaño de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>una tabla de colores de %1 entradas para píxeles de %2 bits</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>su tabla de colores o sus píxeles están fuera del archivo (datos en la posición %1, tamaño del archivo %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>sus píxeles están cortados (%1 bytes para %2 x %3 píxeles de %4 bits)</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>no se puede codificar en su orientación correcta</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>no se puede girar a su orientación correcta (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>no se puede escribir en %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>la imagen (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>su cuadrícula es de %1, que no forma ninguna celda</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 es más pequeña que su cuadrícula de celdas de %2 píxeles</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, dividida por su cuadrícula de %2, da celdas de %3 x %4 píxeles, y una celda debe medir al menos 1 píxel en cada sentido</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 no existe o no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>la imagen es de un tipo desconocido (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>la imagen es demasiado grande (%1 bytes, el límite es %2 bytes)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>la imagen es de un tipo desconocido (no es una imagen JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles, el límite es %3 megapíxeles)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>la imagen es demasiado grande (decodificarla necesita %1 MB, el límite es %2 MB)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>la imagen está dañada (%1)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>no hay imagen, solo tablas</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>no se pudo leer su archivo</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>no hay memoria para %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>la imagen tiene más de %1 pasadas, algo que ninguna cámara ni programa escribe; cada una sería un recorrido por toda la imagen</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>la imagen dejó de necesitarse antes de decodificarse</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>la imagen tardaría demasiado en decodificarse: sus pasadas recorren más de %1 bloques de 8 x 8 píxeles, cada pasada de nuevo por toda la imagen</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>la imagen contiene más datos codificados de los que sus píxeles pueden usar (más de %1 bytes para %2 x %3 píxeles)</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>no es un formato de imagen legible</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>demasiado grande (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>no se puede decodificar (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>no se puede copiar en %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>no se puede convertir en %1</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Esta imagen no se ha añadido:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Estas imágenes no se han añadido:</translation>
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
        <translation>Pulse</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>ESPACIO</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>pulse P o flecha arriba para seguir</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>Acerca de Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Un juego de bloques que caen en el que cada nivel descubre una imagen.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>¡No se ha definido la imagen inicial!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>¡No se ha definido la imagen del fondo de juego!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>¡No se ha definido la imagen de fin de juego!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>¡No se ha definido ningún nivel!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Abrir imágenes</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>«%1» es un juego hecho con «Crear EXE»: es un programa propio. Ejecútelo para jugarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>«%1» no es un juego: es un archivo del tipo «%2».</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>¿Guardar el juego?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Confirmar sobrescritura</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>¿Sobrescribir el juego existente?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>«Crear EXE» usa el archivo guardado del juego: abra o guarde primero un juego.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>¡No se puede crear el archivo Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Confirmar sobrescritura</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>El archivo de juego</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>se sobrescribirá.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>«Crear EXE» necesita el entorno de los juegos independientes, que falta: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>¡Error de escritura en el disco!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>El juego con el nombre:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>¡se acaba de crear!</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>no es un archivo.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>su nombre no es texto UTF-8; solo un inicio con ese nombre lo abre.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>no existe ese archivo.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>No se puede abrir el juego «%1»: %2</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Juego vacío</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Ausente]</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>su imagen no se puede dividir en celdas</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>El nivel %1 de %2 no se puede mostrar: %3. Se salta el nivel.</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pausa]</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Confirmar detención</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>¿¡Detener de verdad el juego actual!?</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Cargando la imagen...</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Los récords se conservan hasta que termine el programa, pero no se pudieron guardar: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 no se puede escribir, así que sus récords se guardan solo para usted, en %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; los récords se guardan en %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; los récords se han perdido: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Incluido</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Sus juegos</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Reciente</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 nivel</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 niveles</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, récord %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, aún sin puntuación</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Añadir tecla</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Borrar teclas</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Girar (y reanudar una pausa)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Tecla abajo</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Dejar caer</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Empezar la partida o el siguiente nivel</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pausar y reanudar</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Pulse la tecla para «%1» (Escape cancela).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 está reservada para «%2» en los menús: elija otra tecla.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 ya es la tecla de «%2»: elija otra tecla o bórrela allí primero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>«%1» no tiene tecla: añada una o elija Predeterminado.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Puntos: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Dejar caer</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Girar (antihorario)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Flecha arriba (sentido de giro)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Antihorario</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Sonido de movimiento</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>&amp;Caer rápido mientras se mantiene</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Flechas izquierda y derecha</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Una columna por pulsación</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Deslizar mientras se mantiene</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Retardo:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Intervalo:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Mostrar dónde caerá la pieza</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Teclas...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>¡No hay niveles definidos!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>visible</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>oculto</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Editor de Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Imágenes no añadidas</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>¿¡Eliminar de verdad el nivel actual!?</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Ocultar la imagen del nivel actual durante la edición</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Mostrar la imagen del nivel actual durante la edición</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Cuadrícula %1 x %2, celdas de %3 x %4 píxeles</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Fondos</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Imagen de la pantalla inicial</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Imagen del fondo de juego</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Imagen de fin de juego</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Marco del juego</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Marco de puntos</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Marco siguiente</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Añadir niveles nuevos</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Insertar niveles antes del actual</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Eliminar el nivel actual</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Reordenar niveles:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Mover el nivel actual un puesto abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Mover el nivel actual un puesto arriba</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Navegar:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Primer nivel</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Nivel anterior</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Nivel siguiente</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Último nivel</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Nivel actual  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Número de niveles:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Rejilla:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- fina</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Elegir la cuadrícula</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>gruesa -&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Nivel %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Niveles, el último arriba: elija uno para editarlo; suelte imágenes aquí para añadirlas</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>El juego «%1» ya no existe. ¿Quitarlo de la lista?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuevo récord: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Escriba su nombre y pulse Intro.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Hasta %1 letras o cifras, solo letras de Europa occidental.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Juegos de Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Hay más juegos para Quarrybox en %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visitar el sitio web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Juego de Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir juego</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Guardar juego como</translation>
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
        <translation>Uso: %1 [ARCHIVO DE JUEGO]
Juega al juego de bloques que caen de ARCHIVO DE JUEGO (un archivo .qbx o su dirección file://),
o, si no, al último juego jugado.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: opción desconocida «%2»
Pruebe «%1 --help».
</translation>
    </message>
</context>
</TS>
