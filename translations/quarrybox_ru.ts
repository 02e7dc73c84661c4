<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BuilderPreview</name>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Изображение %1 нельзя показать: %2.</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: не удаётся прочитать (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: не удаётся записать (%2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1: cannot be synced (%2)</source>
        <translation>%1: не удаётся сохранить на диск (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A game file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>не удаётся записать %1 (%2)</translation>
    </message>
    <message>
        <source>write failed (%1)</source>
        <translation>ошибка записи (%1)</translation>
    </message>
    <message>
        <source>cannot be replaced (%1)</source>
        <translation>не удаётся заменить (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1), and its other links keep it from being replaced</source>
        <translation>не удаётся записать (%1), а другие жёсткие ссылки на файл не дают его заменить</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>не удаётся записать (%1)</translation>
    </message>
    <message>
        <source>cannot save (%1)</source>
        <translation>не удаётся сохранить (%1)</translation>
    </message>
    <message>
        <source>cannot replace the file (%1)</source>
        <translation>не удаётся заменить файл (%1)</translation>
    </message>
    <message>
        <source>cannot write the high-score table at offset %1 (%2)</source>
        <translation>не удаётся записать таблицу рекордов по смещению %1 (%2)</translation>
    </message>
    <message>
        <source>start skin</source>
        <extracomment>A part of a game file, named in &quot;the %1 picture&quot;, &quot;%1 record&quot; and &quot;there is no %1&quot;</extracomment>
        <translation>стартовый экран</translation>
    </message>
    <message>
        <source>playing skin</source>
        <translation>игровой фон</translation>
    </message>
    <message>
        <source>game-over skin</source>
        <translation>экран конца игры</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>уровень %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: не обычный файл</translation>
    </message>
    <message>
        <source>%1: cannot open the file (%2)</source>
        <translation>%1: не удаётся открыть файл (%2)</translation>
    </message>
    <message>
        <source>%1: the game range (offset %2, size %3) is not inside the file (file size %4)</source>
        <translation>%1: область игры (смещение %2, размер %3) лежит за пределами файла (размер файла %4)</translation>
    </message>
    <message>
        <source>the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)</source>
        <translation>изображение «%1» имеет неизвестный тип %2 (1 — JPEG, 2 — BMP)</translation>
    </message>
    <message>
        <source>the %1 picture is too big (%2 bytes, the limit is %3 bytes)</source>
        <translation>изображение «%1» слишком велико (%2 байт, предел — %3 байт)</translation>
    </message>
    <message>
        <source>the file is incomplete (cut short): %1</source>
        <translation>файл неполный (обрезан): %1</translation>
    </message>
    <message>
        <source>cannot seek to offset %1 (%2)</source>
        <translation>не удаётся перейти к смещению %1 (%2)</translation>
    </message>
    <message>
        <source>read error at offset %1 (%2)</source>
        <translation>ошибка чтения по смещению %1 (%2)</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>неожиданный конец файла</translation>
    </message>
    <message>
        <source>the offset table of %1 levels runs past the end of the file (it ends at offset %2, file size %3)</source>
        <translation>таблица смещений уровней (всего %1) выходит за конец файла (она кончается на смещении %2, размер файла %3)</translation>
    </message>
    <message>
        <source>the high-score table offset %1 points into the header (records start at %2)</source>
        <translation>смещение таблицы рекордов %1 указывает внутрь заголовка (записи начинаются с %2)</translation>
    </message>
    <message>
        <source>the high-score table runs past the end of the file (offset %1, length %2, file size %3)</source>
        <translation>таблица рекордов выходит за конец файла (смещение %1, длина %2, размер файла %3)</translation>
    </message>
    <message>
        <source>it is too short for a game header (%1 bytes needed, file size %2)</source>
        <translation>он слишком короткий для заголовка игры (нужно %1 байт, размер файла %2)</translation>
    </message>
    <message>
        <source>%1 record offset %2 points into the header (records start at %3)</source>
        <translation>смещение %2 записи «%1» указывает внутрь заголовка (записи начинаются с %3)</translation>
    </message>
    <message>
        <source>%1 record header runs past the end of the file (offset %2, file size %3)</source>
        <translation>заголовок записи «%1» выходит за конец файла (смещение %2, размер файла %3)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file (offset %2, length %3, file size %4)</source>
        <translation>запись «%1» выходит за конец файла (смещение %2, длина %3, размер файла %4)</translation>
    </message>
    <message>
        <source>%1 record runs past the end of the file</source>
        <translation>запись «%1» выходит за конец файла</translation>
    </message>
    <message>
        <source>%1: cannot write the %2 picture (%3)</source>
        <translation>%1: не удаётся записать изображение «%2» (%3)</translation>
    </message>
    <message>
        <source>a game holds at most %1 levels, this one has %2</source>
        <translation>наибольшее число уровней в игре — %1, а в этой — %2</translation>
    </message>
    <message>
        <source>the %1 picture has type %2; only JPEG (1) and BMP (2) are stored</source>
        <translation>изображение «%1» имеет тип %2; сохраняются только JPEG (1) и BMP (2)</translation>
    </message>
    <message>
        <source>write failed at offset %1 (%2)</source>
        <translation>ошибка записи по смещению %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the %1 picture %2 (%3)</source>
        <translation>не удаётся прочитать изображение «%1» (%2) (%3)</translation>
    </message>
    <message>
        <source>the %1 picture %2 is too large (%3 bytes)</source>
        <translation>изображение «%1» (%2) слишком велико (%3 байт)</translation>
    </message>
    <message>
        <source>the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)</source>
        <translation>изображение «%1» (%2) прочитано не полностью (%3 из %4 байт: %5)</translation>
    </message>
    <message>
        <source>it became shorter</source>
        <translation>файл стал короче</translation>
    </message>
    <message>
        <source>the game is larger than 4 GiB, which offsets cannot reach</source>
        <translation>игра больше 4 ГиБ, смещения так далеко не достают</translation>
    </message>
    <message>
        <source>cannot seek back to the offset table (%1)</source>
        <translation>не удаётся вернуться к таблице смещений (%1)</translation>
    </message>
    <message>
        <source>%1 (game at byte %2)</source>
        <extracomment>A stand-alone game: the program&apos;s file name, and the byte of it where the game starts</extracomment>
        <translation>%1 (игра с байта %2)</translation>
    </message>
    <message>
        <source>%1: is not a high-score table; it is left as it is</source>
        <translation>%1: это не таблица рекордов; файл оставлен как есть</translation>
    </message>
    <message>
        <source>%1: not a 64-bit little-endian ELF program</source>
        <translation>%1: не 64-битная программа ELF (little-endian)</translation>
    </message>
    <message>
        <source>%1: its section table lies outside the file</source>
        <translation>%1: таблица секций лежит за пределами файла</translation>
    </message>
    <message>
        <source>%1: carries no game</source>
        <translation>%1: не содержит игры</translation>
    </message>
    <message>
        <source>%1: its runtime is cut short</source>
        <translation>%1: среда выполнения обрезана</translation>
    </message>
    <message>
        <source>%1: the game could not be written back</source>
        <translation>%1: не удалось записать игру обратно</translation>
    </message>
    <message>
        <source>%1: cannot create the file (%2)</source>
        <translation>%1: не удаётся создать файл (%2)</translation>
    </message>
    <message>
        <source>%1: write failed (%2)</source>
        <translation>%1: ошибка записи (%2)</translation>
    </message>
    <message>
        <source>there is no %1 (the game has %2 levels)</source>
        <translation>«%1» нет (уровней в игре: %2)</translation>
    </message>
    <message>
        <source>%1: there is no level %2</source>
        <translation>%1: уровня %2 нет</translation>
    </message>
</context>
<context>
    <name>GameThumbnail</name>
    <message>
        <source>The title picture cannot be shown: %1</source>
        <translation>Титульное изображение нельзя показать: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Открыть игру</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Открыть &amp;недавнюю</translation>
    </message>
    <message>
        <source>G&amp;ames...</source>
        <translation>&amp;Игры...</translation>
    </message>
    <message>
        <source>&amp;Download More Games</source>
        <translation>Ска&amp;чать ещё игры</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Создать игру</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Редактировать игру</translation>
    </message>
    <message>
        <source>Make EXE</source>
        <translation>Создать EXE</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Со&amp;хранить игру</translation>
    </message>
    <message>
        <source>Save &amp;Game As</source>
        <translation>Сохранить игру &amp;как</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Начать игру</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Stop &amp;Game</source>
        <translation>&amp;Остановить игру</translation>
    </message>
    <message>
        <source>S&amp;core</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Sound On</source>
        <translation>&amp;Звук включён</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help &amp;Topic</source>
        <translation>&amp;Темы справки</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Обычный</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Двойной</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>&amp;Тройной</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Во весь экран</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 colour planes</source>
        <translation>цветовых плоскостей: %1</translation>
    </message>
    <message>
        <source>%1 bits per pixel</source>
        <translation>бит на пиксель: %1</translation>
    </message>
    <message>
        <source>BMP compression %1 at %2 bits per pixel</source>
        <translation>сжатие BMP %1 при %2 бит на пиксель</translation>
    </message>
    <message>
        <source>a size of %1 x %2 pixels</source>
        <translation>размер %1 x %2 пикселей</translation>
    </message>
    <message>
        <source>a colour table of %1 entries for %2-bit pixels</source>
        <translation>таблица цветов из %1 элементов для %2-битных пикселей</translation>
    </message>
    <message>
        <source>its colour table or pixel data lies outside the file (data at offset %1, file size %2)</source>
        <translation>таблица цветов или пиксели лежат за пределами файла (данные по смещению %1, размер файла %2)</translation>
    </message>
    <message>
        <source>its pixel data is cut short (%1 bytes for %2 x %3 pixels at %4 bits)</source>
        <translation>пиксельные данные обрезаны (%1 байт на %2 x %3 пикселей по %4 бит)</translation>
    </message>
    <message>
        <source>not a BMP picture</source>
        <extracomment>What is wrong with a BMP picture, shown in &quot;its picture is damaged (%1)&quot; or &quot;its picture is of an unknown type (%1)&quot;</extracomment>
        <translation>не изображение BMP</translation>
    </message>
    <message>
        <source>a BMP header of %1 bytes</source>
        <translation>заголовок BMP длиной %1 байт</translation>
    </message>
    <message>
        <source>its header runs past its end</source>
        <translation>заголовок выходит за конец файла</translation>
    </message>
    <message>
        <source>its file could not be read</source>
        <translation>его файл не удалось прочитать</translation>
    </message>
    <message>
        <source>it cannot be encoded upright</source>
        <translation>его нельзя закодировать в прямом положении</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>cannot be turned upright (%1)</source>
        <translation>не удаётся перевернуть в прямое положение (%1)</translation>
    </message>
    <message>
        <source>cannot be written to %1 (%2)</source>
        <translation>не удаётся записать в %1 (%2)</translation>
    </message>
    <message>
        <source>its picture (%1 x %2 pixels)</source>
        <extracomment>The level&apos;s picture, named in the next two texts as %1</extracomment>
        <translation>изображение (%1 x %2 пикселей)</translation>
    </message>
    <message>
        <source>its grid size is %1, which cuts no cells</source>
        <translation>размер сетки %1, ячеек при нём не получается</translation>
    </message>
    <message>
        <source>%1 is smaller than its grid of %2-pixel cells</source>
        <translation>%1 меньше сетки из ячеек по %2 пикселей</translation>
    </message>
    <message>
        <source>%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must be at least 1 pixel each way</source>
        <translation>%1, разбитое сеткой %2, даёт ячейки %3 x %4 пикселей, а ячейка должна быть не меньше 1 пикселя в каждую сторону</translation>
    </message>
    <message>
        <source>%1 is missing or not a regular file</source>
        <translation>%1 отсутствует или не является обычным файлом</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (%1)</source>
        <translation>изображение неизвестного типа (%1)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 bytes, the limit is %2 bytes)</source>
        <translation>изображение слишком велико (%1 байт, предел — %2 байт)</translation>
    </message>
    <message>
        <source>its picture is of an unknown type (not a JPEG picture)</source>
        <translation>изображение неизвестного типа (не JPEG)</translation>
    </message>
    <message>
        <source>its picture is too big (%1 x %2 pixels, the limit is %3 megapixels)</source>
        <translation>изображение слишком велико (%1 x %2 пикселей, предел — %3 Мпикс)</translation>
    </message>
    <message>
        <source>its picture is too big (decoding needs %1 MB, the limit is %2 MB)</source>
        <translation>изображение слишком велико (для декодирования нужно %1 МБ, предел — %2 МБ)</translation>
    </message>
    <message>
        <source>its picture is damaged (%1)</source>
        <extracomment>Why a level&apos;s or a game&apos;s picture cannot be used; where the picture is named already, the English &quot;its&quot; reads &quot;the&quot;</extracomment>
        <translation>изображение повреждено (%1)</translation>
    </message>
    <message>
        <source>its picture holds more coded data than its pixels can use (more than %1 bytes for %2 x %3 pixels)</source>
        <translation>в изображении больше закодированных данных, чем нужно его пикселям (больше %1 байт на %2 x %3 пикселей)</translation>
    </message>
    <message>
        <source>no picture, only tables</source>
        <translation>нет изображения, только таблицы</translation>
    </message>
    <message>
        <source>no memory for %1 x %2 pixels</source>
        <translation>не хватает памяти на %1 x %2 пикселей</translation>
    </message>
    <message>
        <source>its picture has more than %1 scans, which no camera or program writes; each one would be a pass over the whole picture</source>
        <translation>в изображении больше %1 сканов, столько не пишет ни одна камера или программа; каждый был бы проходом по всему изображению</translation>
    </message>
    <message>
        <source>its picture would take too long to decode: its scans go over more than %1 blocks of 8 x 8 pixels, each scan over the whole picture again</source>
        <translation>изображение декодировалось бы слишком долго: его сканы проходят больше %1 блоков 8 x 8 пикселей, каждый скан снова по всему изображению</translation>
    </message>
    <message>
        <source>its picture was no longer wanted before it was decoded</source>
        <translation>изображение перестало быть нужным до того, как было декодировано</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>cannot be decoded (%1)</source>
        <translation>не удаётся декодировать (%1)</translation>
    </message>
    <message>
        <source>cannot be copied to %1</source>
        <translation>не удаётся скопировать в %1</translation>
    </message>
    <message>
        <source>cannot be converted into %1</source>
        <translation>не удаётся преобразовать в %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>not a picture format that can be read</source>
        <translation>формат изображения не поддерживается</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>слишком велико (%1 x %2 пикселей)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A picture that was not added: its file name and why</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This picture was not added:</source>
        <translation>Это изображение не добавлено:</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Эти изображения не добавлены:</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Press</source>
        <extracomment>Before a key cap in a small picture on the title screen: &quot;Press [SPACE]&quot; starts the game. About 45 pixels wide in bold; a longer word is drawn smaller.</extracomment>
        <translation>Нажмите</translation>
    </message>
    <message>
        <source>SPACE</source>
        <extracomment>The label of the space bar as keyboards in this language print it, in capitals, on a key cap about 55 pixels wide; a longer label is drawn smaller.</extracomment>
        <translation>ПРОБЕЛ</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <extracomment>The large title of the banner shown while the game is paused, in capitals.</extracomment>
        <translation>ПАУЗА</translation>
    </message>
    <message>
        <source>press P or Up to resume</source>
        <extracomment>Under the title of the pause banner: P and the Up arrow key end the pause. About 250 pixels wide in bold; a longer text is drawn smaller.</extracomment>
        <translation>продолжить: P или стрелка вверх</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quarrybox</source>
        <translation>О Quarrybox</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>A falling-block game in which every level uncovers a picture.</source>
        <translation>Игра с падающими блоками, в которой каждый уровень открывает картинку.</translation>
    </message>
</context>
<context>
    <name>TBuilderModel</name>
    <message>
        <source>No defined Start Image Found!</source>
        <translation>Не задано изображение стартового экрана!</translation>
    </message>
    <message>
        <source>No defined Levels Image Found!</source>
        <translation>Не задано изображение игрового фона!</translation>
    </message>
    <message>
        <source>No defined Game Over Image Found!</source>
        <translation>Не задано изображение конца игры!</translation>
    </message>
    <message>
        <source>No defined Level Found!</source>
        <translation>Не задано ни одного уровня!</translation>
    </message>
</context>
<context>
    <name>TBuilderWidgetQuestions</name>
    <message>
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>Open Picture(s)</source>
        <translation>Открыть изображения</translation>
    </message>
</context>
<context>
    <name>TConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TGame</name>
    <message>
        <source>it is not a file.</source>
        <translation>это не файл.</translation>
    </message>
    <message>
        <source>its name is not UTF-8 text, so only a start with that name opens it.</source>
        <translation>его имя — не текст в UTF-8, поэтому открыть его можно только при запуске с этим именем.</translation>
    </message>
    <message>
        <source>there is no such file.</source>
        <translation>такого файла нет.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be opened: %2</source>
        <translation>Не удаётся открыть игру «%1»: %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Save Game?</source>
        <translation>Сохранить игру?</translation>
    </message>
    <message>
        <source>Confirm Overwriting</source>
        <translation>Подтверждение перезаписи</translation>
    </message>
    <message>
        <source>Overwrite Existing Game?</source>
        <translation>Перезаписать существующую игру?</translation>
    </message>
    <message>
        <source>Make EXE uses the saved game file: open or save a game first.</source>
        <translation>«Создать EXE» берёт сохранённый файл игры: сначала откройте или сохраните игру.</translation>
    </message>
    <message>
        <source>Cannot Create file Quarrybox.exe!</source>
        <translation>Не удаётся создать файл Quarrybox.exe!</translation>
    </message>
    <message>
        <source>Confirm Overwrite Game</source>
        <translation>Подтверждение перезаписи</translation>
    </message>
    <message>
        <source>Game File</source>
        <translation>Файл игры</translation>
    </message>
    <message>
        <source>will be overwritten.</source>
        <translation>будет перезаписан.</translation>
    </message>
    <message>
        <source>Make EXE needs the stand-alone runtime, which is missing: %1</source>
        <translation>Для «Создать EXE» нужна среда выполнения отдельных игр, а её нет: %1</translation>
    </message>
    <message>
        <source>Disk Write Error!</source>
        <translation>Ошибка записи на диск!</translation>
    </message>
    <message>
        <source>Game with a name:</source>
        <translation>Игра с именем:</translation>
    </message>
    <message>
        <source>has just been created!</source>
        <translation>успешно создана!</translation>
    </message>
    <message>
        <source>Empty Game</source>
        <translation>Пустая игра</translation>
    </message>
    <message>
        <source>Confirm Stop Game</source>
        <translation>Остановить игру</translation>
    </message>
    <message>
        <source>Really Stop Current Game?!</source>
        <translation>Действительно остановить текущую игру?!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a game made with Make EXE: it is a program of its own. Start it to play it.</source>
        <translation>«%1» — игра, созданная командой «Создать EXE»: это отдельная программа. Запустите её, чтобы играть.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game: it is a file of the kind &quot;%2&quot;.</source>
        <extracomment>%2: the kind of file, as the desktop describes it (&quot;JPEG image&quot;, &quot;executable&quot;)</extracomment>
        <translation>«%1» — не игра, а файл типа «%2».</translation>
    </message>
    <message>
        <source>%1 [Away]</source>
        <translation>%1 [Неактивна]</translation>
    </message>
    <message>
        <source>%1 [Pause]</source>
        <translation>%1 [Пауза]</translation>
    </message>
    <message>
        <source>Loading picture...</source>
        <translation>Загрузка изображения...</translation>
    </message>
    <message>
        <source>its picture cannot be cut into cells</source>
        <translation>его изображение нельзя разбить на ячейки</translation>
    </message>
    <message>
        <source>Level %1 of %2 cannot be shown: %3. The level is skipped.</source>
        <translation>Уровень %1 из %2 нельзя показать: %3. Уровень пропущен.</translation>
    </message>
</context>
<context>
    <name>TGameDocument</name>
    <message>
        <source>The high scores are kept until the program ends, but could not be saved: %1</source>
        <translation>Рекорды хранятся до конца работы программы, но сохранить их не удалось: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written, so its high scores are kept for you alone, in %2.</source>
        <translation>В %1 нельзя записывать, поэтому рекорды хранятся только для вас, в %2.</translation>
    </message>
    <message>
        <source>%1; the high scores are kept in %2</source>
        <extracomment>After why the program could not be written: where its high scores went instead (%2)</extracomment>
        <translation>%1; рекорды хранятся в %2</translation>
    </message>
    <message>
        <source>%1; the high scores are lost: %2</source>
        <translation>%1; рекорды потеряны: %2</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryDialog</name>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TGamesGalleryModel</name>
    <message>
        <source>Installed</source>
        <extracomment>Where a game in the gallery comes from: the games that came with the program</extracomment>
        <translation>Установленные</translation>
    </message>
    <message>
        <source>Your games</source>
        <translation>Ваши игры</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>Where a game in the gallery comes from: opened lately</extracomment>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 уровень</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>Уровней: %1</translation>
    </message>
    <message>
        <source>, best %1 %2</source>
        <extracomment>After the number of levels: the best score (%1) and the name of who made it (%2)</extracomment>
        <translation>, рекорд %1 %2</translation>
    </message>
    <message>
        <source>, no score yet</source>
        <translation>, рекордов нет</translation>
    </message>
</context>
<context>
    <name>TKeysDialog</name>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>&amp;Add Key</source>
        <translation>&amp;Добавить клавишу</translation>
    </message>
    <message>
        <source>&amp;Clear Keys</source>
        <translation>&amp;Очистить клавиши</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;По умолчанию</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Turn (and resume a pause)</source>
        <translation>Повернуть (и продолжить после паузы)</translation>
    </message>
    <message>
        <source>Down key</source>
        <extracomment>The Down key&apos;s action, which the Preferences choose: drop, turn or fall fast</extracomment>
        <translation>Клавиша «вниз»</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Start the game or the next level</source>
        <translation>Начать игру или следующий уровень</translation>
    </message>
    <message>
        <source>Pause and resume</source>
        <translation>Пауза и продолжение</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot; (Escape cancels).</source>
        <translation>Нажмите клавишу для «%1» (Escape — отмена).</translation>
    </message>
    <message>
        <source>%1 is kept for &quot;%2&quot; in the menus: choose another key.</source>
        <translation>%1 занята в меню для «%2»: выберите другую клавишу.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;: choose another key, or clear it there first.</source>
        <translation>%1 уже назначена для «%2»: выберите другую клавишу или сначала удалите её там.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key: add one, or choose Default.</source>
        <translation>У «%1» нет клавиши: добавьте её или выберите «По умолчанию».</translation>
    </message>
</context>
<context>
    <name>TLevelScreen</name>
    <message>
        <source>Score: </source>
        <extracomment>Drawn before the points on the play screen, in a narrow field: keep it short</extracomment>
        <translation>Очки: </translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>Message</source>
        <extracomment>The caption of the game&apos;s message box</extracomment>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Стрелка вниз</translation>
    </message>
    <message>
        <source>Drop</source>
        <extracomment>What the Down arrow does: drop the falling piece at once</extracomment>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Rotate (ACW)</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Up Arrow (Rotate Direction)</source>
        <translation>Стрелка вверх (поворот)</translation>
    </message>
    <message>
        <source>Clockwise (CW)</source>
        <translation>По часовой стрелке</translation>
    </message>
    <message>
        <source>Anti Clockwise (ACW)</source>
        <translation>Против часовой стрелки</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Motion Sound</source>
        <translation>Звук движения</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a time in milliseconds</extracomment>
        <translation> мс</translation>
    </message>
    <message>
        <source>&amp;Fall fast while held</source>
        <extracomment>What the Down arrow does: the piece falls faster while the key is held</extracomment>
        <translation>&amp;Быстро падать, пока нажата</translation>
    </message>
    <message>
        <source>Left and Right Arrows</source>
        <extracomment>How a held Left or Right key moves the piece</extracomment>
        <translation>Стрелки влево и вправо</translation>
    </message>
    <message>
        <source>&amp;One column per press</source>
        <translation>&amp;Один столбец за нажатие</translation>
    </message>
    <message>
        <source>&amp;Slide while held</source>
        <translation>&amp;Скользить, пока нажата</translation>
    </message>
    <message>
        <source>D&amp;elay:</source>
        <extracomment>The time a held key waits before the piece slides on</extracomment>
        <translation>&amp;Задержка:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <extracomment>The time between the columns of a slide</extracomment>
        <translation>&amp;Интервал:</translation>
    </message>
    <message>
        <source>Show where the piece will &amp;land</source>
        <translation>&amp;Показывать, куда упадёт фигура</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Громкость:</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Клавиши...</translation>
    </message>
</context>
<context>
    <name>TQuarryboxBuilderForm</name>
    <message>
        <source>No Levels Defined!</source>
        <translation>Уровни не заданы!</translation>
    </message>
    <message>
        <source>now visible</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now visible)&quot;</extracomment>
        <translation>виден</translation>
    </message>
    <message>
        <source>now hidden</source>
        <extracomment>The current level&apos;s picture in the builder, as in &quot;Current Level (now hidden)&quot;</extracomment>
        <translation>скрыт</translation>
    </message>
    <message>
        <source>Quarrybox Builder</source>
        <translation>Редактор Quarrybox</translation>
    </message>
    <message>
        <source>Pictures not added</source>
        <translation>Изображения не добавлены</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Уровень %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 x %3)</source>
        <extracomment>A level in the builder&apos;s list with its picture&apos;s width and height in pixels</extracomment>
        <translation>Уровень %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Подтверждение удаления</translation>
    </message>
    <message>
        <source>Really Delete Current Level?!</source>
        <translation>Действительно удалить текущий уровень?!</translation>
    </message>
    <message>
        <source>Hide current level image in development mode</source>
        <translation>Скрывать изображение текущего уровня при редактировании</translation>
    </message>
    <message>
        <source>Show current level image in development mode</source>
        <translation>Показывать изображение текущего уровня при редактировании</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Grid %1 x %2, cells of %3 x %4 pixels</source>
        <translation>Сетка %1 x %2, ячейки %3 x %4 пикселей</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Buttons choosing the pictures of the title screen, of the levels&apos; background and of the game-over screen</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Уровни</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Starting Skin  Image</source>
        <translation>Изображение стартового экрана</translation>
    </message>
    <message>
        <source>Playing Skin  Image</source>
        <translation>Изображение игрового фона</translation>
    </message>
    <message>
        <source>Game Over Skin  Image</source>
        <translation>Изображение конца игры</translation>
    </message>
    <message>
        <source>Draw Playfield Box</source>
        <translation>Рамка поля</translation>
    </message>
    <message>
        <source>Draw Scorefield Box</source>
        <translation>Рамка очков</translation>
    </message>
    <message>
        <source>Draw Nextfield Box</source>
        <translation>Рамка следующей</translation>
    </message>
    <message>
        <source>Stretch</source>
        <extracomment>Stretch the skin&apos;s picture to the window</extracomment>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Show this skin in the main window while building</extracomment>
        <translation>Показ</translation>
    </message>
    <message>
        <source>Add Level(s)</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add New Level</source>
        <translation>Добавить новые уровни</translation>
    </message>
    <message>
        <source>Insert Level(s)</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Insert Level</source>
        <translation>Вставить уровни перед текущим</translation>
    </message>
    <message>
        <source>Delete Level</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete Current Level</source>
        <translation>Удалить текущий уровень</translation>
    </message>
    <message>
        <source>Help File</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Rearrange Levels:</source>
        <translation>Порядок уровней:</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Moves the current level one place later in the game</extracomment>
        <translation>Ниже</translation>
    </message>
    <message>
        <source>Move current level down one place</source>
        <translation>Сдвинуть текущий уровень на одно место ниже</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>Moves the current level one place earlier in the game</extracomment>
        <translation>Выше</translation>
    </message>
    <message>
        <source>Move current level up one place</source>
        <translation>Сдвинуть текущий уровень на одно место выше</translation>
    </message>
    <message>
        <source>Navigate:</source>
        <translation>Переход:</translation>
    </message>
    <message>
        <source>First Level</source>
        <translation>Первый уровень</translation>
    </message>
    <message>
        <source>Previous Level</source>
        <translation>Предыдущий уровень</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Следующий уровень</translation>
    </message>
    <message>
        <source>Last Level</source>
        <translation>Последний уровень</translation>
    </message>
    <message>
        <source>Current Level  (</source>
        <translation>Текущий уровень  (</translation>
    </message>
    <message>
        <source>Total Number of Levels:</source>
        <translation>Всего уровней:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Сетка:</translation>
    </message>
    <message>
        <source>&lt;-- small</source>
        <translation>&lt;-- мелкая</translation>
    </message>
    <message>
        <source>Choose Grid</source>
        <translation>Выбрать сетку</translation>
    </message>
    <message>
        <source>large -&gt;</source>
        <translation>крупная -&gt;</translation>
    </message>
    <message>
        <source>Levels, the last at the top: choose one to edit it; drop pictures here to add them</source>
        <translation>Уровни, последний сверху: выберите уровень, чтобы его редактировать; перетащите сюда изображения, чтобы их добавить</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Фоны</translation>
    </message>
</context>
<context>
    <name>TRecentGameCommands</name>
    <message>
        <source>Open Recent</source>
        <translation>Недавние игры</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer there. Remove it from the list?</source>
        <translation>Игры «%1» больше нет. Убрать её из списка?</translation>
    </message>
</context>
<context>
    <name>TRecentGamesMenu</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить список</translation>
    </message>
</context>
<context>
    <name>TScoreDialog</name>
    <message>
        <source>Score Table</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Новый рекорд: %1</translation>
    </message>
    <message>
        <source>Type your name and press Enter.</source>
        <translation>Введите имя и нажмите Enter.</translation>
    </message>
    <message>
        <source>Up to %1 letters or digits, Western European letters only.</source>
        <extracomment>Under &quot;Type your name&quot;: the game file keeps a name of Latin-1 (ISO 8859-1) letters and digits only, so letters of other scripts and such as Polish &quot;ł&quot;, Czech &quot;ř&quot; or Turkish &quot;ş&quot; are refused as they are typed. Say which in this language&apos;s terms; short, about 180 pixels wide, two lines at most.</extracomment>
        <translation>До %1 латинских букв или цифр, без кириллицы.</translation>
    </message>
</context>
<context>
    <name>TVisitSiteForm</name>
    <message>
        <source>Quarrybox Games</source>
        <translation>Игры Quarrybox</translation>
    </message>
    <message>
        <source>More games for Quarrybox are waiting at %1</source>
        <translation>Другие игры для Quarrybox ждут вас на %1</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Открыть сайт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>Quarrybox Game</source>
        <translation>Игра Quarrybox</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Открыть игру</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Сохранить игру как</translation>
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
        <translation>Использование: %1 [ФАЙЛ ИГРЫ]
Запускает игру с падающими блоками из ФАЙЛА ИГРЫ (файл .qbx или его адрес file://),
иначе — игру, в которую играли последней.

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
Try &quot;%1 --help&quot;.
</source>
        <extracomment>%1: the program&apos;s name, %2: the option it does not know</extracomment>
        <translation>%1: неизвестный параметр «%2»
Попробуйте «%1 --help».
</translation>
    </message>
</context>
</TS>
