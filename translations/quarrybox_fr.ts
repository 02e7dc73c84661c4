<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>L&apos;image %1 ne peut pas être affichée : %2.</translation>
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
        <translation>Cette image n&apos;a pas été ajoutée :</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Ces images n&apos;ont pas été ajoutées :</translation>
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
        <translation>Aucune image de départ définie !</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Aucune image de fond de jeu définie !</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Aucune image de fin de partie définie !</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Aucun niveau défini !</translation>
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
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Score : </translation>
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
        <source>Original Tetris Movement</source>
        <translation>Déplacement Tetris d&apos;origine</translation>
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
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Aucun niveau défini !</translation>
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
        <translation>Supprimer vraiment le niveau actuel ?!</translation>
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
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Show</source>
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
        <translation>Ordre :</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Reculer le niveau actuel d&apos;une place</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Avancer le niveau actuel d&apos;une place</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Parcourir :</translation>
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
        <translation>Actuel  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Nombre de niveaux :</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Grille :</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- petit</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Choisir la grille</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>grand -&gt;</translation>
    </message>
    <message>
        <source>Levels in play order: choose one to edit it; drop pictures here to add them</source>
        <translation>Niveaux dans l&apos;ordre du jeu : choisissez-en un pour le modifier ; déposez des images ici pour les ajouter</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
</TS>
