#pragma once
// The picture painters, one group per file, each writing its files into the asset folder.

#include <QStringList>

class TAssetFolder;

// Embedded in the program: Parts.bmp, Figure.bmp, Small.bmp, PressSP.png, PauseL.png.
void WriteBuiltinPictures(TAssetFolder &folder);
// PressSP.<language>.png and PauseL.<language>.png for each compiled translation
// (quarrybox_<language>.qm), and translated_pictures.qrc, which embeds them.
void WriteTranslatedPictures(TAssetFolder &folder, const QStringList &catalogues);
// quarrybox.png, quarrybox1.ico and the hicolor theme icons under icons/hicolor/.
void WriteIconPictures(TAssetFolder &folder);
// The default game's skins (StartSkin.jpg, PlayingSkin.jpg, GameOverSkin.jpg) and MidPic.jpg.
void WriteSkinPictures(TAssetFolder &folder);
// The default game's level pictures.
void WriteLevelPictures(TAssetFolder &folder);
