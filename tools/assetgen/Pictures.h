#pragma once
// The picture painters, one group per file, each writing its files into the asset folder.

class TAssetFolder;

// Embedded in the program: Parts.bmp, Figure.bmp, Small.bmp, PressSP.png, PauseL.png.
void WriteBuiltinPictures(TAssetFolder &folder);
// quarrybox.png, quarrybox1.ico and the hicolor theme icons under icons/hicolor/.
void WriteIconPictures(TAssetFolder &folder);
// The default game's skins (StartSkin.jpg, PlayingSkin.jpg, GameOverSkin.jpg) and MidPic.jpg.
void WriteSkinPictures(TAssetFolder &folder);
// The default game's level pictures.
void WriteLevelPictures(TAssetFolder &folder);
