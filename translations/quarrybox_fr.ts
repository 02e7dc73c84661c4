<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>L&apos;image %1 ne peut pas être affichée&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1&#xa0;: lecture impossible (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1&#xa0;: écriture impossible (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1&#xa0;: lecture impossible</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1&#xa0;: écriture sur le disque impossible (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>échec de l&apos;écriture (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>ne peut pas être remplacé (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>ne peut pas être écrit (%1), et ses autres liens physiques empêchent de le remplacer</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>enregistrement impossible (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>impossible de remplacer le fichier (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>impossible d&apos;écrire le tableau des meilleurs scores à la position %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>écran de départ</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>fond de jeu</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>écran de fin de partie</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1&#xa0;: impossible d&apos;ouvrir le fichier (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1&#xa0;: la zone de la partie (position %2, taille %3) n&apos;est pas dans le fichier (taille du fichier %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>l&apos;image «&#xa0;%1&#xa0;» est d&apos;un type inconnu, %2 (1 pour JPEG, 2 pour BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>l&apos;image «&#xa0;%1&#xa0;» est trop grande (%2 octets, la limite est de %3 octets)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>le fichier est incomplet (tronqué)&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>impossible d&apos;atteindre la position %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>erreur de lecture à la position %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>fin de fichier inattendue</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>il est trop court pour un en-tête de partie (%1 octets nécessaires, taille du fichier %2)</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>la table des positions de %1 niveaux dépasse la fin du fichier (elle se termine à la position %2, taille du fichier %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>la position %1 du tableau des meilleurs scores tombe dans l&apos;en-tête (les entrées commencent à %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>le tableau des meilleurs scores dépasse la fin du fichier (position %1, longueur %2, taille du fichier %3)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>la position %2 de l&apos;entrée «&#xa0;%1&#xa0;» tombe dans l&apos;en-tête (les entrées commencent à %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>l&apos;en-tête de l&apos;entrée «&#xa0;%1&#xa0;» dépasse la fin du fichier (position %2, taille du fichier %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» dépasse la fin du fichier (position %2, longueur %3, taille du fichier %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1&#xa0;: impossible d&apos;écrire l&apos;image «&#xa0;%2&#xa0;» (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>une partie compte au plus %1 niveaux, celle-ci en a %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>l&apos;image «&#xa0;%1&#xa0;» est de type %2&#xa0;; seuls JPEG (1) et BMP (2) sont enregistrés</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>échec de l&apos;écriture à la position %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>impossible de lire l&apos;image «&#xa0;%1&#xa0;» %2 (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>l&apos;image «&#xa0;%1&#xa0;» %2 est trop grande (%3 octets)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>l&apos;image «&#xa0;%1&#xa0;» %2 n&apos;a pas pu être lue en entier (%3 octets sur %4&#xa0;: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>le fichier a raccourci</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>la partie dépasse 4 Gio, au-delà de ce que les positions peuvent atteindre</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>impossible de revenir à la table des positions (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (partie à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1&#xa0;: ce n&apos;est pas un tableau des meilleurs scores&#xa0;; le fichier est laissé tel quel</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1&#xa0;: ce n&apos;est pas un programme ELF 64 bits petit-boutiste</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1&#xa0;: sa table des sections est hors du fichier</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1&#xa0;: ne contient aucune partie</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1&#xa0;: son moteur d&apos;exécution est tronqué</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1&#xa0;: la partie n&apos;a pas pu y être réécrite</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1&#xa0;: impossible de créer le fichier (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1&#xa0;: échec de l&apos;écriture (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe pas (la partie a %2 niveaux)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1&#xa0;: il n&apos;y a pas de niveau %2</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>L&apos;image de titre ne peut pas être affichée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir une partie</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>&amp;Télécharger d&apos;autres parties</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Créer une partie</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Modifier la partie</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Créer un EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Enregistrer la partie &amp;sous</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Commencer la partie</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Arrêter la partie</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Son activé</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Double</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>T&amp;riple</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Parties...</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>ce n&apos;est pas une image BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>un en-tête BMP de %1 octets</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>son en-tête dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>%1 colour planes</source>
        <translation>%1 plans de couleur</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>%1 bits par pixel</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>compression BMP %1 à %2 bits par pixel</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>une taille de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>une palette de %1 entrées pour des pixels de %2 bits</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>sa palette ou ses pixels sont hors du fichier (données à la position %1, taille du fichier %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>ses pixels sont tronqués (%1 octets pour %2 x %3 pixels de %4 bits)</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>elle ne peut pas être encodée à l&apos;endroit</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>ne peut pas être remise à l&apos;endroit (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>ne peut pas être écrite dans %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>l&apos;image (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>sa grille est de %1, ce qui ne découpe aucune case</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 est plus petite que sa grille de cases de %2 pixels</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, découpée par sa grille de %2, donne des cases de %3 x %4 pixels, et une case doit faire au moins 1 pixel dans chaque sens</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 est absent ou n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>l&apos;image est d&apos;un type inconnu (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>l&apos;image est trop grande (%1 octets, la limite est de %2 octets)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>l&apos;image est d&apos;un type inconnu (ce n&apos;est pas une image JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>l&apos;image est trop grande (%1 x %2 pixels, la limite est de %3 mégapixels)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>l&apos;image est trop grande (le décodage demande %1 Mo, la limite est de %2 Mo)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>l&apos;image est endommagée (%1)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>pas d&apos;image, seulement des tables</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>son fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>pas assez de mémoire pour %1 x %2 pixels</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>l&apos;image a plus de %1 passes, ce qu&apos;aucun appareil photo ni programme n&apos;écrit&#xa0;; chacune serait un parcours de toute l&apos;image</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>l&apos;image n&apos;était plus demandée avant d&apos;être décodée</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>l&apos;image serait trop longue à décoder&#xa0;: ses passes parcourent plus de %1 blocs de 8 x 8 pixels, chaque passe reprenant toute l&apos;image</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>l&apos;image contient plus de données codées que ses pixels ne peuvent en utiliser (plus de %1 octets pour %2 x %3 pixels)</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>format d&apos;image illisible</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>ne peut pas être copiée dans %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>ne peut pas être convertie dans %1</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Cette image n&apos;a pas été ajoutée&#xa0;:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Ces images n&apos;ont pas été ajoutées&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Appuyez</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>ESPACE</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>reprendre : P ou flèche haut</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>À propos de Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Un jeu de blocs qui tombent où chaque niveau dévoile une image.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Aucune image de départ définie&#xa0;!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Aucune image de fond de jeu définie&#xa0;!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Aucune image de fin de partie définie&#xa0;!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Aucun niveau défini&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Ouvrir des images</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>«&#xa0;%1&#xa0;» est un jeu fait avec «&#xa0;Créer un EXE&#xa0;»&#xa0;: c&apos;est un programme à part entière. Lancez-le pour y jouer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un jeu&#xa0;: c&apos;est un fichier de type «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Enregistrer la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Confirmer le remplacement</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Remplacer la partie existante&#xa0;?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>«&#xa0;Créer un EXE&#xa0;» utilise le fichier enregistré de la partie&#xa0;: ouvrez ou enregistrez d&apos;abord une partie.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Impossible de créer le fichier Quarrybox.exe&#xa0;!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Confirmer le remplacement</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Le fichier de jeu</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>sera remplacé.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>«&#xa0;Créer un EXE&#xa0;» a besoin de l&apos;environnement des jeux autonomes, qui manque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Erreur d&apos;écriture sur le disque&#xa0;!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Le jeu nommé&#xa0;:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>vient d&apos;être créé&#xa0;!</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>son nom n&apos;est pas du texte UTF-8&#xa0;; seul un lancement avec ce nom l&apos;ouvre.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>La partie «&#xa0;%1&#xa0;» ne peut pas être ouverte&#xa0;: %2</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Partie vide</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Absent]</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>son image ne peut pas être découpée en cases</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Le niveau %1 de %2 ne peut pas être affiché&#xa0;: %3. Le niveau est sauté.</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Pause]</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Confirmer l&apos;arrêt</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Arrêter vraiment la partie en cours&#xa0;?!</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Chargement de l&apos;image...</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Les meilleurs scores sont gardés jusqu&apos;à la fin du programme, mais n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>%1 ne peut pas être modifié&#xa0;: ses meilleurs scores sont donc gardés pour vous seul, dans %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1&#xa0;; les meilleurs scores sont gardés dans %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1&#xa0;; les meilleurs scores sont perdus&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Fournie</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Vos parties</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Récente</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 niveau</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 niveaux</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, record %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, pas encore de score</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Ajouter une touche</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Effacer les touches</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Tourner (et reprendre après une pause)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Touche Bas</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Faire tomber</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Lancer la partie ou le niveau suivant</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Pause et reprise</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Appuyez sur la touche pour « %1 » (Échap annule).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 est réservée à « %2 » dans les menus : choisissez une autre touche.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 est déjà la touche de « %2 » : choisissez une autre touche, ou effacez-la d&apos;abord là-bas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>« %1 » n&apos;a pas de touche : ajoutez-en une, ou choisissez Par défaut.</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Score&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Message</translation>
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
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Faire tomber</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Tourner (antihoraire)</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Flèche haut (sens de rotation)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>Sens horaire</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Sens antihoraire</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Son des mouvements</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
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
        <translation>&amp;Tomber vite tant qu&apos;elle est enfoncée</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Flèches gauche et droite</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Une colonne par appui</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Glisser tant qu&apos;elle est enfoncée</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Délai :</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Cadence :</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Montrer où la pièce va atterrir</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>T&amp;ouches...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Aucun niveau défini&#xa0;!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>visible</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>masqué</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Éditeur Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Images non ajoutées</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Supprimer vraiment le niveau actuel&#xa0;?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Masquer l&apos;image du niveau actuel pendant l&apos;édition</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Afficher l&apos;image du niveau actuel pendant l&apos;édition</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Grille %1 x %2, cases de %3 x %4 pixels</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Habillages</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Image de l&apos;écran de départ</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Image du fond de jeu</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Image de fin de partie</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Cadre du jeu</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Cadre du score</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Cadre suivant</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Ajouter des niveaux</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Insérer des niveaux avant l&apos;actuel</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Supprimer le niveau actuel</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Réordonner&#xa0;:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Reculer le niveau actuel d&apos;une place</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Avancer le niveau actuel d&apos;une place</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Parcourir&#xa0;:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Premier niveau</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Niveau précédent</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Niveau suivant</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Dernier niveau</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Niveau actuel  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Nombre de niveaux&#xa0;:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Grille&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- petites</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Choisir la grille</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>grandes -&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Niveau %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Niveaux, le dernier en haut&#xa0;: choisissez-en un pour le modifier&#xa0;; déposez des images ici pour les ajouter</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>La partie «&#xa0;%1&#xa0;» n&apos;existe plus. La retirer de la liste&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nouveau record : %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Tapez votre nom puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>Jusqu&apos;à %1 lettres ou chiffres, lettres d&apos;Europe de l&apos;Ouest seulement.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Parties Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>D&apos;autres parties pour Quarrybox vous attendent sur %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visiter le site</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Partie Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Enregistrer la partie sous</translation>
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
        <translation>Utilisation&#xa0;: %1 [FICHIER DE JEU]
Joue au jeu de blocs qui tombent de FICHIER DE JEU (un fichier .qbx ou son adresse file://),
sinon au dernier jeu joué.

  -h, --help     affiche cette aide et termine
  -v, --version  affiche la version et termine
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1&#xa0;: option inconnue «&#xa0;%2&#xa0;»
Essayez «&#xa0;%1 --help&#xa0;».
</translation>
    </message>
</context>
</TS>
